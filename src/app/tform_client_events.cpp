// The window's key filter, the commit when the last-ticket field loses the
// focus, the hint line and the close question.

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStatusTipEvent>
#include <QTimer>

#include "app/tform_client.h"
#include "app/type_ahead.h"

namespace bingo {

namespace {

bool belongsTo(QObject* object, QWidget* window) {
  auto* widget = qobject_cast<QWidget*>(object);
  return widget && widget->window() == window;
}

// Leaving the field by Enter or Tab commits it from the key itself, which does
// not need the window to hold the focus (an X session without a window
// manager may not give it); any other move of the focus inside the window (a
// click into another control, a shortcut) commits when the field loses it. The
// window losing the focus to another window or to a menu does not commit.
bool leavesByKey(const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return true;
    default:
      return false;
  }
}

bool leavesInsideTheWindow(Qt::FocusReason reason) {
  switch (reason) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:  // the menu bar's keyboard mode, left by Escape
    case Qt::TabFocusReason:      // committed by the key
    case Qt::BacktabFocusReason:
      return false;
    default:
      return true;
  }
}

}  // namespace

bool TFormClient::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && belongsTo(watched, this)) {
    auto& key = *static_cast<QKeyEvent*>(event);
    if (watched == m_editEnd && leavesByKey(key)) EditKupEndExit();
    bool swallowed = false;
    FormKeyPress(key, swallowed);
    if (swallowed) return true;
  }
  if (watched == m_editEnd && event->type() == QEvent::FocusOut &&
      leavesInsideTheWindow(static_cast<QFocusEvent*>(event)->reason()))
    EditKupEndExit();
  return QMainWindow::eventFilter(watched, event);
}

// Every character typed while the window is active passes here first: "*"
// becomes Backspace, "-" and "." open the range deletion, Enter moves to the
// next field like Tab, and nothing but digits and Backspace reaches a field.
void TFormClient::FormKeyPress(QKeyEvent& event, bool& swallowed) {
  const QString text = event.text();
  if (text.size() != 1) return;  // keys that type no character (arrows, F-keys, shortcuts)
  const QChar c = text.front();
  if (c == QLatin1Char('*')) {
    swallowed = true;
    if (QWidget* target = QApplication::focusWidget()) {
      QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
      QApplication::sendEvent(target, &backspace);
    }
  } else if (c == QLatin1Char('-') || c == QLatin1Char('.')) {
    swallowed = true;
    // After this key press has returned, so the dialogs do not nest inside it.
    m_typeAhead->expectBox();
    QTimer::singleShot(0, this, [this] {
      m_typeAhead->boxDue();
      acTK_Kup_BrisiExecute();
    });
  } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
    swallowed = true;
    focusNextChild();
  } else if (c == QLatin1Char('\b') || c == QLatin1Char('\t') ||
             (c >= QLatin1Char('0') && c <= QLatin1Char('9'))) {
    // Backspace and digits reach the field; Tab keeps moving the focus.
  } else {
    // A swallowed character keeps a field clean; the menu bar's Escape and a
    // check box's Space are keys, not typed text, and still reach them.
    swallowed = qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr;
  }
}

bool TFormClient::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    const std::string tip = static_cast<QStatusTipEvent*>(event)->tip().toStdString();
    guarded([this, &tip] { m_console.AppEventsHint(tip); });
    return true;
  }
  return QMainWindow::event(event);
}

void TFormClient::closeEvent(QCloseEvent* event) {
  bool mayClose = m_terminating;
  if (!mayClose) guarded([this, &mayClose] { mayClose = m_console.FormCloseQuery(); });
  if (!mayClose) {
    event->ignore();
    return;
  }
  m_timer.stop();
  event->accept();
}

}  // namespace bingo
