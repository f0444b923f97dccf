#pragma once
// The six-ticket panel of `PanelTK`: six header bars and six 3 x 9 grids that
// show the bought tickets nearest a win, with the rows and tickets that need
// one more ball or are complete highlighted and blinking.

#include <span>
#include <string>

#include "display/model/screen_layout.h"
#include "display/model/screen_model.h"
#include "tickets/ticket_analysis.h"

namespace bingo {

// Inside `PanelTK`: header t above its three rows, each ticket 100 pixels plus
// one further down; ticket 6 ends 642 pixels from the top.
constexpr Rect ticketHeaderRect(int slot) { return {10, 100 * (slot - 1) + 38 + slot, 270, 22}; }
constexpr Rect ticketCellRect(int slot, int row, int column) {
  return {10 + 30 * (column - 1), 25 * (4 * (slot - 1) + row) + 35 + slot, 31, 26};
}
// Headers and cells: "MS Sans Serif" bold at 11 points, 15 pixels at 96 dots per inch.
inline constexpr int kTicketFontPx = 15;

// The caption of an empty grid position.
inline constexpr const char* kEmptyPosition = "*";

// Headers "   1".."   6", "*" in every cell, all flags cleared, all grey with black text.
void buildTicketPanel(ScreenModel& model);

// One slot as the ticket analysis leaves it: the header text and, row by row
// (row 1 columns 1..9, then rows 2 and 3), the 27 cell texts and drawn marks.
// Both header flags and the cells' other flags are cleared.
void fillTicketSlot(ScreenModel& model, int slot, std::string_view header,
                    std::span<const std::string, kTicketCellsPerSlot> cells,
                    std::span<const bool, kTicketCellsPerSlot> hits);

// All six slots from the ticket analysis's view of the best tickets.
void fillTicketPanel(ScreenModel& model, const BestTicketsView& view);

// Derives the row and ticket highlights from the drawn marks and paints every
// header and cell; run after every fill and on every tick while a ball is drawn.
void refreshTicketPanel(ScreenModel& model, bool BlinkPhase, bool HintSwitch);

}  // namespace bingo
