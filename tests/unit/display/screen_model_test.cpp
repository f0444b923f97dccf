// The screen model: what a change costs, what it refuses, and the number
// board's and best-ticket panel's cells as the flags of a tick colour them.

#include "display/model/screen_model.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "display/model/number_board.h"
#include "display/model/screen_dump.h"
#include "display/model/screen_layout.h"
#include "display/model/ticket_panel.h"

namespace bingo {
namespace {

// Where each control stands, its captions in every language and the whole
// dump are held by the reviewed screen dumps of the console tests; here what
// none of them shows.
TEST(ScreenModel, OnlyRealChangesAdvanceTheRevision) {
  ScreenModel model;
  const std::uint64_t start = model.revision();
  // The update re-assigns every text each tick; equal texts change nothing.
  model.setText("LabelLOP", "");
  model.setVisible("LblLIN", false);
  model.setColours("LabelCEN", kRed, k3DLight);
  model.setStatusPanel(12, "");
  model.memoClear();
  model.setMemoBackground(kWhite);
  model.paintBoardCell(1, cell::kBlack, cell::kGrey);
  model.setMenuVisible("mnuBub", false);
  EXPECT_EQ(model.revision(), start);
  // A change of language redraws every control and the memo (that a changed text redraws its
  // control alone is the widgets' test).
  model.setJezik(3);
  for (std::size_t i = 0; i < model.controlCount(); ++i) EXPECT_GT(model.control(i).revision, start);
  EXPECT_GT(model.memoRevision(), start);
}

// A ball, a ticket slot or row, a status panel out of range is refused, not written past its table.
TEST(ScreenModel, IndicesOutsideTheTablesAreRefused) {
  ScreenModel model;
  for (const int ball : {0, 91}) EXPECT_THROW(model.boardCell(ball), std::out_of_range);
  EXPECT_THROW(model.ticketCell(7, 1, 1), std::out_of_range);
  EXPECT_THROW(model.ticketCell(1, 4, 1), std::out_of_range);
  EXPECT_THROW(model.setStatusPanel(13, "x"), std::out_of_range);
}

// A cell's colours as one letter: "." grey, "r" dark red, "L"/"l" the last
// ball in its two phases, "R" bright red, "p" pink, "b"/"d" awaited (blue).
char look(const CellState& c) {
  const std::pair<std::pair<Rgb, Rgb>, char> kLooks[] = {
      {{cell::kBlack, cell::kGrey}, '.'},      {{cell::kWhite, cell::kDarkRed}, 'r'},
      {{cell::kWhite, cell::kRed}, 'L'},       {{cell::kNearBlack, cell::kRed}, 'l'},
      {{cell::kBlack, cell::kBrightRed}, 'R'}, {{cell::kWhite, cell::kPink}, 'p'},
      {{cell::kWhite, cell::kBlue}, 'b'},      {{cell::kDarkGrey, cell::kBlue}, 'd'}};
  for (const auto& [colours, letter] : kLooks)
    if (colours == std::pair(c.fg, c.bg)) return letter;
  return '?';
}

TEST(Cells, BoardFollowsFlagsRecordsAndBlinkPhase) {
  ScreenModel model;
  const auto board = [&model] {
    std::string text;
    for (int ball = 1; ball <= kBallCount; ++ball)
      if (look(model.boardCell(ball)) != '.')
        text += std::to_string(ball) + look(model.boardCell(ball)) + " ";
    return text;
  };
  // Balls 1..8 carry every mix of Hit (1), Last (2) and Waited (4) of ball - 1.
  for (int c = 0; c < 8; ++c) model.boardFlags(c + 1) = {(c & 1) != 0, (c & 2) != 0, (c & 4) != 0};
  recolourNumberBoard(model, false);
  EXPECT_EQ(board(), "2r 4L 5b 6r 7b 8L ");
  recolourNumberBoard(model, true);
  EXPECT_EQ(board(), "2r 4l 5d 6r 7d 8l ");

  clearWaitedMarks(model);
  DrawnBalls drawn{};
  drawn[5] = drawn[17] = drawn[90] = true;
  setNumberBoardFromRecord(model, drawn, 90, false);  // the last ball of the earlier record goes
  setWaitedMark(model, 44);                           // shown at the next recolouring
  EXPECT_EQ(board(), "5r 17r 90L ");
  for (const std::uint8_t outside : {0, 91, 255}) {
    setNumberBoardFromRecord(model, drawn, outside, false);
    EXPECT_EQ(board(), "5r 17r 44b 90r ") << int(outside);
  }
}

TEST(Cells, TicketRefreshHighlightsRowsAndTickets) {
  // Row 1: 1 12 35 60 90, row 2: 9 23 47 71 85, row 3: 10 28 52 66 79; number
  // x in column x div 10 + 1 (90 in column 9), "*" elsewhere.
  const int kCard[15] = {1, 12, 35, 60, 90, 9, 23, 47, 71, 85, 10, 28, 52, 66, 79};
  // Name, the card's first numbers drawn (-1: 12 alone), hints, blink phase, the header then the three
  // rows of cells (the widgets' tests draw a line with hints on in both phases).
  const std::tuple<const char*, int, bool, bool, std::string> rows[] = {
      {"one number", -1, true, false, ".|.r......./........./........."},
      {"four of a row, hints off", 4, false, false, ".|rr.r..r../........./........."},
      {"four of a row, hints on: blanks fill, the fifth waited", 4, true, false,
       ".|rrrrrrrrb/........./........."},
      {"four of a row, other phase", 4, true, true, ".|rrrrrrrrd/........./........."},
      {"line, hints off: no blinking", 5, false, true, ".|rrrrrrrrr/........./........."},
      {"fourteen, hints off: the missing one waited", 14, false, false, ".|rrrrrrrrr/rrrrrrrrr/rrrrrrrbr"},
      {"bingo, phase on", 15, false, true, "r|RRRRRRRRR/RRRRRRRRR/RRRRRRRRR"},
      {"bingo, phase off", 15, false, false, ".|ppppppppp/ppppppppp/ppppppppp"}};
  for (const auto& [name, drawn, hint, blink, expected] : rows) {
    TicketDisplay t;
    t.cells.fill("*");
    for (int i = 0; i < 15; ++i) {
      const auto at = static_cast<std::size_t>(i / 5 * 9 + (kCard[i] == 90 ? 8 : kCard[i] / 10));
      t.cells[at] = std::to_string(kCard[i]);
      t.Hit[at] = drawn < 0 ? kCard[i] == 12 : i < drawn;
    }
    ScreenModel model;  // before the first tick: numbered headers over empty grids
    EXPECT_EQ(model.ticketHeader(6).text + model.ticketCell(6, 3, 9).text, "   6*");
    fillTicketSlot(model, 3, "   7", t.cells, t.Hit);
    // The last refresh alone decides: none of the earlier highlights stays.
    refreshTicketPanel(model, blink, !hint);
    refreshTicketPanel(model, blink, hint);
    refreshTicketPanel(model, blink, hint);
    std::string panel = model.ticketHeader(3).bg == cell::kDarkRed ? "r|" : ".|";
    for (int row = 1; row <= 3; ++row)
      for (int column = 1; column <= 9; ++column)
        panel += look(model.ticketCell(3, row, column)) + std::string(column == 9 && row < 3 ? "/" : "");
    EXPECT_EQ(panel, expected) << name;
  }
}

}  // namespace
}  // namespace bingo
