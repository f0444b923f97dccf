#include "display/model/screen_model.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "display/model/screen_dump.h"
#include "display/model/screen_layout.h"

namespace bingo {
namespace {

// Where each control stands, its captions in every language and the whole
// dump are held by the reviewed screen dumps of the console tests; here what
// none of them shows.
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
  // A change of language redraws every control.
  model.setJezik(3);
  for (std::size_t i = 0; i < model.controlCount(); ++i) EXPECT_GT(model.control(i).revision, afterText);
  EXPECT_GT(model.memoRevision(), afterText + 1);
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

// The widgets' reviewed dump holds the window on a large and a small screen, and its caption.
TEST(ScreenModel, WindowSizeOnTheDesignedAndATinyScreenAndJsonEscapes) {
  EXPECT_EQ(mainWindowSize({1024, 768}), (WindowSize{1024, 768}));
  EXPECT_EQ(mainWindowSize({320, 200}), (WindowSize{600, 450}));
  EXPECT_EQ(jsonString("a\"b\\c\nd\x01"), "\"a\\\"b\\\\c\\nd\\u0001\"");
}

}  // namespace
}  // namespace bingo
