// The window's key filter, the commit when the last-ticket field loses the
// focus, the hint line and the close question.

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStatusTipEvent>
#include <QTimer>

#include "app/tform_client.h"

namespace bingo {

namespace {

bool belongsTo(QObject* object, QWidget* window) {
  auto* widget = qobject_cast<QWidget*>(object);
  return widget && widget->window() == window;
}

// Leaving a field by Tab, Enter or the mouse commits it; the window losing the
// focus to another window or a menu does not.
bool leavesTheField(Qt::FocusReason reason) {
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

bool TFormClient::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && belongsTo(watched, this)) {
    bool swallowed = false;
    FormKeyPress(*static_cast<QKeyEvent*>(event), swallowed);
    if (swallowed) return true;
  }
  if (watched == m_editEnd && event->type() == QEvent::FocusOut &&
      leavesTheField(static_cast<QFocusEvent*>(event)->reason()))
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
    QTimer::singleShot(0, this, [this] { acTK_Kup_BrisiExecute(); });
  } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
    swallowed = true;
    focusNextChild();
  } else if (c == QLatin1Char('\b') || c == QLatin1Char('\t') ||
             (c >= QLatin1Char('0') && c <= QLatin1Char('9'))) {
    // Backspace and digits reach the field; Tab keeps moving the focus.
  } else {
    swallowed = true;
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
