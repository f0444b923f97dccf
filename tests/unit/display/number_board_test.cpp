#include "display/model/number_board.h"

#include <gtest/gtest.h>

namespace bingo {
namespace {

TEST(NumberBoard, CellsOverlapByOnePixel) {
  EXPECT_EQ(numberBoardCellRect(1), (Rect{4, 4, 31, 25}));
  EXPECT_EQ(numberBoardCellRect(10), (Rect{274, 4, 31, 25}));
  EXPECT_EQ(numberBoardCellRect(11), (Rect{4, 28, 31, 25}));
  EXPECT_EQ(numberBoardCellRect(90), (Rect{274, 196, 31, 25}));
}

TEST(NumberBoard, ColoursFollowFlagsAndBlinkPhase) {
  struct Row {
    const char* name;
    BoardFlags flags;
    bool blink;
    Rgb fg;
    Rgb bg;
  };
  const Row rows[] = {
      {"drawn", {true, false, false}, false, cell::kWhite, cell::kDarkRed},
      {"drawn, blink does not matter", {true, false, true}, true, cell::kWhite, cell::kDarkRed},
      {"last ball", {true, true, false}, false, cell::kWhite, cell::kRed},
      {"last ball, other phase", {true, true, false}, true, cell::kNearBlack, cell::kRed},
      {"not drawn", {false, false, false}, true, cell::kBlack, cell::kGrey},
      {"awaited", {false, false, true}, false, cell::kWhite, cell::kBlue},
      {"awaited, other phase", {false, false, true}, true, cell::kDarkGrey, cell::kBlue},
  };
  for (const Row& row : rows) {
    ScreenModel model;
    model.boardFlags(37) = row.flags;
    recolourNumberBoard(model, row.blink);
    EXPECT_EQ(model.boardCell(37).fg, row.fg) << row.name;
    EXPECT_EQ(model.boardCell(37).bg, row.bg) << row.name;
  }
}

TEST(NumberBoard, RecordMarksDrawnBallsAndTheLastOneOnly) {
  ScreenModel model;
  model.boardFlags(5).Last = true;  // last ball of an earlier record
  DrawnBalls drawn{};
  drawn[5] = drawn[17] = drawn[90] = true;
  setNumberBoardFromRecord(model, drawn, 90, false);
  EXPECT_TRUE(model.boardFlags(5).Hit);
  EXPECT_FALSE(model.boardFlags(5).Last);
  EXPECT_TRUE(model.boardFlags(90).Last);
  EXPECT_FALSE(model.boardFlags(6).Hit);
  EXPECT_EQ(model.boardCell(5).bg, cell::kDarkRed);
  EXPECT_EQ(model.boardCell(90).bg, cell::kRed);

  for (const std::uint8_t outside : {std::uint8_t{0}, std::uint8_t{91}, std::uint8_t{255}}) {
    setNumberBoardFromRecord(model, drawn, outside, false);
    for (int ball = 1; ball <= kBallCount; ++ball) EXPECT_FALSE(model.boardFlags(ball).Last) << int(outside);
  }
}

TEST(NumberBoard, WaitedMarksShowAtTheNextRecolouring) {
  ScreenModel model;
  setWaitedMark(model, 44);
  EXPECT_EQ(model.boardCell(44).bg, cell::kGrey);
  recolourNumberBoard(model, false);
  EXPECT_EQ(model.boardCell(44).bg, cell::kBlue);
  clearWaitedMarks(model);
  recolourNumberBoard(model, false);
  EXPECT_EQ(model.boardCell(44).bg, cell::kGrey);
}

}  // namespace
}  // namespace bingo
