// The keyboard as the X server delivers it, on a bare X server started for
// this program: no window manager, keys typed by xdotool through the server.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>
#include <tuple>

#include "app/lock_keys.h"
#include "app/type_ahead.h"
#include "app/window_focus.h"

// Last: the X headers define names that the toolkit's headers use.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/keysym.h>
#undef KeyPress

namespace bingo {
namespace {

Display* display() { return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display(); }

TEST(X11Keyboard, LockKeysAsTheServerHoldsThem) {
  const unsigned num = XkbKeysymToModifiers(display(), XK_Num_Lock);
  ASSERT_NE(num, 0u);
  for (const bool caps : {true, false})
    for (const bool numLock : {true, false}) {
      XkbLockModifiers(display(), XkbUseCoreKbd, LockMask | num, (caps ? LockMask : 0) | (numLock ? num : 0));
      XSync(display(), False);
      const LockKeys keys = readLockKeys();
      EXPECT_EQ(std::pair(keys.capsLock, keys.numLock), std::pair(caps, numLock));
    }
}

// A window manager names its check window on the root window; only a live
// one that names itself counts, not a note left by one that has exited.
TEST(X11Keyboard, OnlyALiveWindowManagerCounts) {
  Display* x11 = display();
  const Window root = DefaultRootWindow(x11);
  const Atom check = XInternAtom(x11, "_NET_SUPPORTING_WM_CHECK", False);
  const auto name = [&](Window on, Window id) {
    XChangeProperty(x11, on, check, XA_WINDOW, 32, PropModeReplace, reinterpret_cast<unsigned char*>(&id), 1);
  };
  const auto window = [&] { return XCreateSimpleWindow(x11, root, 0, 0, 1, 1, 0, 0, 0); };
  const Window gone = window(), own = window(), other = window();
  XDestroyWindow(x11, gone);
  name(own, own);
  const std::tuple<const char*, Window, bool> rows[] = {
      {"a live window manager", own, true},
      {"a window manager that has exited", gone, false},
      {"its window's number taken by another client", other, false},
  };
  for (const auto& [kind, named, runs] : rows) {
    name(root, named);
    EXPECT_EQ(hasWindowManager(x11), runs) << kind;
  }
  XDeleteProperty(x11, root, check);  // the keyboard test runs without one
  XDestroyWindow(x11, own);
  XDestroyWindow(x11, other);
  XSync(x11, False);
}

// A window whose field opens a number box on "-" after the key, as the
// console's deletion does; keys typed ahead of the box, and after it closes,
// land where they were meant, and a box left by Escape takes nothing along.
TEST(X11Keyboard, KeysTypedAheadReachTheBoxAndTheFieldBehindIt) {
  QWidget window;
  auto* field = new QLineEdit(&window);
  (new QVBoxLayout(&window))->addWidget(field);
  auto* typeAhead = new TypeAhead(window);
  std::string answers;
  struct Minus : QObject {
    std::function<void()> open;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->text() != "-") return false;
      open();
      return true;
    }
  } minus;
  minus.open = [&] {
    typeAhead->expectBox();
    QTimer::singleShot(0, &window, [&] {
      typeAhead->boxDue();
      bool ok = false;
      const QString text = QInputDialog::getText(nullptr, "Box", "Number", QLineEdit::Normal, "", &ok);
      answers += (ok ? text.toStdString() : "Escape") + "|";
    });
  };
  field->installEventFilter(&minus);
  window.show();
  takeKeyboard(window);
  keepKeyboard(window);
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == window.windowHandle(); }, 10000));
  // A box still open a whole round of the timer later never got its keys: it
  // is closed, so that the test fails instead of hanging.
  QTimer closer;
  QPointer<QWidget> seen;
  QObject::connect(&closer, &QTimer::timeout, [&seen] {
    QWidget* box = QApplication::activeModalWidget();
    if (box && box == seen) box->close();
    seen = box;
  });
  closer.start(5000);
  for (const char* delay : {"1", "40"}) {
    field->clear();
    answers.clear();
    QProcess::execute("xdotool",
                      QString("key --delay %1 1 2 minus 3 4 Return 5 minus 6 Escape 7 minus 8 Return 9")
                          .arg(delay)
                          .split(' '));
    [[maybe_unused]] const bool typed = QTest::qWaitFor([&] { return field->text() == "12579"; }, 5000);
    EXPECT_EQ(field->text().toStdString() + " " + answers, "12579 34|Escape|8|") << delay;
  }
}

}  // namespace
}  // namespace bingo

// An X server of its own, whose display number it writes to a pipe.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
    return 77;
  int out[2];
  if (::pipe(out) != 0) return 1;
  const pid_t server = ::fork();
  if (server == 0) {
    ::close(out[0]);
    const std::string fd = std::to_string(out[1]);
    ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "800x600x24", "-nolisten", "tcp",
             static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(out[1]);
  std::string number;
  char c = 0;
  while (::read(out[0], &c, 1) == 1 && c != '\n') number += c;
  ::close(out[0]);
  int status = 1;
  if (!number.empty()) {
    qputenv("DISPLAY", QByteArray(":") + number.c_str());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    status = RUN_ALL_TESTS();
  }
  ::kill(server, SIGTERM);
  ::waitpid(server, nullptr, 0);
  return status;
}
