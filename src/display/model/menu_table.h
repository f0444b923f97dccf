#pragma once
// The main menu `mnuMain` and the action list as data: captions ("&" marks the
// access key), shortcuts, hints and the states every start begins with. What
// the actions do belongs to the main window.

#include <span>

namespace bingo {

inline constexpr const char* kMainMenuName = "mnuMain";

struct MenuSpec {
  const char* name;
  const char* caption;
  const char* hint;
  bool enabled;
  bool visible;
};

// An action and the menu item that shows it are two objects: the action's key
// follows the action's enabled state, while hiding or disabling the item
// (as the "B" menu's items start) leaves the key working.
struct ActionSpec {
  const char* name;      // the action, `acFile_Exit`
  const char* menuItem;  // its menu item, `mnuFile_Exit`; empty when no menu shows it
  const char* menu;      // the menu holding the item
  const char* caption;
  const char* shortcut;  // key text ("F9", "Ctrl+F1"), empty for none
  const char* hint;      // a two-part hint "short|long" shows its long part in the status bar
  bool checkable;
  bool enabled;      // the action (and its key)
  bool itemEnabled;  // the menu item
  bool itemVisible;
  bool checked;
  bool separatorBefore;
};

// The menus of the menu bar, left to right.
std::span<const MenuSpec> mainMenus();
// Every action, menu items in menu order first, then the actions no menu shows.
std::span<const ActionSpec> menuActions();

}  // namespace bingo
