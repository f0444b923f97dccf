#include "app/tform_client.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>

#include "app/about_form.h"
#include "app/camera_view.h"
#include "app/lock_keys.h"
#include "app/type_ahead.h"
#include "app/window_focus.h"
#include "display/widgets/console_screen.h"
#include "display/widgets/main_window_frame.h"
#include "platform/folders.h"

namespace bingo {

TFormClient::TFormClient(ConsoleServices services, ScreenDumpFile dump)
    : m_console(std::move(services)), m_dump(std::move(dump)) {
  setObjectName("TFormClient");
  m_screen = setUpMainWindow(*this);
  m_camera = new CameraView(m_screen);
  m_screen->adopt("WebBrowser_Camera", m_camera);
  m_editPoc = qobject_cast<QLineEdit*>(m_screen->control("EditKupPoc"));
  m_editEnd = qobject_cast<QLineEdit*>(m_screen->control("EditKupEnd"));
  m_typeAhead = new TypeAhead(*this);
  FormCreate();
}

TFormClient::~TFormClient() { FormDestroy(); }

void TFormClient::FormCreate() {
  // The application's exception, idle and hint handlers; the application-wide
  // filter is the window's key preview and sees the entry field's focus too.
  qApp->installEventFilter(this);
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
          [this] { AppEventsIdle(); });
  // The entry fields tell the model what was typed, so that emptying them is a change.
  for (auto [edit, name] : {std::pair{m_editPoc, "EditKupPoc"}, std::pair{m_editEnd, "EditKupEnd"}}) {
    if (!edit) continue;
    connect(edit, &QLineEdit::textEdited, this, [this, name = name](const QString& text) {
      m_console.screen().setText(name, text.toStdString());
    });
  }
  connectActions();

  guarded([this] { m_console.FormCreate(); });
  if (QScreen* primary = QGuiApplication::primaryScreen()) {
    if (m_console.config().ScreenFit)
      fitMainWindow(*this, primary->size());
    else
      placeMainWindow(*this, primary->size());
  }

  m_timer.setObjectName("TimerFrames");
  connect(&m_timer, &QTimer::timeout, this, [this] { TimerFramesTimer(); });
  // An interval of 0 never fires.
  const int interval = m_console.config().TimerInterval;
  if (interval > 0) m_timer.start(interval);
  m_created = true;
  draw();
}

void TFormClient::FormShow() {
  if (m_shown) return;
  m_shown = true;
  // The console takes the keyboard at once, the ticket entry first.
  takeKeyboard(*this);
  keepKeyboard(*this);
  if (m_editPoc && m_editPoc->isVisible()) m_editPoc->setFocus(Qt::ActiveWindowFocusReason);
  guarded([this] {
    const ConsoleConfig& config = m_console.config();
    const QString folder = QFileInfo(QString::fromStdString(m_console.programPath())).absolutePath();
    m_camera->navigate(QUrl::fromLocalFile(QDir(folder).filePath(QString::fromStdString(config.WBURL0))));
    m_console.screen().setVisible("WebBrowser_Camera", config.WBShow);
    if (config.WBShow && config.WBCam2) m_camera->navigate(QUrl(QString::fromStdString(config.WBURL1)));
  });
}

void TFormClient::FormDestroy() {
  if (!m_created) return;
  m_created = false;
  m_timer.stop();
  qApp->removeEventFilter(this);
  const QRect frame = frameGeometry();
  m_console.FormDestroy(frame.left(), frame.top(), frame.width(), frame.height());
}

void TFormClient::TimerFramesTimer() {
  guarded([this] { m_console.TimerFramesTimer(); });
  m_dump.update(m_console.screen(), m_console.loop().TimerCount);
}

void TFormClient::AppEventsIdle() {
  if (!m_created) return;
  guarded([this] {
    const LockKeys keys = readLockKeys();
    m_console.AppEventsIdle(keys.capsLock, keys.numLock);
    m_console.ActionListUpdate();
  });
}

void TFormClient::guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    m_console.AppEventsLogException(error.what());
  } catch (...) {
    m_console.AppEventsLogException("Unknown error");
  }
  // The action list's update follows every handler, as the idle pass would.
  if (m_created) m_console.ActionListUpdate();
  applyCamera();
  draw();
  syncCheckMarks();
  showErrors();
  // The focus moves once the current focus change (a field being left) is over.
  if (m_console.takeFocusRequest() && m_editPoc)
    QMetaObject::invokeMethod(
        this,
        [this] {
          if (m_editPoc->isVisible()) m_editPoc->setFocus();
        },
        Qt::QueuedConnection);
}

// The toolkit toggles a check item by itself when it is clicked; the marks
// follow the settings only, as the action list's update sets them.
void TFormClient::syncCheckMarks() {
  for (const auto& [action, name] : m_checkItems) action->setChecked(m_console.screen().menu(name).checked);
  if (m_chkAltS) m_chkAltS->setChecked(m_console.screen().menu("acBub_AltSC").checked);
}

void TFormClient::draw() {
  if (m_screen) m_screen->draw(m_console.screen());
}

void TFormClient::AppEventsLogException(const std::string& message) {
  m_console.AppEventsLogException(message);
  showErrors();
}

// The error box is opened from a queued call, never inside the handler that
// failed: a modal box inside the timer's own slot would stop the ticks until
// it closes. One box at a time: errors raised while it is open wait their turn
// and follow one after another.
void TFormClient::showErrors() {
  for (std::string& message : m_console.takeErrors()) m_pendingErrors.push_back(std::move(message));
  if (m_errorBoxOpen || m_pendingErrors.empty()) return;
  m_errorBoxOpen = true;
  m_typeAhead->expectBox();
  QMetaObject::invokeMethod(
      this,
      [this] {
        m_typeAhead->boxDue();
        while (!m_pendingErrors.empty()) {
          const QString text = QString::fromStdString(m_pendingErrors.front());
          m_pendingErrors.pop_front();
          QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kApplicationTitle), text,
                          QMessageBox::Ok);
          box.exec();
        }
        m_errorBoxOpen = false;
      },
      Qt::QueuedConnection);
}

void TFormClient::applyCamera() {
  if (m_console.takeCameraNavigation())
    m_camera->navigate(QUrl(QString::fromStdString(m_console.config().WBURL1)));
}

void TFormClient::onAction(const char* name, std::function<void()> handler) {
  auto* action = findChild<QAction*>(QString::fromLatin1(name));
  if (!action) return;
  connect(action, &QAction::triggered, this, [this, handler = std::move(handler)] { guarded(handler); });
}

void TFormClient::connectActions() {
  for (QAction* action : findChildren<QAction*>())
    if (action->isCheckable() && !action->objectName().isEmpty())
      m_checkItems.emplace_back(action, action->objectName().toStdString());
  Console& c = m_console;
  onAction("acFile_Exit", [this] { close(); });
  onAction("acTK_Kup_Brisi", [this] { acTK_Kup_BrisiExecute(); });
  onAction("acTK_Kup_All", [this] { acTK_Kup_AllExecute(); });
  onAction("acBub_WB_Show", [&c] { c.acBub_WB_Show(); });
  onAction("acBub_WB_Cam2", [&c] { c.acBub_WB_Cam2(); });
  onAction("acBub_Bub2Enable", [&c] { c.acBub_Bub2Enable(); });
  onAction("acBub_LAN", [&c] { c.acBub_LAN(); });
  onAction("acBub_RS232", [&c] { c.acBub_RS232(); });
  onAction("acBub_AltSC", [this, &c] { c.acBub_AltSC(m_editPoc && m_editPoc->isVisible()); });
  onAction("acHelp_HwInfoMemory", [&c] { c.acHelp_HwInfoMemoryExecute(); });
  onAction("acHelp_HwWinVer", [&c] { c.acHelp_HwWinVerExecute(); });
  onAction("acHelp_About", [this] { acHelp_AboutExecute(); });
  // The Alt S check box runs its action, by a click or by its access key; its tick shows `Bub2AltS`.
  m_chkAltS = qobject_cast<QCheckBox*>(m_screen->control("ChkBox_AltS"));
  if (auto* altS = findChild<QAction*>(QStringLiteral("acBub_AltSC")); altS && m_chkAltS)
    connect(m_chkAltS, &QCheckBox::clicked, altS, [altS] { altS->trigger(); });
  // acTK_Kup_Unesi (F2) and acFile_Kolo_New (F1) have no handler.
}

void TFormClient::acHelp_AboutExecute() { About_Show(m_console.systemInfo(), this); }

void TFormClient::EditKupEndExit() {
  if (m_inEntryCommit || !m_editPoc || !m_editEnd) return;
  m_inEntryCommit = true;
  guarded([this] {
    m_console.EditKupEndExit(m_editPoc->text().toLatin1().toStdString(),
                             m_editEnd->text().toLatin1().toStdString());
  });
  m_inEntryCommit = false;
}

void TFormClient::acTK_Kup_BrisiExecute() {
  guarded([this] { m_console.acTK_Kup_BrisiExecute(); });
}

void TFormClient::terminate() {
  m_terminating = true;
  close();
}

}  // namespace bingo
