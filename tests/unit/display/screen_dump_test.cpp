#include "display/model/screen_dump.h"

#include <gtest/gtest.h>

namespace bingo {
namespace {

// The whole dump is compared byte for byte with reviewed files by the
// console tests; here what none of their texts holds.
TEST(ScreenDump, EscapesWhatJsonCannotCarry) {
  EXPECT_EQ(jsonString("a\"b\\c\nd\x01"), "\"a\\\"b\\\\c\\nd\\u0001\"");
}

}  // namespace
}  // namespace bingo
