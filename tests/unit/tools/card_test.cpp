#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

#include "common/card_check.h"
#include "common/card_generator.h"

namespace bingo::tools {
namespace {

// The strip rules on their own terms, not through the checker: rows ascend and
// use five columns, each card's columns hold 1..3 ascending numbers, and a
// strip of six cards holds 1..90 once each.
std::string stripFault(std::span<const Card> strip) {
  std::vector<int> all;
  for (const Card& card : strip) {
    std::array<std::vector<int>, 9> columns;
    for (std::size_t row = 0; row < 3; ++row) {
      std::set<int> used;
      for (std::size_t pos = 0; pos < 5; ++pos) {
        const int v = card[row * 5 + pos];
        const int column = v == 90 ? 8 : v / 10;
        if (!used.insert(column).second || (pos > 0 && card[row * 5 + pos - 1] >= v)) return "row";
        columns[static_cast<std::size_t>(column)].push_back(v);
        all.push_back(v);
      }
    }
    for (const auto& c : columns)
      if (c.empty() || c.size() > 3 || !std::is_sorted(c.begin(), c.end())) return "column";
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
