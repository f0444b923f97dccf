// The keyboard keeper asks whether a window manager runs; on a bare X server
// of the test's own, a window manager's note on the root window is written
// as each kind of session leaves it.

#include "app/window_focus.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>

#if defined(BINGO_HAVE_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace bingo {
namespace {

TEST(WindowFocus, OnlyALiveWindowManagerCounts) {
  if (QStandardPaths::findExecutable("Xvfb").isEmpty()) GTEST_SKIP() << "Xvfb is not installed";
  QProcess xvfb;  // picks a free display number and writes it once it takes clients
  const auto stop = qScopeGuard([&] {
    xvfb.terminate();  // it removes its socket and lock file as it goes
    xvfb.waitForFinished(10000);
  });
  xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "320x240x24", "-nolisten", "tcp"});
  Display* x11 = xvfb.waitForReadyRead(10000) ? XOpenDisplay(":" + xvfb.readAll().trimmed()) : nullptr;
  ASSERT_NE(x11, nullptr) << "no X server";
  const Window root = DefaultRootWindow(x11);
  const Atom check = XInternAtom(x11, "_NET_SUPPORTING_WM_CHECK", False);
  const auto name = [&](Window on, Window id) {  // as a window manager names its check window
    XChangeProperty(x11, on, check, XA_WINDOW, 32, PropModeReplace, reinterpret_cast<unsigned char*>(&id), 1);
  };
  const auto window = [&] { return XCreateSimpleWindow(x11, root, 0, 0, 1, 1, 0, 0, 0); };
  const Window gone = window(), own = window(), other = window();
  XDestroyWindow(x11, gone);
  name(own, own);
  // Name, the window the root window names, whether a window manager runs.
  const std::tuple<const char*, Window, bool> rows[] = {
      {"a live window manager", own, true},
      {"a window manager that has exited", gone, false},
      {"its window's number taken by another client", other, false},
  };
  for (const auto& [kind, named, runs] : rows) {
    name(root, named);
    EXPECT_EQ(hasWindowManager(x11), runs) << kind;
  }
  XCloseDisplay(x11);
}

}  // namespace
}  // namespace bingo
#endif
