#include "display/model/ticket_panel.h"

#include "platform/text.h"

namespace bingo {

namespace {

bool isEmptyPosition(const ScreenModel& model, int slot, int row, int column) {
  return model.ticketCell(slot, row, column).text == kEmptyPosition;
}

// Step 1: forget last refresh's highlights; an empty position is never drawn.
void clearHighlights(ScreenModel& model, int slot) {
  model.ticketHeaderFlags(slot) = {};
  for (int row = 1; row <= kTicketRows; ++row) {
    for (int column = 1; column <= kTicketColumns; ++column) {
      TicketCellFlags& flags = model.ticketCellFlags(slot, row, column);
      flags.Flash = false;
      flags.Waited = false;
      if (isEmptyPosition(model, slot, row, column)) flags.Hit = false;
    }
  }
}

int hitsInRow(const ScreenModel& model, int slot, int row) {
  int hits = 0;
  for (int column = 1; column <= kTicketColumns; ++column)
    hits += model.ticketCellFlags(slot, row, column).Hit;
  return hits;
}

// Empty positions without Hit fill up, numbers without Hit become the waited ones.
void markMissing(ScreenModel& model, int slot, int row) {
  for (int column = 1; column <= kTicketColumns; ++column) {
    TicketCellFlags& flags = model.ticketCellFlags(slot, row, column);
    if (flags.Hit) continue;
    if (isEmptyPosition(model, slot, row, column))
      flags.Hit = true;
    else
      flags.Waited = true;
  }
}

// Steps 2 and 3 for one ticket; the row counts are taken before any change.
void highlight(ScreenModel& model, int slot, bool HintSwitch) {
  int rowHits[kTicketRows + 1] = {};
  for (int row = 1; row <= kTicketRows; ++row) rowHits[row] = hitsInRow(model, slot, row);

  TicketHeaderFlags& header = model.ticketHeaderFlags(slot);
  for (int row = 1; row <= kTicketRows; ++row) {
    if (rowHits[row] == 4 && HintSwitch) markMissing(model, slot, row);
    if (rowHits[row] == 5) {  // a line
      header.Flash = HintSwitch;
      for (int column = 1; column <= kTicketColumns; ++column) {
        TicketCellFlags& flags = model.ticketCellFlags(slot, row, column);
        flags.Hit = true;
        if (HintSwitch) flags.Flash = true;
      }
    }
  }

  const int total = rowHits[1] + rowHits[2] + rowHits[3];
  if (total == 14) {  // one number missing for bingo, shown whatever the hint switch says
    for (int row = 1; row <= kTicketRows; ++row) markMissing(model, slot, row);
  } else if (total == 15) {  // bingo
    header.Complete = true;
    for (int row = 1; row <= kTicketRows; ++row)
      for (int column = 1; column <= kTicketColumns; ++column)
        model.ticketCellFlags(slot, row, column).Flash = true;
  }
}

void paint(ScreenModel& model, int slot, bool BlinkPhase, bool HintSwitch) {
  const TicketHeaderFlags& header = model.ticketHeaderFlags(slot);
  const bool headerLit = (header.Flash && BlinkPhase && HintSwitch) || (header.Complete && BlinkPhase);
  model.paintTicketHeader(slot, headerLit ? cell::kDarkRed : cell::kGrey);

  for (int row = 1; row <= kTicketRows; ++row) {
    for (int column = 1; column <= kTicketColumns; ++column) {
      const TicketCellFlags& flags = model.ticketCellFlags(slot, row, column);
      if (flags.Hit && !flags.Flash)
        model.paintTicketCell(slot, row, column, cell::kWhite, cell::kDarkRed);
      else if (flags.Hit && BlinkPhase)
        model.paintTicketCell(slot, row, column, cell::kBlack, cell::kBrightRed);
      else if (flags.Hit)
        model.paintTicketCell(slot, row, column, cell::kWhite, cell::kPink);
      else if (!flags.Waited)
        model.paintTicketCell(slot, row, column, cell::kBlack, cell::kGrey);
      else
        model.paintTicketCell(slot, row, column, BlinkPhase ? cell::kDarkGrey : cell::kWhite, cell::kBlue);
    }
  }
}

}  // namespace

void buildTicketPanel(ScreenModel& model) {
  for (int slot = 1; slot <= kTicketSlots; ++slot) {
    model.setTicketHeaderText(slot, formatText("%4d", slot));
    model.ticketHeaderFlags(slot) = {};
    model.paintTicketHeader(slot, cell::kGrey);
    for (int row = 1; row <= kTicketRows; ++row) {
      for (int column = 1; column <= kTicketColumns; ++column) {
        model.setTicketCellText(slot, row, column, kEmptyPosition);
        model.ticketCellFlags(slot, row, column) = {};
        model.paintTicketCell(slot, row, column, cell::kBlack, cell::kGrey);
      }
    }
  }
}

void fillTicketSlot(ScreenModel& model, int slot, std::string_view header,
                    std::span<const std::string, kTicketCellsPerSlot> cells,
                    std::span<const bool, kTicketCellsPerSlot> hits) {
  model.setTicketHeaderText(slot, header);
  model.ticketHeaderFlags(slot) = {};
  for (int row = 1; row <= kTicketRows; ++row) {
    for (int column = 1; column <= kTicketColumns; ++column) {
      const auto at = static_cast<std::size_t>((row - 1) * kTicketColumns + (column - 1));
      model.setTicketCellText(slot, row, column, cells[at]);
      model.ticketCellFlags(slot, row, column) = {hits[at], false, false};
    }
  }
}

void fillTicketPanel(ScreenModel& model, const BestTicketsView& view) {
  for (int slot = 1; slot <= kTicketSlots; ++slot) {
    const TicketDisplay& ticket = view[static_cast<std::size_t>(slot - 1)];
    fillTicketSlot(model, slot, ticket.header, ticket.cells, ticket.Hit);
  }
}

void refreshTicketPanel(ScreenModel& model, bool BlinkPhase, bool HintSwitch) {
  for (int slot = 1; slot <= kTicketSlots; ++slot) {
    clearHighlights(model, slot);
    highlight(model, slot, HintSwitch);
    paint(model, slot, BlinkPhase, HintSwitch);
  }
}

}  // namespace bingo
