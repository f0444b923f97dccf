#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "ticket_fixtures.h"

namespace bingo {
namespace {

using test::Card;
using test::factsAllBut;
using test::factsWith;
using test::Hall;

constexpr Card kPlain = {1, 2, 3, 4, 5, 11, 12, 13, 14, 15, 41, 42, 43, 44, 45};

TEST(TicketAnalysis, CountsMissesRowByRow) {
  struct Row {
    const char* name;
    Card card;
    std::initializer_list<int> undrawn;
    TicketRank expected;  // for ticket 1
  };
  const Row rows[] = {
      {"rows missing 1, 0 and 1", kPlain, {5, 45}, {1, 0, 2, 45}},
      {"a row of four drawn waits for its fifth", kPlain, {3, 11, 12, 41, 42}, {1, 1, 5, 3}},
      {"a later row's awaited number wins", kPlain, {3, 11, 12, 44}, {1, 1, 4, 44}},
      {"bingo", kPlain, {}, {1, 0, 0, 0}},
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
    Hall h({r.card}, {{1, 5}});
    h.tickets.EditKupEndExit("1", "1", false, factsAllBut(r.undrawn, 0));
    EXPECT_EQ(h.analysis.RankTable(1), r.expected) << r.name;
    TicketAnalysis literal;
    literal.runLiteral(h.tickets.base(), h.bought, factsAllBut(r.undrawn, 0));
    EXPECT_EQ(literal.RankTable(1), r.expected) << r.name;
  }
}

TEST(TicketAnalysis, NearWinFigures) {
  // Tickets 1..3 miss 1, 2 and 2 for a line; ticket 4 is bought but not sold.
  Hall h({{1, 2, 3, 4, 5, 60, 61, 62, 63, 64, 70, 71, 72, 73, 74},
          {1, 2, 3, 6, 7, 60, 61, 62, 63, 64, 70, 71, 72, 73, 74},
          {1, 2, 3, 8, 9, 60, 61, 62, 63, 64, 70, 71, 72, 73, 74},
          {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
         {{1, 3}});
  EXPECT_EQ(h.analysis.LineWaitMin(), 0);  // nothing analysed yet
  h.tickets.EditKupEndExit("1", "4", false, factsWith({1, 2, 3, 4}, 0));
  const TicketAnalysis& a = h.analysis;
  EXPECT_EQ((std::vector<int>{a.LineWaitMin(), a.LineWaitCount(), a.BingoWaitMin(), a.BingoWaitCount(),
                              a.RowMissCount(2), a.TotalMissCount(12), int(a.analysedCount())}),
            (std::vector<int>{1, 1, 11, 1, 2, 2, 3}));
  EXPECT_EQ(a.RankTable(4), (TicketRank{4, 10, 16, 0}));
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
      fast ? sorter.sort(table, r.hint, r.BingoPhase) : rankLiteral(table, r.hint, r.BingoPhase);
      std::vector<std::uint16_t> order;
      for (const auto& record : table) order.push_back(record.ticket);
      EXPECT_EQ(order, r.order) << "hint " << r.hint << " bingo " << r.BingoPhase << " fast " << fast;
    }
  }
}

TEST(RankSort, FastRankingLeavesTheWholeTableAsTheExchangesDo) {
  std::mt19937 random(20261206);
  RankSorter sorter;
  for (int state = 0; state < 1500; ++state) {
    const std::size_t n = 1 + random() % (state % 10 == 0 ? 3000 : 200);
    const double share = std::array{0.0, 0.01, 0.1, 0.5, 0.9, 1.0}[random() % 6];
    std::uniform_int_distribution<int> miss(static_cast<int>(random() % 4),
                                            5);  // a high lowest miss: many ties
    std::vector<TicketRank> table(n);
    for (std::size_t i = 0; i < n; ++i) {
      // A record as a count makes it: RowMiss the least of three row misses, TotalMiss their sum.
      const auto ticket = static_cast<std::uint16_t>(i + 1);
      const int a = miss(random), b = miss(random), c = miss(random);
      table[i] =
          std::uniform_real_distribution<>(0, 1)(random) >= share
              ? TicketRank{ticket, 10, 16, 0}
              : TicketRank{ticket, static_cast<std::uint8_t>(std::min({a, b, c})),
                           static_cast<std::uint8_t>(a + b + c), static_cast<std::uint8_t>(random() % 91)};
    }
    const bool hint = random() % 2, bingoPhase = random() % 2;
    auto expected = table;
    rankLiteral(expected, hint, bingoPhase);
    sorter.sort(table, hint, bingoPhase);
    ASSERT_EQ(table, expected) << "state " << state << " n " << n << " share " << share;
  }
}

// Every figure of an analysis but the ranking, in one line.
std::string figures(const TicketAnalysis& a) {
  std::string text = std::to_string(a.LineWaitMin()) + " " + std::to_string(a.BingoWaitMin()) + " " +
                     std::to_string(a.analysedCount()) + ":";
  for (std::size_t k = 0; k < TicketAnalysis::kMissCounts; ++k)
    text += " " + std::to_string(a.RowMissCount(k)) + "/" + std::to_string(a.TotalMissCount(k));
  return text;
}

TEST(TicketAnalysis, RunAgreesWithTheLiteralCheckThroughAGame) {
  std::mt19937 random(7);
  // Random 90-ball cards: fifteen different numbers.
  const auto randomCards = [&random](std::size_t n) {
    std::vector<Card> cards(n);
    std::array<std::uint8_t, 90> balls;
    std::iota(balls.begin(), balls.end(), std::uint8_t{1});
    for (Card& card : cards) {
      std::shuffle(balls.begin(), balls.end(), random);
      std::copy_n(balls.begin(), 15, card.begin());
    }
    return cards;
  };
  Hall h;
  auto cards = randomCards(24192);
  cards[17][4] = 0;  // a few damaged cards among them
  cards[99][9] = 250;
  cards[99][8] = cards[99][7];
  h.fs.addFile("C:\\Orma\\Bingo\\Arh\\CfgW\\A24192.3x5", test::cardFile(cards));
  h.fs.addFile("C:\\Orma\\Bingo\\Arh\\CfgW\\A5952.3x5", test::cardFile(randomCards(5952)));
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
  for (const Row& r : rows) {
    if (r.newGame) std::shuffle(order.begin(), order.end(), random);
    h.tickets.base().TicketBase_SelectType(static_cast<std::uint8_t>(r.type));
    h.tickets.bought().clear();
    h.tickets.bought().SoldSet_Rebuild(test::Ranges{{1, 24192}});
    h.enter(1, r.boughtLast);
    FrameFacts facts = factsWith({}, r.drawn, r.BingoPhase, r.hint);
    for (int i = 0; i < r.drawn; ++i)
      facts.Drawn[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])] = true;
    TicketAnalysis literal;
    fast.TicketAnalysis_Run(h.tickets.base(), h.bought, facts);
    literal.runLiteral(h.tickets.base(), h.bought, facts);
    for (std::size_t p = 1; p <= kTicketSentinel; ++p)
      ASSERT_EQ(fast.RankTable(p), literal.RankTable(p)) << "position " << p << " after " << r.drawn;
    EXPECT_EQ(figures(fast), figures(literal)) << r.drawn;
  }
  // Released cards read as zero: every analysed ticket misses all fifteen.
  h.tickets.TicketBase_Free();
  fast.TicketAnalysis_Run(h.tickets.base(), h.bought, factsWith({1, 2, 3}, 3));
  EXPECT_EQ(fast.RankTable(1), (TicketRank{1, 5, 15, 0}));
  EXPECT_EQ(fast.TotalMissCount(15), 24192);
}

// The grid of a best ticket: rows by "/", cells by ",", a drawn cell marked "+".
std::string grid(const TicketDisplay& t) {
  std::string text = t.header + ":";
  for (std::size_t c = 0; c < 27; ++c)
    text += (c % 9 ? "," : c ? "/" : "") + t.cells[c] + (t.Hit[c] ? "+" : "");
  return text;
}

TEST(TicketAnalysis, BestTicketsShowTheLeadingBoughtTickets) {
  // Row 1: 9 in column 1, 10 and 19 fight for column 2, 20 and 29 for column 3;
  // bytes that are no ball have no place on the grid.
  struct Row {
    Card card;
    const char* grid;
  };
  const Row rows[] = {
      {{9, 10, 19, 20, 29, 30, 39, 40, 49, 50, 80, 81, 88, 89, 90},
       "   1: 9+,19,29,*,*,*,*,*,*/*,*,*,39,49,50,*,*,*/*,*,*,*,*,*,*,*,90+"},
      {{0, 10, 95, 255, 29, 1, 39, 40, 49, 50, 80, 81, 88, 89, 90},
       "   1:*,10,29,*,*,*,*,*,*/ 1,*,*,39,49,50,*,*,*/*,*,*,*,*,*,*,*,90+"},
  };
  for (const Row& r : rows) {
    Hall h({r.card, kPlain}, {{1, 1944}});
    h.tickets.EditKupEndExit("1", "1", false, factsWith({9, 89, 90}, 3));
    EXPECT_EQ(grid(h.analysis.bestTickets()[0]), r.grid);
    for (std::size_t n = 1; n < 6; ++n) EXPECT_EQ(grid(h.analysis.bestTickets()[n]).substr(0, 4), " : ,");
  }
}

}  // namespace
}  // namespace bingo
