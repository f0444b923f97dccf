#pragma once
// The number board of `PanelTablaCifarska`: 90 cells, ball n = 10 x row +
// column, which show which balls are drawn, the last ball, and the balls the
// best bought tickets wait for. Cells are model state; their geometry is here
// so every drawing places them alike.

#include <cstdint>

#include "display/model/screen_layout.h"
#include "display/model/screen_model.h"
#include "frame/frame_effects.h"

namespace bingo {

// Cell of ball 1..90 inside its panel: cells of 30 x 24 with a margin of 4,
// each one pixel larger so that neighbours overlap.
constexpr Rect numberBoardCellRect(int ball) {
  const int row = (ball - 1) / 10;
  const int column = (ball - 1) % 10 + 1;
  return {4 + 30 * (column - 1), 4 + 24 * row, 31, 25};
}
// The cells' font: "MS Sans Serif" bold at 11 points, 15 pixels at 96 dots per inch.
inline constexpr int kBoardCellFontPx = 15;

// Captions " 1".."90", all flags cleared, every cell grey with black text.
void buildNumberBoard(ScreenModel& model);

// Paints all 90 cells from their flags.
void recolourNumberBoard(ScreenModel& model, bool BlinkPhase);

// A valid ball block: Hit from the record's drawn flags, Last on the last ball
// alone when it is 1..90, then the board is recoloured.
void setNumberBoardFromRecord(ScreenModel& model, const DrawnBalls& Drawn, std::uint8_t KUG, bool BlinkPhase);

// The awaited marks: cleared on all cells, then set on the balls the best
// bought tickets need. They show at the next recolouring.
void clearWaitedMarks(ScreenModel& model);
void setWaitedMark(ScreenModel& model, int ball);

}  // namespace bingo
