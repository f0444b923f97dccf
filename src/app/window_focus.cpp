#include "app/window_focus.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

#if defined(BINGO_HAVE_X11)
#include <cstring>
#include <optional>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace bingo {

namespace {

#if defined(BINGO_HAVE_X11)
Display* x11Display() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->display() : nullptr;
}

// A request about a window that no longer exists fails with an X error; the
// request's own result tells, so the error is passed over.
int passOverXError(Display*, XErrorEvent*) { return 0; }

// The window that `property` of `window` names, if it names exactly one.
std::optional<Window> namedWindow(Display* display, Window window, Atom property) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  const int status = XGetWindowProperty(display, window, property, 0, 1, False, XA_WINDOW, &type, &format,
                                        &count, &after, &data);
  std::optional<Window> named;
  if (status == Success && type == XA_WINDOW && format == 32 && count == 1 && data) {
    unsigned long id = 0;  // 32-bit items come as longs
    std::memcpy(&id, data, sizeof id);
    named = static_cast<Window>(id);
  }
  if (data) XFree(data);
  return named;
}
#endif

}  // namespace

#if defined(BINGO_HAVE_X11)
// A running window manager names a window of its own on the root window, and
// that window names itself. One that has exited leaves the root window's note
// behind, naming a window that is gone (or, later, another client's window).
bool hasWindowManager(Display* display) {
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return false;
  const auto named = namedWindow(display, DefaultRootWindow(display), check);
  if (!named) return false;
  XSync(display, False);  // errors of earlier requests still reach the handler they were meant for
  const auto previous = XSetErrorHandler(passOverXError);
  const bool live = namedWindow(display, *named, check) == named;
  XSetErrorHandler(previous);
  return live;
}
#endif

namespace {

#if defined(BINGO_HAVE_X11)
// With no window manager the platform's own request carries the time of the
// last event it saw, and the X server ignores it whenever the focus changed
// later (a closing box hands it back to the root window at that moment). The
// console sets the focus itself, as of now.
void focusWithoutWindowManager(QWidget& window) {
  Display* display = x11Display();
  if (!display || hasWindowManager(display)) return;
  const auto id = static_cast<Window>(window.winId());
  XWindowAttributes attributes{};
  // Only a mapped window can take the focus; the map request was sent before.
  if (!XGetWindowAttributes(display, id, &attributes) || attributes.map_state != IsViewable) return;
  XSetInputFocus(display, id, RevertToParent, CurrentTime);
  XFlush(display);
}
#endif

bool runsWithoutWindowManager() {
#if defined(BINGO_HAVE_X11)
  Display* display = x11Display();
  return display && !hasWindowManager(display);
#else
  return false;
#endif
}

// Watches the program's other windows: when a box or dialog has opened or
// closed, the keyboard goes to the box now open or else to the main window,
// which gives it to the control that had the focus. The box's own request may
// come before the X server has mapped it, or carry a time the server ignores:
// the keeper asks again until the window holds the keyboard.
class KeyboardKeeper : public QObject {
 public:
  explicit KeyboardKeeper(QWidget& window) : QObject(&window), m_window(window) {
    m_settle.setInterval(10);
    connect(&m_settle, &QTimer::timeout, this, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      QWidget& target = modal ? *modal : m_window;
      const bool holds = target.windowHandle() && QGuiApplication::focusWindow() == target.windowHandle();
      if (holds || !m_window.isVisible() || ++m_tries > 100) {
        m_settle.stop();
        return;
      }
      takeKeyboard(target);
    });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Hide && event->type() != QEvent::Show) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !widget->isWindow() || widget == &m_window) return false;
    const Qt::WindowType type = widget->windowType();
    if (type == Qt::ToolTip || type == Qt::Popup) return false;
    // Once the show or close is over: the next box of a sequence may be opening.
    m_tries = 0;
    m_settle.start();
    return false;
  }

 private:
  QWidget& m_window;
  QTimer m_settle;
  int m_tries = 0;
};

}  // namespace

void takeKeyboard(QWidget& window) {
  window.raise();
  // Asked of the platform window itself: QWidget::activateWindow() does
  // nothing while the window still counts as active through a box that is
  // closing.
  if (QWindow* handle = window.windowHandle())
    handle->requestActivate();
  else
    window.activateWindow();
#if defined(BINGO_HAVE_X11)
  focusWithoutWindowManager(window);
#endif
}

void keepKeyboard(QWidget& window) {
  if (!runsWithoutWindowManager()) return;
  qApp->installEventFilter(new KeyboardKeeper(window));
}

}  // namespace bingo
