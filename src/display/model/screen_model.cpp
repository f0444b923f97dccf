#include "display/model/screen_model.h"

#include <stdexcept>

#include "display/model/menu_table.h"
#include "display/model/number_board.h"
#include "display/model/ticket_panel.h"

namespace bingo {

ScreenModel::ScreenModel() {
  const std::span<const ControlSpec> layout = screenLayout();
  m_controls.reserve(layout.size());
  for (const ControlSpec& entry : layout) {
    m_controlIndex.emplace(entry.name, m_controls.size());
    m_controls.push_back({entry.text, entry.visible, entry.look.fg, entry.look.bg, m_revision});
  }
  for (const MenuSpec& entry : mainMenus()) {
    m_menuIndex.emplace(entry.name, m_menus.size());
    m_menuNames.push_back(entry.name);
    m_menus.push_back({entry.enabled, entry.visible, false, m_revision});
  }
  // Each action, then the menu item that shows it.
  for (const ActionSpec& entry : menuActions()) {
    m_menuIndex.emplace(entry.name, m_menus.size());
    m_menuNames.push_back(entry.name);
    m_menus.push_back({entry.enabled, true, entry.checked, m_revision});
    if (*entry.menuItem == '\0') continue;
    m_itemOfAction.emplace(m_menus.size() - 1, m_menus.size());
    m_menuIndex.emplace(entry.menuItem, m_menus.size());
    m_menuNames.push_back(entry.menuItem);
    m_menus.push_back({entry.itemEnabled, entry.itemVisible, entry.checked, m_revision});
  }
  buildNumberBoard(*this);
  buildTicketPanel(*this);
}

void ScreenModel::setJezik(std::uint8_t jezik) {
  if (jezik == m_jezik) return;
  m_jezik = jezik;
  const std::uint64_t revision = ++m_revision;
  for (ControlState& control : m_controls) control.revision = revision;
  m_memoRevision = revision;
}

std::size_t ScreenModel::indexOf(std::string_view name) const {
  const auto found = m_controlIndex.find(name);
  if (found == m_controlIndex.end()) throw std::out_of_range("no control " + std::string(name));
  return found->second;
}

void ScreenModel::assignText(std::string& field, std::string_view value, std::uint64_t& revision) {
  if (field == value) return;
  field.assign(value);
  revision = ++m_revision;
}

void ScreenModel::setText(std::size_t index, std::string_view text) {
  ControlState& control = m_controls.at(index);
  assignText(control.text, text, control.revision);
}

void ScreenModel::setVisible(std::size_t index, bool visible) {
  ControlState& control = m_controls.at(index);
  assign(control.visible, visible, control.revision);
}

void ScreenModel::setColours(std::size_t index, Rgb fg, Rgb bg) {
  ControlState& control = m_controls.at(index);
  assign(control.fg, fg, control.revision);
  assign(control.bg, bg, control.revision);
}

void ScreenModel::memoClear() {
  if (m_memoLines.empty()) return;
  m_memoLines.clear();
  m_memoRevision = ++m_revision;
}

void ScreenModel::memoAdd(std::string_view line) {
  m_memoLines.emplace_back(line);
  m_memoRevision = ++m_revision;
}

void ScreenModel::setMemoBackground(Rgb bg) { assign(m_memoBackground, bg, m_memoRevision); }

void ScreenModel::setStatusPanel(std::size_t panel, std::string_view text) {
  StatusText& status = m_status.at(panel);
  assignText(status.text, text, status.revision);
}

std::size_t ScreenModel::boardIndex(int ball) {
  if (ball < 1 || ball > kBallCount) throw std::out_of_range("no board cell " + std::to_string(ball));
  return static_cast<std::size_t>(ball - 1);
}

std::size_t ScreenModel::slotIndex(int slot) {
  if (slot < 1 || slot > kTicketSlots) throw std::out_of_range("no ticket slot " + std::to_string(slot));
  return static_cast<std::size_t>(slot - 1);
}

std::size_t ScreenModel::cellIndex(int slot, int row, int column) {
  if (row < 1 || row > kTicketRows || column < 1 || column > kTicketColumns)
    throw std::out_of_range("no ticket cell " + std::to_string(row) + "," + std::to_string(column));
  return (slotIndex(slot) * kTicketRows + static_cast<std::size_t>(row - 1)) * kTicketColumns +
         static_cast<std::size_t>(column - 1);
}

void ScreenModel::setBoardCellText(int ball, std::string_view text) {
  CellState& cell = m_board[boardIndex(ball)];
  assignText(cell.text, text, cell.revision);
}

void ScreenModel::paintBoardCell(int ball, Rgb fg, Rgb bg) {
  CellState& cell = m_board[boardIndex(ball)];
  assign(cell.fg, fg, cell.revision);
  assign(cell.bg, bg, cell.revision);
}

void ScreenModel::setTicketHeaderText(int slot, std::string_view text) {
  CellState& header = m_ticketHeaders[slotIndex(slot)];
  assignText(header.text, text, header.revision);
}

void ScreenModel::paintTicketHeader(int slot, Rgb bg) {
  CellState& header = m_ticketHeaders[slotIndex(slot)];
  assign(header.bg, bg, header.revision);
}

void ScreenModel::setTicketCellText(int slot, int row, int column, std::string_view text) {
  CellState& cell = m_ticketCells[cellIndex(slot, row, column)];
  assignText(cell.text, text, cell.revision);
}

void ScreenModel::paintTicketCell(int slot, int row, int column, Rgb fg, Rgb bg) {
  CellState& cell = m_ticketCells[cellIndex(slot, row, column)];
  assign(cell.fg, fg, cell.revision);
  assign(cell.bg, bg, cell.revision);
}

std::size_t ScreenModel::menuIndex(std::string_view name) const {
  const auto found = m_menuIndex.find(name);
  if (found == m_menuIndex.end()) throw std::out_of_range("no menu item " + std::string(name));
  return found->second;
}

void ScreenModel::setMenuEnabled(std::string_view name, bool enabled) {
  MenuState& state = m_menus[menuIndex(name)];
  assign(state.enabled, enabled, state.revision);
}

void ScreenModel::setMenuVisible(std::string_view name, bool visible) {
  MenuState& state = m_menus[menuIndex(name)];
  assign(state.visible, visible, state.revision);
}

// A menu item shows the check mark of its action.
void ScreenModel::setMenuChecked(std::string_view name, bool checked) {
  const std::size_t index = menuIndex(name);
  assign(m_menus[index].checked, checked, m_menus[index].revision);
  if (const auto item = m_itemOfAction.find(index); item != m_itemOfAction.end())
    assign(m_menus[item->second].checked, checked, m_menus[item->second].revision);
}

void setCaptionTexts(ScreenModel& model, const CaptionSource& captions) {
  const std::span<const ControlSpec> layout = screenLayout();
  for (std::size_t i = 0; i < layout.size(); ++i)
    if (layout[i].caption >= 0)
      model.setText(i, captions.JezikText(static_cast<unsigned>(layout[i].caption)));
}

}  // namespace bingo
