#include "display/model/number_board.h"

#include "platform/text.h"

namespace bingo {

void buildNumberBoard(ScreenModel& model) {
  for (int ball = 1; ball <= kBallCount; ++ball) {
    model.setBoardCellText(ball, formatText("%2d", ball));
    model.boardFlags(ball) = {};
    model.paintBoardCell(ball, cell::kBlack, cell::kGrey);
  }
}

void recolourNumberBoard(ScreenModel& model, bool BlinkPhase) {
  for (int ball = 1; ball <= kBallCount; ++ball) {
    const BoardFlags& flags = model.boardFlags(ball);
    if (flags.Hit && !flags.Last) {
      model.paintBoardCell(ball, cell::kWhite, cell::kDarkRed);
    } else if (flags.Hit) {
      model.paintBoardCell(ball, BlinkPhase ? cell::kNearBlack : cell::kWhite, cell::kRed);
    } else if (!flags.Waited) {
      model.paintBoardCell(ball, cell::kBlack, cell::kGrey);
    } else {
      model.paintBoardCell(ball, BlinkPhase ? cell::kDarkGrey : cell::kWhite, cell::kBlue);
    }
  }
}

void setNumberBoardFromRecord(ScreenModel& model, const DrawnBalls& Drawn, std::uint8_t KUG,
                              bool BlinkPhase) {
  for (int ball = 1; ball <= kBallCount; ++ball) {
    BoardFlags& flags = model.boardFlags(ball);
    flags.Hit = Drawn[static_cast<std::size_t>(ball)];
    flags.Last = false;
  }
  if (KUG >= 1 && KUG <= kBallCount) model.boardFlags(KUG).Last = true;
  recolourNumberBoard(model, BlinkPhase);
}

void clearWaitedMarks(ScreenModel& model) {
  for (int ball = 1; ball <= kBallCount; ++ball) model.boardFlags(ball).Waited = false;
}

void setWaitedMark(ScreenModel& model, int ball) { model.boardFlags(ball).Waited = true; }

}  // namespace bingo
