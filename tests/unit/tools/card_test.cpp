#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <set>
#include <sstream>

#include "common/card_check.h"
#include "common/card_generator.h"
#include "common/ticket_base_command.h"

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

class TicketBaseTool : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = std::filesystem::temp_directory_path() / ("ticket-base-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(m_dir);
  }
  void TearDown() override { std::filesystem::remove_all(m_dir); }
  int run(std::vector<std::string> args) {
    m_out.str("");
    m_err.str("");
    return runTicketBase(args, m_out, m_err);
  }
  std::filesystem::path m_dir;
  std::ostringstream m_out, m_err;
};

TEST_F(TicketBaseTool, GeneratesACheckableBaseAndRejectsOneWrongCardByNumber) {
  const std::string file = (m_dir / "A1944.3x5").string();
  ASSERT_EQ(run({"generate", "--cards", "1944", "--seed", "1", file}), 0) << m_err.str();
  EXPECT_EQ(std::filesystem::file_size(file), 29160u);
  EXPECT_EQ(run({"check", file}), 0) << m_out.str();
  EXPECT_EQ(m_out.str(), file + ": 1944 cards, all valid\n");

  // Card 17: swap two numbers of its first row.
  {
    std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
    char two[2];
    f.seekg(16 * 15);
    f.read(two, 2);
    std::swap(two[0], two[1]);
    f.seekp(16 * 15);
    f.write(two, 2);
  }
  EXPECT_EQ(run({"check", file}), 1);
  EXPECT_EQ(m_out.str().rfind(file + ": card 17: row 1 is not in ascending order", 0), 0u) << m_out.str();
}

}  // namespace
}  // namespace bingo::tools
