#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "common/card_generator.h"
#include "common/hall_game.h"

namespace bingo::tools {
namespace {

const std::vector<Card> kCards1944 = generateCards(1944, 1);

// What the round's tickets miss, worked out from the frame alone.
struct Missing {
  int bestRow = 5;
  int total = 15;
};

Missing missingOf(const Card& card, const FrameState& frame) {
  Missing m{5, 0};
  for (int row = 0; row < 3; ++row) {
    int miss = 0;
    for (int pos = 0; pos < 5; ++pos)
      miss += frame.drawn[card[static_cast<std::size_t>(row * 5 + pos)]] ? 0 : 1;
    m.bestRow = std::min(m.bestRow, miss);
    m.total += miss;
  }
  return m;
}

std::vector<std::uint32_t> soldTickets(const FrameState& frame) {
  std::vector<std::uint32_t> sold;
  for (const auto& range : frame.sold)
    for (std::uint32_t t = range.first; range.first < range.last && t <= range.last; ++t) sold.push_back(t);
  return sold;
}

TEST(HallGame, SellsSixSeparateRangesAndChargesForThem) {
  HallGame game(HallSettings{}, kCards1944, 11);
  for (int round = 0; round < 10; ++round) {
    game.startRound();
    const FrameState& f = game.frame();
    std::uint32_t previousLast = 0, sold = 0;
    for (std::size_t k = 0; k < 6; ++k) {
      const auto& range = f.sold[k];
      EXPECT_TRUE(range.series == k + 1 && range.first > previousLast && range.first < range.last &&
                  range.last <= 1944u)
          << "range " << k;
      previousLast = range.last;
      sold += range.last - range.first + 1;
    }
    EXPECT_EQ(f.pro, sold);
    EXPECT_EQ(f.soldCount, sold);
    EXPECT_GE(sold, 1944u * 2 / 5);
    EXPECT_EQ(f.price, 100u);
    EXPECT_EQ(f.bin, sold * 100 * 35 / 100 / 10 * 10);
    EXPECT_EQ(f.lop + f.kug + f.bingoPhase + f.rank[0].ticket, 0u);
    EXPECT_EQ(std::count(f.drawn.begin(), f.drawn.end(), true), 0);
    while (!game.roundOver()) game.drawBall();
  }
}

// Checked ball by ball against the frame's own drawn set and the cards: the
// line and the bingo come with the first ball that completes a sold row or
// card, the bingo phase starts with the ball after the line, and the rank
// list and waiting tickets are the nearest sold tickets.
TEST(HallGame, WinsAndRankListFollowTheDrawnBalls) {
  for (std::uint8_t protokol : {std::uint8_t{8}, std::uint8_t{9}}) {
    HallSettings settings;
    settings.protokol = protokol;
    HallGame game(settings, kCards1944, 100 + protokol);
    for (int round = 0; round < 3; ++round) {
      game.startRound();
      const auto sold = soldTickets(game.frame());
      bool lineSeen = false;
      std::array<std::uint8_t, 3> previousKug{};
      while (!game.roundOver()) {
        const bool lineBefore = lineSeen;
        const HallGame::Ball ball = game.drawBall();
        const FrameState& f = game.frame();
        SCOPED_TRACE(testing::Message() << "protocol " << int{protokol} << " ball " << int{f.lop});
        EXPECT_EQ(f.kugLast, previousKug);
        previousKug = {f.kug, previousKug[0], previousKug[1]};
        EXPECT_TRUE(f.drawn[f.kug]);
        EXPECT_EQ(std::count(f.drawn.begin(), f.drawn.end(), true), f.lop);

        int bestRow = 5, bestTotal = 15;
        std::vector<std::uint32_t> lines, bingos;
        for (std::uint32_t t : sold) {
          const Missing m = missingOf(kCards1944[t - 1], f);
          bestRow = std::min(bestRow, m.bestRow);
          bestTotal = std::min(bestTotal, m.total);
          if (m.bestRow == 0) lines.push_back(t);
          if (m.total == 0) bingos.push_back(t);
        }
        lineSeen = lineSeen || !lines.empty();
        EXPECT_EQ(f.bingoPhase, lineBefore);
        if (!lineBefore && !lines.empty()) {
          EXPECT_EQ(game.result().lineBall, f.lop);
          EXPECT_EQ(game.result().lineWinners, lines);
        }
        EXPECT_EQ(ball == HallGame::Ball::Bingo, !bingos.empty());
        EXPECT_EQ(ball == HallGame::Ball::Line, !lineBefore && !lines.empty() && bingos.empty());

        // Rank list: nearest a line until the bingo phase, then nearest a bingo.
        int previousNeed = 0;
        for (const auto& row : f.rank) {
          const Missing m = missingOf(kCards1944[row.ticket - 1], f);
          const int need = f.bingoPhase ? m.total : m.bestRow;
          EXPECT_EQ(row.ballsNeeded, need) << row.ticket;
          EXPECT_GE(need, previousNeed);
          previousNeed = need;
        }
        EXPECT_EQ(f.rank[0].ballsNeeded, f.bingoPhase ? bestTotal : bestRow);
        for (const auto& row : f.waiting) {
          EXPECT_EQ(row.ballsNeeded, missingOf(kCards1944[row.ticket - 1], f).total);
          for (const auto& ranked : f.rank) EXPECT_NE(row.ticket, ranked.ticket);
        }
        if (ball == HallGame::Ball::Bingo) {
          EXPECT_EQ(game.result().bingoBall, f.lop);
          EXPECT_EQ(game.result().bingoWinners, bingos);
        }
      }
      EXPECT_TRUE(lineSeen);
      EXPECT_GE(game.result().bingoBall, game.result().lineBall);
      EXPECT_GE(game.result().lineBall, 5);
      if (HasFailure()) return;
    }
  }
}

TEST(HallGame, TheSameSeedPlaysTheSameRounds) {
  const auto play = [](std::uint64_t seed) {
    HallGame game(HallSettings{}, kCards1944, seed);
    std::vector<FrameRecord> frames;
    for (int round = 0; round < 3; ++round) {
      game.startRound();
      frames.push_back(encodeFrame(game.frame()));
      while (!game.roundOver()) {
        game.drawBall();
        frames.push_back(encodeFrame(game.frame()));
      }
    }
    return frames;
  };
  EXPECT_EQ(play(42), play(42));
  EXPECT_NE(play(42), play(43));
}

TEST(HallGame, RefusesTicketNumbersTheNarrowLayoutCannotCarry) {
  const auto big = generateCards(24192, 1);
  HallSettings narrow;
  narrow.gameType = 3;
  EXPECT_THROW(HallGame(narrow, big, 1), std::invalid_argument);
  HallSettings wide = narrow;
  wide.protokol = 9;
  HallGame game(wide, big, 1);
  game.startRound();
  EXPECT_GT(game.frame().sold[5].last, 20000u);
  EXPECT_THROW(HallGame(HallSettings{}, std::vector<Card>(11), 1), std::invalid_argument);
}

}  // namespace
}  // namespace bingo::tools
