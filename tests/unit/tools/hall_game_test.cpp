#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "common/card_generator.h"
#include "common/hall_game.h"

namespace bingo::tools {
namespace {

const std::vector<Card> kCards1944 = generateCards(1944, 1);

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
