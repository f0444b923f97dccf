#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <sstream>

#include "common/card_check.h"
#include "common/card_generator.h"
#include "common/ticket_base_command.h"
#include "unit/platform/temp_folder.h"

namespace bingo::tools {
namespace {

// The strip rules checked here on their own terms, not through the checker.
void expectValidStrip(std::span<const Card> strip) {
  std::vector<int> all;
  for (const Card& card : strip) {
    std::array<std::vector<int>, 9> columns;
    for (int row = 0; row < 3; ++row) {
      std::set<int> rowColumns;
      for (int pos = 0; pos < 5; ++pos) {
        const int v = card[static_cast<std::size_t>(row * 5 + pos)];
        const int column = v == 90 ? 8 : v / 10;
        EXPECT_TRUE(rowColumns.insert(column).second) << "two numbers of row " << row << " in one column";
        EXPECT_TRUE(pos == 0 || card[static_cast<std::size_t>(row * 5 + pos - 1)] < v);
        columns[static_cast<std::size_t>(column)].push_back(v);
        all.push_back(v);
      }
    }
    for (const auto& column : columns)
      EXPECT_TRUE(!column.empty() && column.size() <= 3 && std::is_sorted(column.begin(), column.end()));
  }
  std::sort(all.begin(), all.end());
  std::vector<int> expected(90);
  std::iota(expected.begin(), expected.end(), 1);
  EXPECT_EQ(all, expected);
}

TEST(CardGenerator, ValidStripsTheSameForTheSameSeedAndALastStripCut) {
  const auto a = generateCards(2000, 7);
  const auto shorter = generateCards(1944, 7);
  ASSERT_EQ(a.size(), 2000u);
  EXPECT_EQ(a, generateCards(2000, 7));
  EXPECT_TRUE(std::equal(shorter.begin(), shorter.end(), a.begin()));
  EXPECT_NE(shorter, generateCards(1944, 8));
  // 2000 = 333 whole strips and two cards of the 334th.
  for (std::size_t first = 0; first + 6 <= a.size(); first += 6) {
    expectValidStrip(std::span(a).subspan(first, 6));
    if (HasFailure()) return;
  }
  EXPECT_TRUE(checkCardFile(cardFileBytes(a)).ok);
}

// Each row changes a valid card: 1 17 50 72 81 / 6 24 39 52 85 / 26 40 58 68 86.
TEST(CardCheck, NamesWhatIsWrongWithACard) {
  const std::pair<Card, const char*> rows[] = {
      {{1, 17, 50, 72, 81, 6, 24, 39, 52, 85, 26, 40, 58, 68, 86}, ""},
      {{0, 17, 50, 72, 81, 6, 24, 39, 52, 85, 26, 40, 58, 68, 86}, "row 1 holds 0, outside 1..90"},
      {{1, 17, 50, 72, 81, 6, 24, 39, 52, 85, 26, 40, 58, 68, 91}, "row 3 holds 91, outside 1..90"},
      {{17, 1, 50, 72, 81, 6, 24, 39, 52, 85, 26, 40, 58, 68, 86}, "row 1 is not in ascending"},
      {{1, 6, 50, 72, 81, 7, 24, 39, 52, 85, 26, 40, 58, 68, 86}, "row 1 has two numbers in column 1"},
      {{1, 17, 50, 72, 81, 6, 24, 39, 85, 90, 26, 40, 58, 68, 86}, "row 2 has two numbers in column 9"},
      {{6, 17, 50, 72, 81, 1, 24, 39, 52, 85, 26, 40, 58, 68, 86}, "column 1 does not ascend"},
      {{1, 17, 50, 72, 81, 6, 24, 39, 52, 85, 26, 40, 58, 68, 85}, "column 9 does not ascend"},
      {{1, 33, 50, 72, 81, 6, 24, 39, 52, 85, 26, 40, 58, 68, 86}, "column 2 holds no number"}};
  for (const auto& [card, expected] : rows) {
    const auto fault = cardFault(card);
    EXPECT_TRUE(*expected ? fault && fault->find(expected) != std::string::npos : !fault)
        << expected << ": " << fault.value_or("valid");
  }
}

TEST(TicketBaseTool, GeneratesACheckableBaseAndRejectsOneWrongCardByNumber) {
  test::TempFolder tmp;
  const std::string file = tmp / "A1944.3x5";
  std::ostringstream out, err;
  ASSERT_EQ(runTicketBase({"generate", "--cards", "1944", "--seed", "1", file}, out, err), 0) << err.str();
  out.str("");
  EXPECT_EQ(runTicketBase({"check", file}, out, err), 0);
  EXPECT_EQ(out.str(), file + ": 1944 cards, all valid\n");

  std::string bytes = tmp.read("A1944.3x5");
  ASSERT_EQ(bytes.size(), 29160u);
  std::swap(bytes[16 * 15], bytes[16 * 15 + 1]);  // card 17: two numbers of its first row
  tmp.file("A1944.3x5", bytes);
  out.str("");
  EXPECT_EQ(runTicketBase({"check", file}, out, err), 1);
  EXPECT_EQ(out.str().rfind(file + ": card 17: row 1 is not in ascending order", 0), 0u) << out.str();
}

}  // namespace
}  // namespace bingo::tools
