// The console screen at another scale than designed: the same tables, every
// rectangle and font size times the scale's factor.

#include <QLabel>
#include <QStatusBar>

#include "display/model/number_board.h"
#include "display/model/ticket_panel.h"
#include "display/widgets/console_screen.h"
#include "display/widgets/qt_look.h"

namespace bingo {

void ConsoleScreen::applyScale(const LayoutScale& scale) {
  setFont(screenFont(FontFace::SansSerif, scale.px(kDefaultFontPx), false));
  const std::span<const ControlSpec> layout = screenLayout();
  for (std::size_t i = 0; i < m_controls.size(); ++i) {  // one control per entry
    const ControlSpec& entry = layout[i];
    QRect rect = scale.rect(builtRect(entry));
    if (std::string_view(entry.parent) == kClientArea) rect.translate(scale.offset);
    m_controls[i]->setGeometry(rect);
    m_controls[i]->setFont(screenFont(entry.look.face, scale.px(entry.look.px), entry.look.bold));
  }
  const auto place = [&scale](QLabel* cell, Rect rect, int fontPx) {
    cell->setGeometry(scale.rect(rect));
    cell->setFont(screenFont(FontFace::SansSerif, scale.px(fontPx), true));
  };
  for (int ball = 1; ball <= kBallCount; ++ball)
    place(m_boardCells[static_cast<std::size_t>(ball - 1)], numberBoardCellRect(ball), kBoardCellFontPx);
  std::size_t at = 0;
  for (int slot = 1; slot <= kTicketSlots; ++slot) {
    place(m_ticketHeaders[static_cast<std::size_t>(slot - 1)], ticketHeaderRect(slot), kTicketFontPx);
    for (int row = 1; row <= kTicketRows; ++row)
      for (int column = 1; column <= kTicketColumns; ++column)
        place(m_ticketCells[at++], ticketCellRect(slot, row, column), kTicketFontPx);
  }
  if (m_statusPanels[0] == nullptr) return;
  auto* bar = qobject_cast<QStatusBar*>(m_statusPanels[0]->parentWidget());
  if (bar) {
    bar->setFixedHeight(scale.px(kStatusBarRect.height));
    bar->setFont(screenFont(FontFace::SansSerif, scale.px(kDefaultFontPx), false));
  }
  for (std::size_t panel = 0; panel < kStatusPanelCount; ++panel)
    m_statusPanels[panel]->setFixedWidth(scale.px(kStatusPanelWidths[panel]));
}

}  // namespace bingo
