// The console program. It takes no command-line arguments; where it keeps its
// files is set by BINGO_ROOT and BINGO_UNC_ROOT.

#include <unistd.h>

#include <QApplication>
#include <cstdlib>

#include "app/qt_operator_prompts.h"
#include "app/quit_signals.h"
#include "app/tform_client.h"
#include "platform/clock.h"
#include "platform/folders.h"
#include "platform/host_paths.h"
#include "platform/linux_file_system.h"
#include "platform/linux_network.h"
#include "platform/linux_shell.h"
#include "platform/linux_system_info.h"
#include "platform/logs.h"

// The program's own heap statistics for the memory information box.
#include "platform/heap_counting.inc"

int main(int argc, char** argv) {
  // The camera browser's engine refuses to run as root with its sandbox on.
  if (geteuid() == 0) setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(bingo::kApplicationTitle));

  const bingo::HostPaths paths(bingo::HostRoots::fromEnvironment());
  bingo::LinuxFileSystem fs(paths);
  bingo::SystemClock clock;
  const std::string programPath = QCoreApplication::applicationFilePath().toStdString();
  bingo::Logs networkLogs(fs, clock, programPath);
  bingo::LinuxNetwork network(&networkLogs);
  bingo::LinuxSystemInfo systemInfo;
  bingo::QtOperatorPrompts prompts;

  bingo::TFormClient* window = nullptr;
  bingo::LinuxShell shell(paths, [&window] {
    // The quit request is taken when the message loop next runs.
    if (window)
      QMetaObject::invokeMethod(
          window, [&window] { window->terminate(); }, Qt::QueuedConnection);
  });

  bingo::TFormClient form(bingo::ConsoleServices{fs, clock, network, shell, systemInfo, prompts, programPath},
                          bingo::ScreenDumpFile::fromEnvironment());
  window = &form;
  bingo::watchQuitSignals([&form] { form.terminate(); });
  form.show();
  form.FormShow();
  const int result = QApplication::exec();
  window = nullptr;
  return result;
}
