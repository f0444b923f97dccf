#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "support/fake_file_system.h"
#include "ticket_fixtures.h"
#include "tickets/tickets.h"

namespace bingo {
namespace {

using test::Card;
using test::cardFile;
using test::factsAllBut;
using test::factsWith;
using test::FakeFileSystem;

constexpr const char* kType0 = "C:\\Orma\\Bingo\\Arh\\CfgW\\A1944.3x5";

// Tickets with the given cards from ticket 1 on, all of them sold.
class Checked : public ::testing::Test {
 protected:
  void load(const std::vector<Card>& cards) {
    fs.addFile(kType0, cardFile(cards));
    tickets.TicketBase_Init();
    const TicketRange sold[] = {{1, 1944}};
    tickets.bought().SoldSet_Rebuild(sold);
  }
  void buy(int first, int last, const FrameFacts& facts) {
    tickets.EditKupEndExit(std::to_string(first), std::to_string(last), false, facts);
  }
  const TicketAnalysis& analysis() const { return tickets.analysis(); }
  FakeFileSystem fs;
  Tickets tickets{fs};
};

TEST_F(Checked, CountsMissesRowByRow) {
  struct Row {
    const char* name;
    Card card;
    std::initializer_list<int> undrawn;
    TicketRank expected;  // for ticket 1
  };
  const Row rows[] = {
      {"rows missing 1, 0 and 1",
       {1, 2, 3, 4, 5, 11, 12, 13, 14, 15, 41, 42, 43, 44, 45},
       {5, 45},
       {1, 0, 2, 45}},
      {"a row of four drawn waits for its fifth",
       {1, 2, 3, 4, 5, 11, 12, 13, 14, 15, 41, 42, 43, 44, 45},
       {3, 11, 12, 41, 42},
       {1, 1, 5, 3}},
      {"a later row's awaited number wins",
       {1, 2, 3, 4, 5, 11, 12, 13, 14, 15, 41, 42, 43, 44, 45},
       {3, 11, 12, 44},
       {1, 1, 4, 44}},
      {"bingo", {1, 2, 3, 4, 5, 11, 12, 13, 14, 15, 41, 42, 43, 44, 45}, {}, {1, 0, 0, 0}},
      // Bytes that are no ball are never drawn and never index past the ball table.
      {"bytes that are no ball count as missing",
       {0, 2, 3, 4, 5, 200, 12, 13, 14, 15, 91, 255, 43, 44, 45},
       {},
       {1, 1, 4, 200}},
      {"a lone stray byte is the awaited number",
       {90, 2, 3, 4, 255, 11, 12, 13, 14, 15, 41, 42, 43, 44, 45},
       {},
       {1, 0, 1, 255}},
      {"a never-loaded card misses everything", {}, {}, {1, 5, 15, 0}},
  };
  for (const Row& r : rows) {
    FakeFileSystem files;
    files.addFile(kType0, cardFile({r.card}));
    Tickets fresh(files);
    fresh.TicketBase_Init();
    const TicketRange sold[] = {{1, 5}};
    fresh.bought().SoldSet_Rebuild(sold);
    fresh.EditKupEndExit("1", "1", false, factsAllBut(r.undrawn, 0));
    EXPECT_EQ(fresh.analysis().RankTable(1), r.expected) << r.name;
    TicketAnalysis literal;
    literal.runLiteral(fresh.base(), fresh.bought(), factsAllBut(r.undrawn, 0));
    EXPECT_EQ(literal.RankTable(1), r.expected) << r.name;
  }
}

TEST_F(Checked, NearWinFigures) {
  // Tickets 1..3 miss 1, 2 and 2 for a line; ticket 4 is bought but not sold.
  load({{1, 2, 3, 4, 5, 60, 61, 62, 63, 64, 70, 71, 72, 73, 74},
        {1, 2, 3, 6, 7, 60, 61, 62, 63, 64, 70, 71, 72, 73, 74},
        {1, 2, 3, 8, 9, 60, 61, 62, 63, 64, 70, 71, 72, 73, 74},
        {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}});
  const TicketRange sold[] = {{1, 3}};
  tickets.bought().SoldSet_Rebuild(sold);
  EXPECT_EQ(analysis().LineWaitMin(), 0);  // nothing analysed yet
  buy(1, 4, factsWith({1, 2, 3, 4}, 0));
  EXPECT_EQ(analysis().LineWaitMin(), 1);
  EXPECT_EQ(analysis().LineWaitCount(), 1);
  EXPECT_EQ(analysis().BingoWaitMin(), 11);
  EXPECT_EQ(analysis().BingoWaitCount(), 1);
  EXPECT_EQ(analysis().RowMissCount(2), 2);
  EXPECT_EQ(analysis().TotalMissCount(12), 2);
  EXPECT_EQ(analysis().analysedCount(), 3u);
  EXPECT_EQ(analysis().RankTable(4), (TicketRank{4, 10, 16, 0}));
}

TEST(RankSort, ExchangeRuleAndTies) {
  // Position order after the passes, worked out by hand from the exchange rule.
  const std::vector<TicketRank> mixed = {
      {1, 10, 16, 0}, {2, 2, 8, 0}, {3, 1, 9, 0}, {4, 2, 8, 0}, {5, 0, 7, 0}};
  const std::vector<TicketRank> equal = {{1, 2, 8, 0}, {2, 2, 8, 0}, {3, 2, 8, 0}};
  struct Row {
    const std::vector<TicketRank>& start;
    bool hint, BingoPhase;
    std::vector<std::uint16_t> order;
  };
  const Row rows[] = {
      {mixed, false, false, {5, 3, 2, 4, 1}},
      {mixed, true, true, {5, 3, 2, 4, 1}},
      {mixed, true, false, {5, 3, 2, 4, 1}},
      // TotalMiss only: 4 stays ahead of 2, equal keys are never exchanged.
      {mixed, false, true, {5, 4, 2, 3, 1}},
      {equal, false, false, {1, 2, 3}},
      {equal, false, true, {1, 2, 3}},
  };
  RankSorter sorter;
  for (const Row& r : rows) {
    for (int fast = 0; fast < 2; ++fast) {
      auto table = r.start;
      if (fast)
        sorter.sort(table, r.hint, r.BingoPhase);
      else
        rankLiteral(table, r.hint, r.BingoPhase);
      std::vector<std::uint16_t> order;
      for (const auto& record : table) order.push_back(record.ticket);
      EXPECT_EQ(order, r.order) << "hint " << r.hint << " bingo " << r.BingoPhase << " fast " << fast;
    }
  }
}

// A record as a count makes it: RowMiss the least of three row misses, TotalMiss their sum.
TicketRank randomRecord(std::mt19937& random, std::uint16_t ticket, double analysedShare, int lowest) {
  if (std::uniform_real_distribution<>(0, 1)(random) >= analysedShare) return {ticket, 10, 16, 0};
  std::uniform_int_distribution<int> miss(lowest, 5);
  const int a = miss(random), b = miss(random), c = miss(random);
  return {ticket, static_cast<std::uint8_t>(std::min({a, b, c})), static_cast<std::uint8_t>(a + b + c),
          static_cast<std::uint8_t>(random() % 91)};
}

TEST(RankSort, FastRankingLeavesTheWholeTableAsTheExchangesDo) {
  std::mt19937 random(20261206);
  RankSorter sorter;
  for (int state = 0; state < 1500; ++state) {
    const std::size_t n = 1 + random() % (state % 10 == 0 ? 3000 : 200);
    const double share = std::array{0.0, 0.01, 0.1, 0.5, 0.9, 1.0}[random() % 6];
    const int lowest = static_cast<int>(random() % 4);  // high lowest miss: many ties
    std::vector<TicketRank> table(n);
    for (std::size_t i = 0; i < n; ++i)
      table[i] = randomRecord(random, static_cast<std::uint16_t>(i + 1), share, lowest);
    const bool hint = random() % 2, bingoPhase = random() % 2;
    auto expected = table;
    rankLiteral(expected, hint, bingoPhase);
    sorter.sort(table, hint, bingoPhase);
    ASSERT_EQ(table, expected) << "state " << state << " n " << n << " share " << share;
  }
}

// Random 90-ball cards: fifteen different numbers.
std::vector<Card> randomCards(std::mt19937& random, std::size_t n) {
  std::vector<Card> cards(n);
  std::array<std::uint8_t, 90> balls;
  for (std::size_t i = 0; i < 90; ++i) balls[i] = static_cast<std::uint8_t>(i + 1);
  for (Card& card : cards) {
    std::shuffle(balls.begin(), balls.end(), random);
    std::copy_n(balls.begin(), 15, card.begin());
  }
  return cards;
}

TEST(TicketAnalysis, RunAgreesWithTheLiteralCheckThroughAGame) {
  std::mt19937 random(7);
  FakeFileSystem fs;
  auto cards = randomCards(random, 24192);
  cards[17][4] = 0;  // a few damaged cards among them
  cards[99][9] = 250;
  cards[99][8] = cards[99][7];
  fs.addFile("C:\\Orma\\Bingo\\Arh\\CfgW\\A24192.3x5", cardFile(cards));
  fs.addFile("C:\\Orma\\Bingo\\Arh\\CfgW\\A5952.3x5", cardFile(randomCards(random, 5952)));
  Tickets tickets(fs);
  tickets.TicketBase_Init();
  tickets.base().TicketBase_SelectType(3);
  // One analysis follows the whole sequence, as in a console; each state is
  // held against a literal check made from nothing.
  struct Row {
    int drawn;
    bool newGame;
    int boughtLast;
    int type;  // card type selected before the run
    bool BingoPhase, hint;
  };
  const Row rows[] = {
      {10, false, 24192, 3, false, false},
      {11, false, 24192, 3, false, true},
      {40, false, 24192, 3, true, false},
      {60, false, 24192, 3, true, true},
      {75, false, 300, 3, false, false},
      {1, true, 300, 3, false, false},
      {5, false, 24192, 3, false, false},
      {30, false, 24192, 1, true, false},
      {31, false, 7, 1, false, false},
      {45, true, 24192, 0, false, false},  // no file of type 0: the cards stay as they were
  };
  std::vector<int> order(90);
  std::iota(order.begin(), order.end(), 1);
  std::shuffle(order.begin(), order.end(), random);
  TicketAnalysis fast;
  const TicketRange sold[] = {{1, 24192}};
  for (const Row& r : rows) {
    if (r.newGame) std::shuffle(order.begin(), order.end(), random);
    tickets.base().TicketBase_SelectType(static_cast<std::uint8_t>(r.type));
    tickets.bought().clear();
    tickets.bought().SoldSet_Rebuild(sold);
    tickets.EditKupEndExit("1", std::to_string(r.boughtLast), false, factsWith({}, 0));
    FrameFacts facts;
    for (int i = 0; i < r.drawn; ++i)
      facts.Drawn[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])] = true;
    facts.LOP = r.drawn;
    facts.BingoPhase = r.BingoPhase;
    facts.HintSwitch = r.hint;
    TicketAnalysis literal;
    fast.TicketAnalysis_Run(tickets.base(), tickets.bought(), facts);
    literal.runLiteral(tickets.base(), tickets.bought(), facts);
    for (std::size_t p = 1; p <= kTicketSentinel; ++p)
      ASSERT_EQ(fast.RankTable(p), literal.RankTable(p)) << "position " << p << " after " << r.drawn;
    for (std::size_t k = 0; k < TicketAnalysis::kMissCounts; ++k) {
      EXPECT_EQ(fast.RowMissCount(k), literal.RowMissCount(k)) << k;
      EXPECT_EQ(fast.TotalMissCount(k), literal.TotalMissCount(k)) << k;
    }
    EXPECT_EQ(fast.LineWaitMin(), literal.LineWaitMin());
    EXPECT_EQ(fast.BingoWaitMin(), literal.BingoWaitMin());
    EXPECT_EQ(fast.analysedCount(), literal.analysedCount());
    for (std::size_t n = 0; n < 6; ++n) {
      EXPECT_EQ(fast.bestTickets()[n].header, literal.bestTickets()[n].header);
      EXPECT_EQ(fast.bestTickets()[n].cells, literal.bestTickets()[n].cells);
      EXPECT_EQ(fast.bestTickets()[n].Hit, literal.bestTickets()[n].Hit);
    }
  }
  // Released cards read as zero: every analysed ticket misses all fifteen.
  tickets.TicketBase_Free();
  fast.TicketAnalysis_Run(tickets.base(), tickets.bought(), factsWith({1, 2, 3}, 3));
  EXPECT_EQ(fast.RankTable(1), (TicketRank{1, 5, 15, 0}));
  EXPECT_EQ(fast.TotalMissCount(15), 24192);
}

TEST_F(Checked, BestTicketsShowTheLeadingBoughtTickets) {
  load({{9, 10, 19, 20, 29, 30, 39, 40, 49, 50, 80, 81, 88, 89, 90},
        {1, 2, 3, 4, 5, 11, 12, 13, 14, 15, 41, 42, 43, 44, 45}});
  buy(1, 1, factsWith({9, 89, 90}, 3));
  const TicketDisplay& best = analysis().bestTickets()[0];
  EXPECT_EQ(best.header, "   1");
  // Row 1: 9 in column 1, 10 and 19 fight for column 2, 20 and 29 for column 3.
  const std::array<std::string, 9> row1 = {" 9", "19", "29", "*", "*", "*", "*", "*", "*"};
  const std::array<std::string, 9> row3 = {"*", "*", "*", "*", "*", "*", "*", "*", "90"};
  EXPECT_TRUE(std::equal(row1.begin(), row1.end(), best.cells.begin()));
  EXPECT_TRUE(std::equal(row3.begin(), row3.end(), best.cells.begin() + 18));
  EXPECT_TRUE(best.Hit[0]);
  EXPECT_FALSE(best.Hit[1]);
  EXPECT_TRUE(best.Hit[26]);
  for (std::size_t n = 1; n < 6; ++n) {
    EXPECT_EQ(analysis().bestTickets()[n].header, " ");
    EXPECT_EQ(analysis().bestTickets()[n].cells[0], " ");
  }
}

TEST_F(Checked, StrayBytesHaveNoPlaceOnTheGrid) {
  load({{0, 10, 95, 255, 29, 1, 39, 40, 49, 50, 80, 81, 88, 89, 90}});
  buy(1, 1, factsWith({}, 0));
  const TicketDisplay& best = analysis().bestTickets()[0];
  const std::array<std::string, 9> row1 = {"*", "10", "29", "*", "*", "*", "*", "*", "*"};
  EXPECT_TRUE(std::equal(row1.begin(), row1.end(), best.cells.begin()));
  EXPECT_EQ(best.cells[9], " 1");  // the lowest ball has its place
}

}  // namespace
}  // namespace bingo
