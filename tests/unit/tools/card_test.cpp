#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "common/card_check.h"
#include "common/card_generator.h"

namespace bingo::tools {
namespace {

std::size_t columnOf(int number) { return static_cast<std::size_t>(number == 90 ? 8 : number / 10); }

// The strip rules on their own terms, not through the checker: each row uses
// five columns from left to right, each card's columns hold 1..3 ascending
// numbers, and a strip of six cards holds 1..90 once each.
std::string stripFault(std::span<const Card> strip) {
  std::vector<int> all;
  for (const Card& card : strip) {
    std::array<std::vector<int>, 9> columns;
    for (std::size_t i = 0; i < 15; ++i) {
      if (i % 5 > 0 && columnOf(card[i - 1]) >= columnOf(card[i])) return "row";
      columns.at(columnOf(card[i])).push_back(card[i]);
      all.push_back(card[i]);
    }
    for (const auto& c : columns)
      if (c.empty() || !std::is_sorted(c.begin(), c.end())) return "column";
  }
  std::sort(all.begin(), all.end());
  std::vector<int> expected(90);
  std::iota(expected.begin(), expected.end(), 1);
  return all == expected ? "" : "numbers";
}

TEST(CardGenerator, ValidStripsTheSameForTheSameSeedAndALastStripCut) {
  const auto a = generateCards(2000, 7), shorter = generateCards(1944, 7);
  ASSERT_EQ(a.size(), 2000u);
  EXPECT_EQ(a, generateCards(2000, 7));
  EXPECT_TRUE(std::equal(shorter.begin(), shorter.end(), a.begin()));
  EXPECT_NE(shorter, generateCards(1944, 8));
  for (std::size_t first = 0; first + 6 <= a.size(); first += 6)  // 333 strips and two cards
    ASSERT_EQ(stripFault(std::span(a).subspan(first, 6)), "") << first;
  EXPECT_TRUE(checkCardFile(cardFileBytes(a)).ok);
}

}  // namespace
}  // namespace bingo::tools
