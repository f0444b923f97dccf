#include "app/type_ahead.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWindow>

#if defined(BINGO_HAVE_XCB)
#include <xcb/xcb.h>

#include <deque>
#include <optional>
#endif

namespace bingo {

#if defined(BINGO_HAVE_XCB)

// Keys are taken as the X server sends them, before the toolkit queues them
// for its windows, and let through one at a time: a key goes on only once the
// one before it has reached a window of the toolkit (or been taken as a
// shortcut), and only while the window it is meant for holds the keyboard. A
// held key is handed over by sending it again to that window: the X server
// brings it back and the toolkit routes it to the window with the keyboard.
struct TypeAhead::Native : QAbstractNativeEventFilter {
  Native(QWidget& mainWindow, xcb_connection_t* x) : window(mainWindow), connection(x) {
    // A box that never takes the keyboard, a key the toolkit dropped: the
    // keys go on after a while all the same.
    for (QTimer* timer : {&giveUp, &unseen}) timer->setSingleShot(true);
    giveUp.setInterval(std::chrono::seconds{3});
    unseen.setInterval(std::chrono::seconds{1});
    QObject::connect(&giveUp, &QTimer::timeout, [this] {
      expected = 0;
      armed = false;
      pump();
    });
    QObject::connect(&unseen, &QTimer::timeout, [this] {
      passed.reset();
      pump();
    });
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, &giveUp, [this] { pump(); });
  }

  QWidget& window;
  xcb_connection_t* connection;
  int expected = 0;    // boxes asked for that have not opened yet
  bool armed = false;  // a box opened or closed since the main window last held the keyboard
  std::deque<xcb_key_press_event_t> held;
  std::optional<xcb_key_press_event_t> passed;  // let through, not yet seen by the toolkit
  bool inFlight = false;                        // sent, not yet brought back by the X server
  QTimer giveUp, unseen;

  QWidget& target() const {
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? *modal : window;
  }

  bool holding() const {
    if (expected > 0) return true;
    if (!armed) return false;
    QWindow* handle = target().windowHandle();
    return !handle || QGuiApplication::focusWindow() != handle;
  }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    auto key = *static_cast<xcb_key_press_event_t*>(message);
    const std::uint8_t kind = key.response_type & 0x7f;
    if (kind != XCB_KEY_PRESS && kind != XCB_KEY_RELEASE) return false;
    key.response_type = kind;
    const bool sentByUs = (static_cast<xcb_key_press_event_t*>(message)->response_type & 0x80) && inFlight;
    if (sentByUs) inFlight = false;
    // The key sent is the oldest there is: it waits in front if it must.
    const bool hold = holding() || passed || (!sentByUs && (inFlight || !held.empty()));
    if (!hold) {
      passed = key;
      unseen.start();
    } else if (sentByUs) {
      held.push_front(key);
    } else {
      held.push_back(key);
    }
    if (hold && holding() && !giveUp.isActive()) giveUp.start();
    return hold;
  }

  // The toolkit has the key let through: the next may follow, once the
  // toolkit has done with this one.
  void seen(const QKeyEvent& event) {
    if (!passed || event.nativeScanCode() != passed->detail) return;
    if ((passed->response_type == XCB_KEY_RELEASE) != (event.type() == QEvent::KeyRelease)) return;
    passed.reset();
    unseen.stop();
    QTimer::singleShot(0, &giveUp, [this] { pump(); });
  }

  // A box opened while a key let through waited in the toolkit's queue for
  // the window behind it: the toolkit drops it there, so it is held again.
  void boxOpened() {
    armed = true;
    if (passed && !inFlight) held.push_front(*passed);
    passed.reset();
  }

  void pump() {
    if (!holding()) {
      giveUp.stop();
      if (&target() == &window && held.empty() && !passed && !inFlight) armed = false;
    }
    if (held.empty() || inFlight || passed || holding()) return;
    xcb_key_press_event_t key = held.front();
    held.pop_front();
    const auto to = static_cast<xcb_window_t>(target().winId());
    key.event = to;
    key.child = XCB_NONE;
    xcb_send_event(connection, 0, to, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&key));
    xcb_flush(connection);
    inFlight = true;
  }
};

TypeAhead::TypeAhead(QWidget& window) : QObject(&window) {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->connection()) return;
  m_native = std::make_unique<Native>(window, x11->connection());
  qApp->installNativeEventFilter(m_native.get());
  qApp->installEventFilter(this);
}

TypeAhead::~TypeAhead() {
  if (m_native) qApp->removeNativeEventFilter(m_native.get());
}

void TypeAhead::expectBox() {
  if (m_native) ++m_native->expected;
}

void TypeAhead::boxDue() {
  if (!m_native || m_native->expected == 0) return;
  --m_native->expected;
  m_native->armed = true;
  // Where the call opened no box, the keys go on to the window behind.
  QTimer::singleShot(0, this, [this] { m_native->pump(); });
}

bool TypeAhead::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      m_native->seen(*static_cast<QKeyEvent*>(event));
      break;
    case QEvent::Show:
    case QEvent::Hide:
      // A box shown or closed: the keys wait until the window now meant holds the keyboard.
      if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->isWindow() && widget->isModal()) {
        if (event->type() == QEvent::Show) m_native->boxOpened();
        m_native->armed = true;
      }
      break;
    default:
      break;
  }
  return false;
}

#else

struct TypeAhead::Native {};
TypeAhead::TypeAhead(QWidget& window) : QObject(&window) {}
TypeAhead::~TypeAhead() = default;
void TypeAhead::expectBox() {}
void TypeAhead::boxDue() {}
bool TypeAhead::eventFilter(QObject*, QEvent*) { return false; }

#endif

}  // namespace bingo
