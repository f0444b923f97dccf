// screen-shots [FOLDER]: writes the console screen in Serbian, Albanian and
// Macedonian, an all-zero record, a live game in both blink phases and the
// About box as PNG files (default: the build folder's screen-shots).

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QPixmap>
#include <cstdio>

#include "app/about_form.h"
#include "display/model/text_encoding.h"
#include "display/widgets/console_screen.h"
#include "display/widgets/main_window_frame.h"
#include "sample_screens.h"

namespace {

class SampleSystemInfo : public bingo::SystemInfo {
 public:
  bingo::OsVersion osVersion() const override { return {2, 6, 1, 7601, "Service Pack 1"}; }
  std::uint64_t physicalMemoryBytes() const override { return 2147483648ull; }
  bingo::HeapStats heapStats() const override { return {}; }
};

bool save(QWidget& widget, const QDir& folder, const char* name) {
  const QString path = folder.filePath(QString::fromLatin1(name) + ".png");
  const bool ok = widget.grab().save(path);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
  return ok;
}

bool shoot(const QDir& folder, const char* name, const bingo::ScreenModel& model) {
  QMainWindow window;
  bingo::ConsoleScreen* screen = bingo::setUpMainWindow(window);
  screen->draw(model);
  window.show();
  QApplication::processEvents();
  return save(window, folder, name);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(BINGO_SCREEN_SHOTS_DIR));
  if (!folder.mkpath(QStringLiteral("."))) return 1;

  bool ok = true;
  const std::pair<const char*, std::uint8_t> languages[] = {
      {"zero-record-serbian", bingo::kJezikSerbian},
      {"zero-record-albanian", bingo::kJezikAlbanian},
      {"zero-record-macedonian", bingo::kJezikMacedonian}};
  for (const auto& [name, jezik] : languages) {
    bingo::ScreenModel model;
    bingo::fillZeroRecord(model, jezik);
    ok = shoot(folder, name, model) && ok;
  }
  for (const bool blink : {false, true}) {
    bingo::ScreenModel model;
    bingo::fillLiveGame(model, bingo::kJezikSerbian, blink);
    ok = shoot(folder, blink ? "live-game-blink-on" : "live-game-blink-off", model) && ok;
  }
  bingo::ScreenModel macedonian;
  bingo::fillLiveGame(macedonian, bingo::kJezikMacedonian, true);
  ok = shoot(folder, "live-game-macedonian", macedonian) && ok;

  SampleSystemInfo info;
  bingo::TFormAbout about(info);
  about.show();
  QApplication::processEvents();
  ok = save(about, folder, "about") && ok;
  return ok ? 0 : 1;
}
