#include "display/model/screen_model.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "display/model/captions.h"

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

}  // namespace
}  // namespace bingo
