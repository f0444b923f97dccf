// One whole tick of the main window: the console model (ping, frame read and
// accept, update, tail) and the drawing of what changed, on an unchanged frame
// and on a frame with a new ball every tick, in the same run.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/tform_client.h"
#include "support/fake_platform.h"

namespace bingo {
namespace {

struct Hall : test::FakePlatform {
  std::unique_ptr<TFormClient> form;

  Hall() {
    fs.addTextFile("/opt/bingo/clientbingo.ini", "[Timer]\r\nInterval=0\r\n");
    frame(game(30));
    form = std::make_unique<TFormClient>(services());
    form->show();
    form->console().EditKupEndExit("1", "1944");
    for (int i = 0; i < 5; ++i) {
      form->TimerFramesTimer();
      QApplication::processEvents();
    }
  }
  // A game with `balls` balls drawn (1..balls), every ticket sold.
  static test::Record game(int balls) {
    test::Record record;
    record.sold(0, 1, 1944).lop(balls).kug(balls).price(100);
    for (int ball = 1; ball <= balls; ++ball) record.drawn({ball});
    return record;
  }
};

void BM_TickUnchangedFrame(benchmark::State& state) {
  Hall hall;
  for (auto _ : state) {
    hall.form->TimerFramesTimer();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_TickUnchangedFrame)->Unit(benchmark::kMicrosecond);

void BM_TickNewBall(benchmark::State& state) {
  Hall hall;
  const auto before = Hall::game(30).sealed();
  const auto after = Hall::game(31).sealed();
  bool odd = false;
  for (auto _ : state) {
    odd = !odd;
    hall.fs.addFile(Hall::kFrameFile, odd ? after : before);
    hall.form->TimerFramesTimer();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_TickNewBall)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bingo

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setCursorFlashTime(0);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
