#include "display/model/ticket_panel.h"

#include <gtest/gtest.h>

namespace bingo {
namespace {

// A ticket as the analysis leaves it: rows of five numbers, number x in
// column x div 10 + 1 (90 in column 9), "*" elsewhere.
TicketDisplay ticket(const char* number, const std::array<std::array<int, 5>, 3>& rows,
                     const std::vector<int>& drawn) {
  TicketDisplay t;
  t.header = number;
  t.cells.fill("*");
  for (int r = 0; r < 3; ++r) {
    for (int x : rows[static_cast<std::size_t>(r)]) {
      const int column = x == 90 ? 9 : x / 10 + 1;
      const auto at = static_cast<std::size_t>(r * 9 + column - 1);
      t.cells[at] = (x < 10 ? " " : "") + std::to_string(x);
      t.Hit[at] = std::find(drawn.begin(), drawn.end(), x) != drawn.end();
    }
  }
  return t;
}

const std::array<std::array<int, 5>, 3> kCard{
    {{1, 12, 35, 60, 90}, {9, 23, 47, 71, 85}, {10, 28, 52, 66, 79}}};
const std::vector<int> kRow1{1, 12, 35, 60, 90};
const std::vector<int> kRow2{9, 23, 47, 71, 85};
const std::vector<int> kRow3{10, 28, 52, 66, 79};

std::vector<int> join(std::initializer_list<std::vector<int>> parts) {
  std::vector<int> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST(TicketPanel, GeometryStacksSixTicketsEndingAt642) {
  EXPECT_EQ(ticketHeaderRect(1), (Rect{10, 39, 270, 22}));
  EXPECT_EQ(ticketCellRect(1, 1, 1).top, 61);  // directly below the header
  EXPECT_EQ(ticketCellRect(1, 1, 9), (Rect{250, 61, 31, 26}));
  EXPECT_EQ(ticketHeaderRect(6).top, 544);
  const Rect last = ticketCellRect(6, 3, 9);
  EXPECT_EQ(last.top + last.height, 642);
}

struct Look {
  Rgb fg;
  Rgb bg;
};

TEST(TicketPanel, RefreshHighlightsRowsAndTickets) {
  struct Row {
    const char* name;
    std::vector<int> drawn;
    bool hint;
    bool blink;
    int row, column;  // the cell looked at
    Look cell;
    Rgb header;
  };
  const std::vector<int> fourOfRow1{1, 12, 35, 60};
  const std::vector<int> fourteen = join({kRow1, kRow2, {10, 28, 52, 66}});
  const std::vector<int> fifteen = join({kRow1, kRow2, kRow3});
  const Look grey{cell::kBlack, cell::kGrey}, darkRed{cell::kWhite, cell::kDarkRed};
  const Look blueWhite{cell::kWhite, cell::kBlue}, blueGrey{cell::kDarkGrey, cell::kBlue};
  const Look brightRed{cell::kBlack, cell::kBrightRed}, pink{cell::kWhite, cell::kPink};
  const Row rows[] = {
      {"drawn number", {12}, false, false, 1, 2, darkRed, cell::kGrey},
      {"undrawn number", {12}, false, false, 1, 1, grey, cell::kGrey},
      {"empty position stays grey", {12}, true, false, 1, 3, grey, cell::kGrey},
      {"four of a row, hints off: blank stays grey", fourOfRow1, false, false, 1, 3, grey, cell::kGrey},
      {"four of a row, hints off: no waited number", fourOfRow1, false, false, 1, 9, grey, cell::kGrey},
      {"four of a row, hints on: blank fills", fourOfRow1, true, false, 1, 3, darkRed, cell::kGrey},
      {"four of a row, hints on: missing number blue", fourOfRow1, true, false, 1, 9, blueWhite, cell::kGrey},
      {"four of a row, hints on, other phase", fourOfRow1, true, true, 1, 9, blueGrey, cell::kGrey},
      {"line, hints off: row red, no blinking", kRow1, false, true, 1, 3, darkRed, cell::kGrey},
      {"line, hints on, phase on", kRow1, true, true, 1, 3, brightRed, cell::kDarkRed},
      {"line, hints on, phase off", kRow1, true, false, 1, 3, pink, cell::kGrey},
      {"line leaves other rows alone", kRow1, true, true, 2, 2, grey, cell::kDarkRed},
      {"fourteen, hints off: missing number blue", fourteen, false, false, 3, 8, blueWhite, cell::kGrey},
      {"fourteen, hints off: blanks fill", fourteen, false, false, 3, 1, darkRed, cell::kGrey},
      {"bingo, phase on", fifteen, false, true, 2, 3, brightRed, cell::kDarkRed},
      {"bingo, phase off", fifteen, false, false, 2, 3, pink, cell::kGrey},
  };
  for (const Row& row : rows) {
    ScreenModel model;
    const TicketDisplay t = ticket("   7", kCard, row.drawn);
    fillTicketSlot(model, 3, t.header, t.cells, t.Hit);
    refreshTicketPanel(model, row.blink, row.hint);
    const CellState& c = model.ticketCell(3, row.row, row.column);
    EXPECT_EQ(c.fg, row.cell.fg) << row.name;
    EXPECT_EQ(c.bg, row.cell.bg) << row.name;
    EXPECT_EQ(model.ticketHeader(3).bg, row.header) << row.name;
  }
}

TEST(TicketPanel, RefreshIsRepeatableAndForgetsOldHighlights) {
  ScreenModel model;
  TicketDisplay t = ticket("   7", kCard, {1, 12, 35, 60});
  fillTicketSlot(model, 1, t.header, t.cells, t.Hit);
  refreshTicketPanel(model, false, true);
  refreshTicketPanel(model, false, true);
  EXPECT_EQ(model.ticketCell(1, 1, 3).bg, cell::kDarkRed);  // a filled blank is not a fifth hit
  EXPECT_EQ(model.ticketCell(1, 1, 9).bg, cell::kBlue);

  refreshTicketPanel(model, false, false);  // the server switched the hints off
  EXPECT_EQ(model.ticketCell(1, 1, 3).bg, cell::kGrey);
  EXPECT_EQ(model.ticketCell(1, 1, 9).bg, cell::kGrey);
}

}  // namespace
}  // namespace bingo
