// The win check with every ticket bought and sold, the literal check against
// the real one, at 10, 40 and 60 drawn balls.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "support/fake_file_system.h"
#include "tickets/tickets.h"

namespace bingo {
namespace {

// One hall of type 3 with random cards, everything bought and sold.
struct Hall {
  Hall() {
    std::mt19937 random(1944);
    std::vector<std::uint8_t> file;
    std::array<std::uint8_t, 90> balls;
    std::iota(balls.begin(), balls.end(), std::uint8_t{1});
    for (std::size_t card = 0; card < kTicketMax; ++card) {
      std::shuffle(balls.begin(), balls.end(), random);
      file.insert(file.end(), balls.begin(), balls.begin() + kCardBytes);
    }
    fs.addFile(TicketBase::cardFileNameOf(3), file);
    tickets.TicketBase_Init();
    tickets.base().TicketBase_SelectType(3);
    const TicketRange sold[] = {{1, kTicketMax}};
    tickets.bought().SoldSet_Rebuild(sold);
    tickets.EditKupEndExit("1", "24192", false, FrameFacts{});
  }
  // The first `drawn` balls of one fixed drawing order.
  FrameFacts facts(int drawn) const {
    std::mt19937 random(90);
    std::array<int, 90> order;
    std::iota(order.begin(), order.end(), 1);
    std::shuffle(order.begin(), order.end(), random);
    FrameFacts f;
    for (int i = 0; i < drawn; ++i)
      f.Drawn[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])] = true;
    f.LOP = drawn;
    return f;
  }
  test::FakeFileSystem fs;
  Tickets tickets{fs};
};

Hall& hall() {
  static Hall instance;  // built once for every benchmark of the run
  return instance;
}

void literal(benchmark::State& state) {
  const FrameFacts facts = hall().facts(static_cast<int>(state.range(0)));
  TicketAnalysis analysis;
  for (auto _ : state) {
    analysis.runLiteral(hall().tickets.base(), hall().tickets.bought(), facts);
    benchmark::DoNotOptimize(analysis.RankTable(1));
  }
}

void real(benchmark::State& state) {
  const FrameFacts facts = hall().facts(static_cast<int>(state.range(0)));
  TicketAnalysis analysis;
  for (auto _ : state) {
    analysis.TicketAnalysis_Run(hall().tickets.base(), hall().tickets.bought(), facts);
    benchmark::DoNotOptimize(analysis.RankTable(1));
  }
}

// As in a game: every run has one ball more or less than the one before.
void realNextBall(benchmark::State& state) {
  const FrameFacts before = hall().facts(static_cast<int>(state.range(0)) - 1);
  const FrameFacts after = hall().facts(static_cast<int>(state.range(0)));
  TicketAnalysis analysis;
  bool odd = false;
  for (auto _ : state) {
    analysis.TicketAnalysis_Run(hall().tickets.base(), hall().tickets.bought(),
                                (odd = !odd) ? after : before);
    benchmark::DoNotOptimize(analysis.RankTable(1));
  }
}

BENCHMARK(literal)->Arg(10)->Arg(40)->Arg(60)->Unit(benchmark::kMicrosecond);
BENCHMARK(real)->Arg(10)->Arg(40)->Arg(60)->Unit(benchmark::kMicrosecond);
BENCHMARK(realNextBall)->Arg(10)->Arg(40)->Arg(60)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bingo
