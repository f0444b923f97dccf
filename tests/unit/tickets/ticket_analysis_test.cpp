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
using test::kPlain;

TEST(TicketAnalysis, CountsMissesRowByRow) {
  // Name, card of ticket 1, balls not drawn, its record.
  const std::tuple<const char*, Card, std::vector<int>, TicketRank> rows[] = {
      {"rows missing 1, 0 and 1", kPlain, {5, 45}, {1, 0, 2, 45}},
      {"a row of four drawn waits for its fifth", kPlain, {3, 11, 12, 41, 42}, {1, 1, 5, 3}},
      {"a later row's awaited number wins", kPlain, {3, 11, 12, 44}, {1, 1, 4, 44}},
      {"bingo", kPlain, {}, {1, 0, 0, 0}},
      // Bytes that are no ball are never drawn and never index past the ball table.
      {"no ball counts as missing",
       {0, 2, 3, 4, 5, 200, 12, 13, 14, 15, 91, 255, 43, 44, 45},
       {},
       {1, 1, 4, 200}},
      {"a lone stray is awaited",
       {90, 2, 3, 4, 255, 11, 12, 13, 14, 15, 41, 42, 43, 44, 45},
       {},
       {1, 0, 1, 255}},
      {"a never-loaded card misses everything", {}, {}, {1, 5, 15, 0}}};
  for (const auto& [name, card, undrawn, expected] : rows) {
    Hall h({card}, {{1, 5}});
    h.tickets.EditKupEndExit("1", "1", false, factsAllBut(undrawn, 0));
    EXPECT_EQ(h.analysis.RankTable(1), expected) << name;
  }
}

// Misses falling one by one from 15 to none in ticket order: the longest chain
// of falling minima the sort can meet.
TEST(TicketAnalysis, MissesFallingFromFifteenToNoneSortLikeTheLiteralCheck) {
  std::vector<Card> cards(16);
  for (std::size_t k = 0; k < cards.size(); ++k)
    for (std::size_t n = 0; n < 15; ++n) cards[k][n] = static_cast<std::uint8_t>(n < k ? n + 1 : n + 16);
  std::vector<int> undrawn(75);
  std::iota(undrawn.begin(), undrawn.end(), 16);
  Hall h(cards, {{1, 16}});
  h.tickets.EditKupEndExit("1", "16", false, factsAllBut(undrawn, 15));
  TicketAnalysis literal;
  literal.runLiteral(h.tickets.base(), h.bought, factsAllBut(undrawn, 15));
  for (std::size_t p = 1; p <= 16; ++p) EXPECT_EQ(h.analysis.RankTable(p), literal.RankTable(p)) << p;
  EXPECT_EQ(h.analysis.RankTable(1).ticket, 16);
}

// Every figure of an analysis but the ranking, in one line.
std::string figures(const TicketAnalysis& a) {
  std::string text = std::to_string(a.LineWaitMin()) + " " + std::to_string(a.BingoWaitMin()) + " " +
                     std::to_string(a.analysedCount()) + ":";
  for (std::size_t k = 0; k < TicketAnalysis::kMissCounts; ++k)
    text += " " + std::to_string(a.RowMissCount(k)) + "/" + std::to_string(a.TotalMissCount(k));
  for (const TicketDisplay& best : a.bestTickets()) text += " " + best.header;
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
  // Balls drawn, a new game first, the tickets bought, the card type selected
  // (no file of type 0: the cards stay as they were), bingo phase, hints.
  const std::tuple<int, bool, int, int, std::uint8_t, bool, bool> rows[] = {
      {10, true, 1, 24192, 3, false, false}, {11, false, 1, 24192, 3, false, true},
      {40, false, 1, 24192, 3, true, false}, {60, false, 1, 24192, 3, true, true},
      {75, false, 1, 300, 3, false, false},  {1, true, 1, 300, 3, false, false},
      {5, false, 1, 24192, 3, false, false}, {30, false, 1, 24192, 1, true, false},
      {31, false, 1, 7, 1, false, false},    {32, false, 65, 24192, 3, false, false},
      {45, true, 1, 24192, 0, false, false}};
  std::vector<int> order(90);
  std::iota(order.begin(), order.end(), 1);
  TicketAnalysis fast;
  for (const auto& [drawn, newGame, boughtFirst, boughtLast, type, BingoPhase, hint] : rows) {
    if (newGame) std::shuffle(order.begin(), order.end(), random);
    h.tickets.base().TicketBase_SelectType(type);
    h.tickets.bought().clear();
    h.tickets.bought().SoldSet_Rebuild(test::Ranges{{1, 24192}});
    h.enter(boughtFirst, boughtLast);
    FrameFacts facts = factsWith({}, drawn, BingoPhase, hint);
    for (int i = 0; i < drawn; ++i)
      facts.Drawn[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])] = true;
    TicketAnalysis literal;
    fast.TicketAnalysis_Run(h.tickets.base(), h.bought, facts);
    literal.runLiteral(h.tickets.base(), h.bought, facts);
    for (std::size_t p = 1; p <= kTicketSentinel; ++p)
      ASSERT_EQ(fast.RankTable(p), literal.RankTable(p)) << "position " << p << " after " << drawn;
    EXPECT_EQ(figures(fast), figures(literal)) << drawn;
  }
}

// The grid of a best ticket: rows by "/", cells by ",", a drawn cell marked "+".
std::string grid(const TicketDisplay& t) {
  std::string text = t.header + ":";
  for (std::size_t c = 0; c < 27; ++c)
    text += (c % 9 ? "," : c ? "/" : "") + t.cells[c] + (t.Hit[c] ? "+" : "");
  return text;
}

TEST(TicketAnalysis, BestTicketsPlaceNumbersByColumn) {
  // The screen dumps hold a plain card; here 40 and 49 fight for column 5,
  // 80..90 for column 9, and bytes that are no ball have no place.
  Hall h({{0, 10, 95, 255, 29, 1, 39, 40, 49, 91, 80, 81, 88, 89, 90}}, {{1, 1944}});
  h.tickets.EditKupEndExit("1", "1", false, factsWith({10, 89, 90}, 3));
  EXPECT_EQ(grid(h.analysis.bestTickets()[0]),
            "   1:*,10+,29,*,*,*,*,*,*/ 1,*,*,39,49,*,*,*,*/*,*,*,*,*,*,*,*,90+");
  // A new ticket base clears it: no ticket shown, nothing counted.
  h.tickets.TicketBase_Init();
  EXPECT_EQ(grid(h.analysis.bestTickets()[0]) + std::to_string(h.analysis.RowMissCount(0)) +
                std::to_string(h.analysis.analysedCount() + h.analysis.RankTable(1).RowMiss),
            " : , , , , , , , , / , , , , , , , , / , , , , , , , , 010");
}

}  // namespace
}  // namespace bingo
