#include "display/model/screen_model.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "display/model/captions.h"
#include "display/model/menu_table.h"

namespace bingo {
namespace {

TEST(ScreenModel, OnlyRealChangesAdvanceTheRevision) {
  ScreenModel model;
  const std::uint64_t start = model.revision();

  // The update re-assigns every text each tick; equal texts change nothing.
  model.setText("LabelLOP", "");
  model.setVisible("LblLIN", false);
  model.setColours("LabelCEN", kRed, k3DLight);
  model.setStatusPanel(12, "");
  model.memoClear();
  model.setMemoBackground(kWhite);
  model.paintBoardCell(1, cell::kBlack, cell::kGrey);
  model.setMenuVisible("mnuBub", false);
  EXPECT_EQ(model.revision(), start);

  model.setText("LabelLOP", "12");
  EXPECT_GT(model.control("LabelLOP").revision, start);
  EXPECT_LE(model.control("LabelMxL").revision, start);
  const std::uint64_t afterText = model.revision();
  model.memoAdd("NOVO KOLO");
  EXPECT_GT(model.memoRevision(), afterText);
}

TEST(ScreenModel, LanguageChangeRedrawsEveryControl) {
  ScreenModel model;
  const std::uint64_t start = model.revision();
  model.setJezik(3);
  for (std::size_t i = 0; i < model.controlCount(); ++i) EXPECT_GT(model.control(i).revision, start);
  EXPECT_GT(model.memoRevision(), start);
}

TEST(ScreenModel, StartsAsTheLayoutAndTheMenuTableSay) {
  ScreenModel model;
  EXPECT_EQ(model.control("LabelLN2_Label").text, "LINIJA 2");
  EXPECT_EQ(model.control("LabelRL6").text, "6");
  EXPECT_FALSE(model.control("LblBIN").visible);
  EXPECT_FALSE(model.control("ChkBox_AltS").visible);
  EXPECT_EQ(model.control("LabelMxL").fg, kRed);
  EXPECT_EQ(model.control("LabelTitleKugla").bg, kBlack);
  EXPECT_EQ(model.memoBackground(), kWhite);

  EXPECT_FALSE(model.menu("mnuBub").enabled);
  EXPECT_FALSE(model.menu("mnuBub").visible);
  EXPECT_FALSE(model.menu("mnuBub_RS232").enabled);
  EXPECT_TRUE(model.menu("mnuBub_RS232").visible);
  EXPECT_TRUE(model.menu("mnuBub_LAN").enabled);
  EXPECT_FALSE(model.menu("mnuBub_AltS").visible);
  EXPECT_TRUE(model.menu("acBub_AltSC").enabled);  // F5 works while its item is hidden
  model.setMenuChecked("acBub_AltSC", true);
  EXPECT_TRUE(model.menu("mnuBub_AltS").checked);
  EXPECT_EQ(model.ticketHeader(1).text, "   1");
  EXPECT_EQ(model.ticketCell(6, 3, 9).text, "*");
}

TEST(ScreenModel, CaptionTextsFollowTheLanguageAndLeaveFixedTextsAlone) {
  ScreenModel model;
  Captions captions;
  captions.setJezik(1);
  model.setText("LabelTitleKugla", "placeholder");
  setCaptionTexts(model, captions);
  EXPECT_EQ(model.control("LabelTitleKugla").text, "");  // Albanian has no last-ball title
  EXPECT_EQ(model.control("LabelIgraVI_Label").text, "LOJA");
  EXPECT_EQ(model.control("LabelIgraPro_Label").text, "T\xcb SHITURA");
  EXPECT_EQ(model.control("LabelTitleTKkup1").text, "TIK. E JUAJA JAN\xcb:");
  EXPECT_EQ(model.control("LabelLN2_Label").text, "LINIJA 2");
  EXPECT_EQ(model.control("LabelIgraVT_Label").text, "BAZA");
  EXPECT_EQ(model.control("LabelWaitTiketa_Label").text, "Tiketa");
}

TEST(ScreenModel, UnknownNamesAndIndicesAreRefused) {
  ScreenModel model;
  EXPECT_THROW(model.setText("LabelNoSuch", "x"), std::out_of_range);
  EXPECT_THROW(model.setMenuChecked("acNoSuch", true), std::out_of_range);
  EXPECT_THROW(model.boardCell(0), std::out_of_range);
  EXPECT_THROW(model.boardCell(91), std::out_of_range);
  EXPECT_THROW(model.ticketCell(7, 1, 1), std::out_of_range);
  EXPECT_THROW(model.ticketCell(1, 4, 1), std::out_of_range);
  EXPECT_THROW(model.setStatusPanel(13, "x"), std::out_of_range);
}

TEST(MenuTable, ActionsAndMenusHaveDistinctNamesAndKnownMenus) {
  std::set<std::string> names, menus;
  for (const MenuSpec& menu : mainMenus()) {
    EXPECT_TRUE(names.insert(menu.name).second) << menu.name;
    menus.insert(menu.name);
  }
  for (const ActionSpec& action : menuActions()) {
    EXPECT_TRUE(names.insert(action.name).second) << action.name;
    if (*action.menuItem) {
      EXPECT_TRUE(names.insert(action.menuItem).second) << action.menuItem;
    }
    EXPECT_EQ(*action.menuItem == '\0', *action.menu == '\0') << action.name;
    if (*action.menu) {
      EXPECT_TRUE(menus.count(action.menu)) << action.name;
    }
  }
}

}  // namespace
}  // namespace bingo
