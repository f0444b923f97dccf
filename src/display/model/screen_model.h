#pragma once
// What the console screen shows, in plain C++: per named control its text,
// visibility and colours, the INFO memo, the 13 status panels, the 90 cells of
// the number board, the six ticket headers and their 162 cells, and the states
// of the menu items. Texts are the system's 8-bit bytes; the drawing converts.
//
// Every element carries the model revision of its last real change: assigning
// a value equal to the current one changes nothing, so a drawing that
// remembers the revision it drew touches only what changed since.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "display/model/colours.h"
#include "display/model/screen_layout.h"
#include "tickets/caption_source.h"

namespace bingo {

inline constexpr int kBallCount = 90;
inline constexpr int kTicketSlots = 6;
inline constexpr int kTicketRows = 3;
inline constexpr int kTicketColumns = 9;
inline constexpr int kTicketCellsPerSlot = kTicketRows * kTicketColumns;

struct ControlState {
  std::string text;
  bool visible = true;
  Rgb fg;
  Rgb bg;
  std::uint64_t revision = 0;
};

struct CellState {
  std::string text;
  Rgb fg = cell::kBlack;
  Rgb bg = cell::kGrey;
  std::uint64_t revision = 0;
};

struct MenuState {
  bool enabled = true;
  bool visible = true;
  bool checked = false;
  std::uint64_t revision = 0;
};

// One number of the number board (`TCifarskaBtn`).
struct BoardFlags {
  bool Hit = false;     // the ball has been drawn
  bool Last = false;    // it is the last ball drawn
  bool Waited = false;  // one of the best bought tickets waits for it
};

// The header bar of one ticket (`TTiketNo`).
struct TicketHeaderFlags {
  bool Flash = false;     // a row of the ticket is complete
  bool Complete = false;  // all 15 numbers are drawn
};

// One cell of a ticket grid (`TTiketBtn`).
struct TicketCellFlags {
  bool Hit = false;     // drawn, or filled as part of a highlighted row
  bool Flash = false;   // part of a complete row or ticket: blinks
  bool Waited = false;  // the one number still missing
};

class ScreenModel {
 public:
  // Every control as the layout table gives it, the number board and the
  // ticket panel as built at start.
  ScreenModel();

  std::uint64_t revision() const { return m_revision; }

  // The language decides how the YUSCII-font controls are shown; changing it
  // redraws everything.
  std::uint8_t Jezik() const { return m_jezik; }
  void setJezik(std::uint8_t jezik);

  // Named controls, in the order of screenLayout(). An unknown name throws
  // std::out_of_range: it is a fault of the program, not of the game.
  std::size_t controlCount() const { return m_controls.size(); }
  std::size_t indexOf(std::string_view name) const;
  const ControlState& control(std::size_t index) const { return m_controls.at(index); }
  const ControlState& control(std::string_view name) const { return m_controls[indexOf(name)]; }
  void setText(std::size_t index, std::string_view text);
  void setText(std::string_view name, std::string_view text) { setText(indexOf(name), text); }
  void setVisible(std::size_t index, bool visible);
  void setVisible(std::string_view name, bool visible) { setVisible(indexOf(name), visible); }
  void setColours(std::size_t index, Rgb fg, Rgb bg);
  void setColours(std::string_view name, Rgb fg, Rgb bg) { setColours(indexOf(name), fg, bg); }

  // MemoINFO: its lines and its background.
  const std::vector<std::string>& memoLines() const { return m_memoLines; }
  Rgb memoBackground() const { return m_memoBackground; }
  std::uint64_t memoRevision() const { return m_memoRevision; }
  void memoClear();
  void memoAdd(std::string_view line);
  void setMemoBackground(Rgb bg);

  // Status bar panels 0..12.
  const std::string& statusPanel(std::size_t panel) const { return m_status.at(panel).text; }
  std::uint64_t statusRevision(std::size_t panel) const { return m_status.at(panel).revision; }
  void setStatusPanel(std::size_t panel, std::string_view text);

  // Number board, balls 1..90.
  const CellState& boardCell(int ball) const { return m_board.at(boardIndex(ball)); }
  BoardFlags& boardFlags(int ball) { return m_boardFlags.at(boardIndex(ball)); }
  const BoardFlags& boardFlags(int ball) const { return m_boardFlags.at(boardIndex(ball)); }
  void setBoardCellText(int ball, std::string_view text);
  void paintBoardCell(int ball, Rgb fg, Rgb bg);

  // Ticket panel: slots 1..6, rows 1..3, columns 1..9.
  const CellState& ticketHeader(int slot) const { return m_ticketHeaders.at(slotIndex(slot)); }
  TicketHeaderFlags& ticketHeaderFlags(int slot) { return m_ticketHeaderFlags.at(slotIndex(slot)); }
  const TicketHeaderFlags& ticketHeaderFlags(int slot) const {
    return m_ticketHeaderFlags.at(slotIndex(slot));
  }
  void setTicketHeaderText(int slot, std::string_view text);
  void paintTicketHeader(int slot, Rgb bg);
  const CellState& ticketCell(int slot, int row, int column) const {
    return m_ticketCells.at(cellIndex(slot, row, column));
  }
  TicketCellFlags& ticketCellFlags(int slot, int row, int column) {
    return m_ticketCellFlags.at(cellIndex(slot, row, column));
  }
  const TicketCellFlags& ticketCellFlags(int slot, int row, int column) const {
    return m_ticketCellFlags.at(cellIndex(slot, row, column));
  }
  void setTicketCellText(int slot, int row, int column, std::string_view text);
  void paintTicketCell(int slot, int row, int column, Rgb fg, Rgb bg);

  // Menus, actions and menu items by their given names (`mnuBub`,
  // `acBub_LAN`, `mnuBub_LAN`); each action comes just before its item.
  std::size_t menuCount() const { return m_menus.size(); }
  std::string_view menuName(std::size_t index) const { return m_menuNames.at(index); }
  const MenuState& menu(std::size_t index) const { return m_menus.at(index); }
  const MenuState& menu(std::string_view name) const { return m_menus[menuIndex(name)]; }
  void setMenuEnabled(std::string_view name, bool enabled);
  void setMenuVisible(std::string_view name, bool visible);
  void setMenuChecked(std::string_view name, bool checked);

 private:
  template <typename T>
  void assign(T& field, const T& value, std::uint64_t& revision) {
    if (field == value) return;
    field = value;
    revision = ++m_revision;
  }
  void assignText(std::string& field, std::string_view value, std::uint64_t& revision);
  std::size_t menuIndex(std::string_view name) const;
  static std::size_t boardIndex(int ball);
  static std::size_t slotIndex(int slot);
  static std::size_t cellIndex(int slot, int row, int column);

  std::uint64_t m_revision = 1;
  std::uint8_t m_jezik = 0;
  std::vector<ControlState> m_controls;
  std::unordered_map<std::string_view, std::size_t> m_controlIndex;
  std::vector<std::string> m_memoLines;
  Rgb m_memoBackground = kWhite;
  std::uint64_t m_memoRevision = 1;
  struct StatusText {
    std::string text;
    std::uint64_t revision = 1;
  };
  std::array<StatusText, kStatusPanelCount> m_status;
  std::array<CellState, kBallCount> m_board;
  std::array<BoardFlags, kBallCount> m_boardFlags;
  std::array<CellState, kTicketSlots> m_ticketHeaders;
  std::array<TicketHeaderFlags, kTicketSlots> m_ticketHeaderFlags;
  std::array<CellState, kTicketSlots * kTicketCellsPerSlot> m_ticketCells;
  std::array<TicketCellFlags, kTicketSlots * kTicketCellsPerSlot> m_ticketCellFlags;
  std::vector<std::string_view> m_menuNames;
  std::vector<MenuState> m_menus;
  std::unordered_map<std::string_view, std::size_t> m_menuIndex;
  std::unordered_map<std::size_t, std::size_t> m_itemOfAction;
};

// Every control whose layout row names a caption number gets that caption
// of the current language; the fixed texts stay.
void setCaptionTexts(ScreenModel& model, const CaptionSource& captions);

}  // namespace bingo
