#pragma once
// The console screen as Qt widgets: every control of the layout table built
// into the main window's client area (objectName = the control's given name),
// the number board's 90 cells and the six-ticket panel, and, when asked for,
// the menu bar and the 13-panel status bar. draw() brings the widgets in line
// with a screen model and touches only what changed since the last draw.

#include <QWidget>
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "display/model/screen_model.h"
#include "display/widgets/layout_scale.h"

class QAction;
class QLabel;
class QMenuBar;
class QStatusBar;

namespace bingo {

class ConsoleScreen : public QWidget {
 public:
  explicit ConsoleScreen(QWidget* parent = nullptr);

  // The menu bar `mnuMain` of the menu table. Every action is a child of
  // `window` named by its given name and added to it, so its key works
  // whatever its menu item shows; the item (`mnuBub_AltS`) is a separate
  // child that triggers the action and has its own enabled and visible state.
  QMenuBar* buildMenuBar(QWidget& window);
  // The status bar `StatusBar`: panels `StatusBarPanel0`..`12` of fixed
  // width, no size grip.
  QStatusBar* buildStatusBar(QWidget* parent);

  // A control the layout names but another part of the program builds (the
  // camera browser `WebBrowser_Camera`): it replaces the placeholder, takes
  // its rectangle and is drawn for its visibility. False for any other name.
  bool adopt(std::string_view name, QWidget* widget);

  // Builds every control, cell and status panel again at the scale's
  // geometry and font sizes (the menu bar is the window's).
  void applyScale(const LayoutScale& scale);

  // The control of that name; nullptr when the layout holds none.
  QWidget* control(std::string_view name) const;

  // Brings the widgets in line with the model. Edits belong to the operator
  // while he types: an edit is written only when the model's text for it changes.
  void draw(const ScreenModel& model);
  // How many widget properties the draws have set so far.
  std::uint64_t touches() const { return m_touches; }

 private:
  void buildControls();
  void buildNumberBoard(QWidget& panel);
  void buildTicketPanel(QWidget& panel);
  void drawControl(std::size_t index, const ControlState& state, std::uint8_t jezik);
  void drawMemo(const ScreenModel& model);
  void drawCell(QLabel& label, const CellState& cell, std::uint8_t jezik);

  std::vector<QWidget*> m_controls;  // in layout order
  std::array<QLabel*, kBallCount> m_boardCells{};
  std::array<QLabel*, kTicketSlots> m_ticketHeaders{};
  std::array<QLabel*, kTicketSlots * kTicketCellsPerSlot> m_ticketCells{};
  std::array<QLabel*, kStatusPanelCount> m_statusPanels{};
  std::vector<QAction*> m_menuActions;  // in the screen model's menu order

  const ScreenModel* m_drawnModel = nullptr;
  std::uint64_t m_drawnRevision = 0;
  std::uint64_t m_touches = 0;
};

}  // namespace bingo
