#include "display/model/screen_layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace bingo {
namespace {

TEST(ScreenLayout, NamesAreUniqueAndRectanglesStayInsideTheirParents) {
  std::set<std::string> names;
  for (const ControlSpec& entry : screenLayout()) {
    EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
    if (std::string(entry.parent) == kClientArea) continue;
    const Rect parent = builtRect(*findControl(entry.parent));
    EXPECT_LE(entry.rect.left + entry.rect.width, parent.width) << entry.name;
    EXPECT_LE(entry.rect.top + entry.rect.height, parent.height) << entry.name;
  }
  EXPECT_EQ(names.size(), 193u);
  EXPECT_TRUE(names.count("LabelTkKUpPoc3"));  // the given spelling
}

TEST(ScreenLayout, SpotChecksOfTheGrid) {
  struct Row {
    const char* name;
    const char* parent;
    Rect rect;
    FontFace face;
    int px;
    bool bold;
  };
  const Row rows[] = {
      {"PanelTablaCifarska", kClientArea, {210, 0, 309, 225}, FontFace::SansSerif, 11, false},
      {"LabelTitleTablaInformativna", "PanelTablaInformaciona", {2, 4, 203, 18}, FontFace::Yuscii, 15, true},
      {"LabelMxL", "PanelTablaInformaciona", {5, 100, 95, 31}, FontFace::Arial, 27, true},
      {"LabelMxL6", "PanelTablaFondovi", {174, 104, 24, 18}, FontFace::Arial, 13, true},
      {"LabelProSer6", "PanelTablaProdatiTiketi", {24, 120, 30, 17}, FontFace::Arial, 11, false},
      {"LabelKugLast01", "PanelTablaRangLista", {155, 120, 21, 17}, FontFace::SansSerif, 11, false},
      {"LabelKUG", "PanelKugla", {70, 18, 150, 119}, FontFace::Arial, 112, true},
      {"LabelTkKupEnd10", "PanelTKkup1", {150, 182, 70, 20}, FontFace::Arial, 16, true},
      {"LblBIN", kClientArea, {812, 300, 200, 170}, FontFace::Yuscii, 27, true},
      {"LblTest_Info_LAN_Net_cJez_Count", kClientArea, {980, 646, 31, 17}, FontFace::SansSerif, 11, false},
  };
  for (const Row& row : rows) {
    const ControlSpec* entry = findControl(row.name);
    ASSERT_NE(entry, nullptr) << row.name;
    EXPECT_STREQ(entry->parent, row.parent) << row.name;
    EXPECT_EQ(builtRect(*entry), row.rect) << row.name;
    EXPECT_EQ(entry->look.face, row.face) << row.name;
    EXPECT_EQ(entry->look.px, row.px) << row.name;
    EXPECT_EQ(entry->look.bold, row.bold) << row.name;
  }
}

TEST(ScreenLayout, TooltipsOnlyOnTheLeftBoardsTheBallAndTheEdits) {
  const std::pair<const char*, bool> rows[] = {
      {"PanelTablaCifarska", true},
      {"LabelCEN", true},
      {"LabelFND3", true},
      {"LabelRLTk1", true},
      {"LabelKUG", true},
      {"EditKupPoc", true},
      {"PanelTK", false},
      {"LabelWaitLinCnt", false},
      {"PanelTKkup1", false},
      {"LabelTkKupEnd1", false},
      {"LblTest_Info_Timer_Count", false},
  };
  for (const auto& [name, tooltip] : rows) EXPECT_EQ(showsHintAsTooltip(*findControl(name)), tooltip) << name;
}

TEST(MainWindow, CoversTheScreenWithinTheConstraints) {
  EXPECT_EQ(mainWindowSize({1280, 1024}), (WindowSize{1032, 776}));
  EXPECT_EQ(mainWindowSize({1024, 768}), (WindowSize{1024, 768}));
  EXPECT_EQ(mainWindowSize({800, 600}), (WindowSize{800, 600}));
  EXPECT_EQ(mainWindowSize({320, 200}), (WindowSize{600, 450}));
  EXPECT_EQ(mainWindowCaption(), "KVAROLA 2015");
}

}  // namespace
}  // namespace bingo
