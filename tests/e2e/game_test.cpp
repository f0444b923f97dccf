// A whole game of the simulator as the console shows it: every drawn ball on
// the number board, the server's rank list, and under torn writes only states
// that the server really wrote.

#include <gtest/gtest.h>

#include <map>

#include "hall.h"

namespace bingo::e2e {
namespace {

constexpr Millis kConsoleStart{30000};
constexpr Millis kGame{90000};
constexpr Millis kSettle{5000};

// What the console showed over one game, dump by dump.
struct GameWatch {
  std::map<int, std::set<int>> ballsShownWithLop;  // LOP -> the last balls shown beside it
  std::set<int> lopsWithFullRankList;
  std::vector<std::pair<int, int>> lopFalls;  // (before, after)
  int lastLop = 0;
  int dumps = 0;

  void observe(const ScreenDump& dump) {
    ++dumps;
    const int lop = dump.number("LabelLOP");
    ballsShownWithLop[lop].insert(dump.number("LabelKUG"));
    if (lop < lastLop) lopFalls.emplace_back(lastLop, lop);
    lastLop = lop;
    bool full = true;
    for (int row = 1; row <= 6; ++row) full = full && !dump.text(QString("LabelRLTk%1").arg(row)).isEmpty();
    if (full && lop > 0) lopsWithFullRankList.insert(lop);
  }

  std::set<int> lastBallsShown() const {
    std::set<int> balls;
    for (const auto& [lop, kugs] : ballsShownWithLop)
      if (lop > 0) balls.insert(kugs.begin(), kugs.end());
    return balls;
  }
};

// Plays one round with the given simulator options and watches the console
// until it shows the round's last ball on a settled board.
struct PlayedGame {
  GameWatch watch;
  std::optional<RoundEnd> end;
  std::optional<ScreenDump> last;
};

void playOneGame(Hall& hall, const QStringList& simulatorOptions, PlayedGame& game) {
  ASSERT_TRUE(hall.ready());
  ASSERT_TRUE(hall.makeCards());
  // The console is up before the first ball, so it sees the whole game.
  ASSERT_TRUE(hall.startConsole().started());
  ASSERT_TRUE(waitUntil(kConsoleStart, [&] {
    const auto dump = hall.dump();
    return dump && dump->timerCount() > 0;
  })) << "the console never wrote its screen";
  ASSERT_TRUE(hall.startSimulator(QStringList{"--games", "1", "--seed", "11"} + simulatorOptions).started());

  const bool lastBallShown = hall.watchDumps(kGame, [&](const ScreenDump& dump) {
    game.watch.observe(dump);
    game.last = dump;
    if (!game.end) game.end = bingoOfFirstRound(hall.simulatorLog());
    return game.end && dump.number("LabelLOP") == game.end->bingoBall;
  });
  ASSERT_TRUE(game.end) << "the simulator did not finish its round";
  ASSERT_TRUE(lastBallShown) << "the console never showed the round's " << game.end->bingoBall << " balls";
  // The labels show a frame from the tick after its read; the board may be a
  // tick ahead of them or, under torn writes, a few reads behind.
  const auto ballCount = static_cast<std::size_t>(game.end->bingoBall);
  hall.watchDumps(kSettle, [&](const ScreenDump& dump) {
    game.watch.observe(dump);
    game.last = dump;
    return dump.drawnCells().size() == ballCount;
  });
}

void expectSettledBoard(const PlayedGame& game) {
  const ScreenDump& last = *game.last;
  EXPECT_EQ(last.drawnCells().size(), static_cast<std::size_t>(game.end->bingoBall))
      << "drawn balls on the board after the round's last ball";
  const int kug = last.number("LabelKUG");
  for (int ball = 1; ball <= 90; ++ball) {
    SCOPED_TRACE(ball);
    const QString bg = last.cellBackground(ball);
    if (ball == kug)
      EXPECT_EQ(bg, kCellLastBall);
    else
      EXPECT_TRUE(bg == kCellDrawn || bg == kCellGrey) << bg.toStdString();
  }
  const std::set<int> drawn = last.drawnCells();
  for (int ball : game.watch.lastBallsShown())
    EXPECT_TRUE(drawn.count(ball)) << "ball " << ball
                                   << " was shown as the last ball but is not on the board";
}

TEST(ConsoleGame, ShowsEveryDrawnBallAndTheServersRankList) {
  Hall hall;
  PlayedGame game;
  playOneGame(hall, {"--ball-ms", "50", "--pause-ms", "200", "--hold-ms", "100"}, game);
  if (HasFatalFailure()) return;
  expectSettledBoard(game);

  // The rank list was full while balls were still to come, and at the end it
  // names the simulator's bingo ticket.
  ASSERT_FALSE(game.watch.lopsWithFullRankList.empty());
  EXPECT_LT(*game.watch.lopsWithFullRankList.begin(), game.end->bingoBall);
  std::set<int> ranked;
  for (int row = 1; row <= 6; ++row) ranked.insert(game.last->number(QString("LabelRLTk%1").arg(row)));
  bool winnerRanked = false;
  for (int ticket : game.end->winners) winnerRanked = winnerRanked || ranked.count(ticket);
  EXPECT_TRUE(winnerRanked) << "no bingo ticket of the simulator in the rank list";
  EXPECT_GE(game.watch.dumps, game.end->bingoBall / 2) << "too few screens seen to judge the game";
}

// The simulator pauses between the 16-byte ranges of every write, so the
// console often reads a frame whose blocks are half old and half new. A block
// whose checksum fails keeps its old contents: the balls drawn and the last
// ball (one block) always come from the same write.
TEST(ConsoleGame, TornWritesShowOnlyWhatTheServerWrote) {
  Hall hall;
  PlayedGame game;
  playOneGame(hall,
              {"--write-mode", "torn", "--torn-pause-ms", "4", "--ball-ms", "20", "--pause-ms", "200",
               "--hold-ms", "50"},
              game);
  if (HasFatalFailure()) return;
  expectSettledBoard(game);

  for (const auto& [before, after] : game.watch.lopFalls)
    ADD_FAILURE() << "balls drawn went back from " << before << " to " << after;
  std::map<int, int> lopOfBall;
  for (const auto& [lop, kugs] : game.watch.ballsShownWithLop) {
    SCOPED_TRACE(lop);
    ASSERT_EQ(kugs.size(), 1u) << "one count of balls shown with different last balls";
    const int kug = *kugs.begin();
    EXPECT_EQ(lop == 0, kug == 0);
    if (kug == 0) continue;
    const auto [seen, fresh] = lopOfBall.emplace(kug, lop);
    EXPECT_TRUE(fresh) << "ball " << kug << " shown as the last ball at " << seen->second << " and " << lop
                       << " balls";
  }
  // Enough of the game seen for the checks to mean something.
  EXPECT_GE(game.watch.ballsShownWithLop.size(), static_cast<std::size_t>(game.end->bingoBall / 2));
}

}  // namespace
}  // namespace bingo::e2e
