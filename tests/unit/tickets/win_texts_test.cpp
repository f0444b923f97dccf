#include "tickets/win_texts.h"

#include <gtest/gtest.h>

#include "ticket_fixtures.h"

namespace bingo {
namespace {

using test::Card;
using test::factsAllBut;
using test::factsWith;
using test::Hall;
using test::kPlain;

using Special = std::vector<std::pair<int, Card>>;

// 1944 cards like `card` but the special ones, every ticket sold.
std::vector<Card> cardsOf(const Card& card, const Special& special) {
  std::vector<Card> cards(1944, card);
  for (const auto& [ticket, c] : special) cards[static_cast<std::size_t>(ticket - 1)] = c;
  return cards;
}

TEST(WinText, NamesTheWinnersOfTheTick) {
  // Ticket 456 has other second and third rows.
  const Special special = {{456, {1, 2, 3, 4, 5, 21, 22, 23, 24, 25, 51, 52, 53, 54, 55}}};
  const FrameFacts row1 = factsWith({1, 2, 3, 4, 5}, 5),
                   rows12 = factsWith({1, 2, 3, 4, 5, 11, 12, 13, 14, 15}, 10);
  const std::string line = "DOBILI STE LINIJU TIKET: ", bingo = "DOBILI STE BINGO TIKET: ";
  std::string thirty = line + "1";
  for (int t = 2; t <= 30; ++t) thirty += ",  " + std::to_string(t);
  // Name, bought ranges, the tick, the text.
  const std::tuple<const char*, std::vector<std::pair<int, int>>, FrameFacts, std::string> rows[] = {
      {"two line winners", {{123, 123}, {456, 456}}, row1, line + "123,  456"},
      // 456 misses fewer numbers in all, so the first pass puts it first.
      {"the nearer bingo first",
       {{123, 123}, {456, 456}},
       factsWith({1, 2, 3, 4, 5, 21, 22, 23, 24, 25}, 10),
       line + "456,  123"},
      {"two complete rows name the ticket once", {{7, 7}}, rows12, line + "7"},
      {"at most thirty winners are named", {{1, 40}}, row1, thirty},
      {"no line before the fifth ball", {{123, 123}}, factsWith({1, 2, 3, 4, 5}, 4), ""},
      {"line and bingo in one tick give the bingo", {{17, 17}}, factsAllBut({}, 15), bingo + "17"},
      {"no bingo before the fifteenth ball", {{17, 17}}, factsAllBut({}, 14), line + "17"},
      {"a row is no win in the bingo phase", {{17, 17}}, factsWith({1, 2, 3, 4, 5}, 20, true), ""},
      {"a bingo in the bingo phase", {{17, 18}}, factsAllBut({}, 30, true), bingo + "17,  18"},
      {"a ticket not sold is no winner", {{1945, 1945}}, row1, ""}};
  for (const auto& [name, bought, facts, text] : rows) {
    Hall h(cardsOf(kPlain, special), {{1, 1944}});
    for (const auto& [first, last] : bought) h.enter(first, last);
    h.tickets.TicketAnalysis_Run(facts);
    EXPECT_EQ(WinText_Build(h.analysis, h.captions, facts.BingoPhase, facts.LOP), text) << name;
  }
}

// Every row misses one: 4, 5 and `awaited`; with `twice` every row misses two.
Card waitingCard(std::uint8_t awaited, bool twice = false) {
  if (twice) return {4, 7, 21, 31, 41, 5, 8, 22, 32, 42, awaited, 6, 23, 33, 43};
  return {4, 11, 21, 31, 41, 5, 12, 22, 32, 42, awaited, 13, 23, 33, 43};
}

// The best-ticket text of a hall of `card`s but the special ones, then the balls marked.
std::string best(const Card& card, const Special& special, std::pair<int, int> bought,
                 const FrameFacts& facts) {
  Hall h(cardsOf(card, special), {{1, 1944}});
  if (bought.first) h.enter(bought.first, bought.second);
  h.tickets.TicketAnalysis_Run(facts);
  AwaitedMarks waited;
  waited.fill(true);
  std::string text =
      BestTicketText_Build(h.analysis, h.captions, facts.BingoPhase, h.bought.BoughtCount(), waited) + "|";
  for (int v = 0; v <= 90; ++v)
    if (waited[static_cast<std::size_t>(v)]) text += " " + std::to_string(v);
  return text;
}

TEST(BestTicketText, NamesTheLeaderAndMarksTheAwaitedBalls) {
  // Tickets bought (0: none), the tick, the text and the balls marked. Bought
  // but not sold, the first record of the ranking is no bought ticket.
  const std::tuple<std::pair<int, int>, FrameFacts, const char*> rows[] = {
      {{17, 17}, factsAllBut({5, 15, 45}, 12), "17 Ceka  LOPTA 45 LINIJA | 45"},
      {{17, 17}, factsAllBut({4, 5, 14, 15, 44, 45}, 12), "17 Ceka  2 LOPTA LINIJA |"},
      {{17, 17}, factsAllBut({5, 15}, 12), "17 Ceka  0 LOPTA LINIJA |"},
      {{17, 17}, factsAllBut({5, 15, 45}, 40, true), "17 Ceka 3 LOPTA BINGO|"},
      {{17, 17}, factsAllBut({45}, 40, true), "17 Ceka  LOPTA 45 BINGO | 45"},
      {{0, 0}, factsAllBut({5}, 0), "|"},
      {{1945, 1946}, factsAllBut({5}, 0), "|"}};
  for (const auto& [bought, facts, text] : rows) EXPECT_EQ(best(kPlain, {}, bought, facts), text);
  // Tickets waiting for ball 1 but the special ones, the last bought: the
  // awaited balls are marked down the ranking while tickets miss one ball.
  const std::tuple<Special, int, const char*> waiting[] = {
      {{{100, waitingCard(90)}, {101, waitingCard(2)}}, 101, "| 1 90"},  // up to position 100
      // Ticket 3 misses two balls in every row; the exchanges leave it at
      // position 31, in front of ticket 32, and the marks stop there.
      {{{3, waitingCard(9, true)}, {32, waitingCard(2)}}, 40, "| 1"},
      {{{32, waitingCard(2)}}, 40, "| 1 2"}};
  for (const auto& [special, last, marks] : waiting)
    EXPECT_EQ(best(waitingCard(1), special, {1, last}, factsAllBut({1, 2, 3, 4, 5, 6, 7, 8, 9, 90}, 30)),
              std::string("1 Ceka  LOPTA 1 LINIJA ") + marks);
}

}  // namespace
}  // namespace bingo
