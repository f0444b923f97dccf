#include "display/model/screen_layout.h"

#include <gtest/gtest.h>

namespace bingo {
namespace {

// Where each control stands is held by the reviewed screen dumps of the
// console tests; here only the window's own rules.
TEST(MainWindow, CoversTheScreenWithinTheConstraints) {
  EXPECT_EQ(mainWindowSize({1280, 1024}), (WindowSize{1032, 776}));
  EXPECT_EQ(mainWindowSize({1024, 768}), (WindowSize{1024, 768}));
  EXPECT_EQ(mainWindowSize({800, 600}), (WindowSize{800, 600}));
  EXPECT_EQ(mainWindowSize({320, 200}), (WindowSize{600, 450}));
  EXPECT_EQ(mainWindowCaption(), "KVAROLA 2015");
}

}  // namespace
}  // namespace bingo
