#include "display/model/menu_table.h"

namespace bingo {

namespace {

// The "B" (second drum) menu is hidden and disabled at every start, whatever
// the configuration says; the Help memory action reveals it.
constexpr MenuSpec kMenus[] = {
    {"mnuFile", "&File", "", true, true},    {"mnuTK", "&Tiketi", "", true, true},
    {"mnuBub", "B", "Bubanj", false, false}, {"mnuWB", "WB", "", true, true},
    {"mnuHelp", "&Help", "", true, true},
};

// clang-format off
constexpr ActionSpec kActions[] = {
    // name                   menu item                 menu       caption              key        hint                            check  enabl  item enabled/visible  chckd  sep
    {"acFile_Exit",          "mnuFile_Exit",          "mnuFile", "E&xit",             "F9",      "Exit|Quits the application",   false, true,  true,  true,  false, false},
    {"acTK_Kup_Unesi",       "mnuTK_Unesi",           "mnuTK",   "&Unos tiketa",      "F2",      "",                             false, false, false, true,  false, false},
    {"acTK_Kup_Brisi",       "mnuTK_Brisi",           "mnuTK",   "&Brisanje tiketa",  "F3",      "",                             false, true,  true,  true,  false, false},
    {"acBub_Bub2Enable",     "mnuBub_Bub2Enable",     "mnuBub",  "Bub2 Enable",       "",        "Dozvola Bub2",                 true,  true,  false, false, false, false},
    {"acBub_LAN",            "mnuBub_LAN",            "mnuBub",  "LAN",               "",        "Slanje na LAN",                true,  true,  true,  true,  false, true},
    {"acBub_RS232",          "mnuBub_RS232",          "mnuBub",  "RS232",             "",        "Slanje na RS232",              true,  false, false, true,  false, false},
    {"acBub_AltSC",          "mnuBub_AltS",           "mnuBub",  "Alt &S",            "F5",      "Alt S|Bubanj Lopta (-2)",      true,  true,  false, false, false, true},
    {"acBub_WB_Show",        "mnuWB_Show",            "mnuWB",   "WB Show",           "",        "",                             true,  true,  true,  true,  false, false},
    {"acBub_WB_Cam2",        "mnuWB_Cam2",            "mnuWB",   "WB_Cam",            "",        "",                             true,  true,  true,  true,  false, false},
    {"acHelp_HwInfoMemory",  "mnuHelp_HwInfoMemory",  "mnuHelp", "Hw &Memory Info",   "",        "Memory info",                  false, true,  true,  true,  false, false},
    {"acHelp_HwWinVer",      "mnuHelp_HwInfoWinVer",  "mnuHelp", "&Windows Version",  "",        "",                             false, true,  true,  true,  false, false},
    {"acHelp_About",         "mnuHelp_About",         "mnuHelp", "&About",            "Ctrl+F1", "Help About",                   false, true,  true,  true,  false, false},
    // In the action list only. An action without a handler stays disabled: F2 and F1 do nothing.
    {"acFile_Kolo_New",      "",                      "",        "&Novo kolo",        "F1",      "",                             false, false, false, false, false, false},
    {"acTK_Kup_All",         "",                      "",        "Unos svih prodatih tiketa", "", "",                            false, true,  false, false, false, false},
};
// clang-format on

}  // namespace

std::span<const MenuSpec> mainMenus() { return kMenus; }
std::span<const ActionSpec> menuActions() { return kActions; }

}  // namespace bingo
