#pragma once
// The console's only window. Its handlers keep the names the console has
// always had; each forwards to the Console model inside one guard that hands
// any error to AppEventsLogException, then draws the screen model.

#include <QMainWindow>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/console/console.h"
#include "app/screen_dump_file.h"

class QAction;
class QCheckBox;
class QLineEdit;

namespace bingo {

class CameraView;
class ConsoleScreen;
class TypeAhead;

class TFormClient : public QMainWindow {
 public:
  explicit TFormClient(ConsoleServices services, ScreenDumpFile dump = ScreenDumpFile(""));
  ~TFormClient() override;

  // Shown for the first time: the camera browser.
  void FormShow();

  void TimerFramesTimer();
  void AppEventsIdle();
  void AppEventsLogException(const std::string& message);

  // Ticket entry.
  void FormKeyPress(QKeyEvent& event, bool& swallowed);
  void EditKupEndExit();
  void acTK_Kup_BrisiExecute();
  void acTK_Kup_AllExecute() { EditKupEndExit(); }

  void acHelp_AboutExecute();

  Console& console() { return m_console; }
  ConsoleScreen& screen() { return *m_screen; }
  QTimer& TimerFrames() { return m_timer; }
  QLineEdit* EditKupPoc() const { return m_editPoc; }
  QLineEdit* EditKupEnd() const { return m_editEnd; }

  // The server asked the program to close: no question is asked.
  void terminate();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void FormDestroy();
  void connectActions();
  void onAction(const char* name, std::function<void()> handler);
  // Runs one handler: errors go to AppEventsLogException; then the screen is drawn.
  void guarded(const std::function<void()>& handler);
  void draw();
  void syncCheckMarks();
  void showErrors();
  void applyCamera();

  Console m_console;
  ScreenDumpFile m_dump;
  ConsoleScreen* m_screen = nullptr;
  CameraView* m_camera = nullptr;
  TypeAhead* m_typeAhead = nullptr;
  QLineEdit* m_editPoc = nullptr;
  QLineEdit* m_editEnd = nullptr;
  QCheckBox* m_chkAltS = nullptr;
  QTimer m_timer;
  bool m_created = false;
  bool m_shown = false;
  bool m_terminating = false;
  bool m_inEntryCommit = false;
  bool m_errorBoxOpen = false;
  std::deque<std::string> m_pendingErrors;
  std::vector<std::pair<QAction*, std::string>> m_checkItems;
};

}  // namespace bingo
