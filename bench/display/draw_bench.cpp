// Drawing the console screen: an unchanged screen model against one with 100
// changed texts, each followed by the event processing that paints.
// Run: build-display/bin/bench_display

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMainWindow>
#include <vector>

#include "display/model/screen_model.h"
#include "display/widgets/console_screen.h"
#include "display/widgets/main_window_frame.h"
#include "support/shown_screen.h"

namespace bingo {
namespace {

// The first 100 visible labels of the layout.
std::vector<std::size_t> hundredLabels() {
  std::vector<std::size_t> labels;
  const std::span<const ControlSpec> layout = screenLayout();
  for (std::size_t i = 0; i < layout.size() && labels.size() < 100; ++i)
    if (layout[i].look.kind == ControlKind::StaticText && layout[i].visible) labels.push_back(i);
  return labels;
}

using Screen = test::ShownScreen;
using test::PaintCounter;

void BM_DrawUnchangedScreen(benchmark::State& state) {
  Screen s;
  PaintCounter counter;
  for (auto _ : state) {
    s.screen->draw(s.model);
    QApplication::processEvents();
  }
  state.counters["paints_per_draw"] = benchmark::Counter(double(counter.paints) / double(state.iterations()));
}
BENCHMARK(BM_DrawUnchangedScreen);

void BM_DrawHundredChangedTexts(benchmark::State& state) {
  Screen s;
  const std::vector<std::size_t> labels = hundredLabels();
  PaintCounter counter;
  bool odd = false;
  for (auto _ : state) {
    odd = !odd;
    for (std::size_t index : labels) s.model.setText(index, odd ? "1234" : "5678");
    s.screen->draw(s.model);
    QApplication::processEvents();
  }
  state.counters["texts"] = double(labels.size());
  state.counters["paints_per_draw"] = benchmark::Counter(double(counter.paints) / double(state.iterations()));
}
BENCHMARK(BM_DrawHundredChangedTexts);

}  // namespace
}  // namespace bingo

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
