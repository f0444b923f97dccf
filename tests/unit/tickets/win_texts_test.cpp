#include <gtest/gtest.h>

#include "support/fake_file_system.h"
#include "ticket_fixtures.h"
#include "tickets/tickets.h"
#include "tickets/win_texts.h"

namespace bingo {
namespace {

using test::Card;
using test::cardFile;
using test::factsAllBut;
using test::factsWith;
using test::FakeFileSystem;

constexpr Card kPlain = {1, 2, 3, 4, 5, 11, 12, 13, 14, 15, 41, 42, 43, 44, 45};
constexpr Card kOtherRows = {1, 2, 3, 4, 5, 21, 22, 23, 24, 25, 51, 52, 53, 54, 55};

// A hall of 1944 plain cards with a few others, every ticket sold.
class Announced : public ::testing::Test {
 protected:
  Announced() {
    std::vector<Card> cards(1944, kPlain);
    for (auto& [ticket, card] : special) cards[ticket - 1] = card;
    fs.addFile("C:\\Orma\\Bingo\\Arh\\CfgW\\A1944.3x5", cardFile(cards));
    tickets.TicketBase_Init();
    const TicketRange sold[] = {{1, 1944}};
    tickets.bought().SoldSet_Rebuild(sold);
  }
  void buy(int first, int last) {
    tickets.EditKupEndExit(std::to_string(first), std::to_string(last), false, factsWith({}, 0));
  }
  std::string winText(const FrameFacts& facts) {
    tickets.TicketAnalysis_Run(facts);
    return WinText_Build(tickets.analysis(), captions, facts.BingoPhase, facts.LOP);
  }
  std::string bestText(const FrameFacts& facts) {
    tickets.TicketAnalysis_Run(facts);
    waited.fill(true);
    return BestTicketText_Build(tickets.analysis(), captions, facts.BingoPhase,
                                tickets.bought().BoughtCount(), waited);
  }
  std::vector<int> marked() const {
    std::vector<int> balls;
    for (int v = 0; v <= 90; ++v)
      if (waited[static_cast<std::size_t>(v)]) balls.push_back(v);
    return balls;
  }

  std::vector<std::pair<int, Card>> special = {{456, kOtherRows}};
  FakeFileSystem fs;
  Tickets tickets{fs};
  test::SerbianCaptions captions;
  AwaitedMarks waited{};
};

TEST_F(Announced, WinTexts) {
  struct Row {
    const char* name;
    std::vector<std::pair<int, int>> bought;
    FrameFacts facts;
    const char* text;
  };
  const Row rows[] = {
      {"two line winners",
       {{123, 123}, {456, 456}},
       factsWith({1, 2, 3, 4, 5}, 5),
       "DOBILI STE LINIJU TIKET: 123,  456"},
      // 456 misses fewer numbers in all, so the first pass puts it first.
      {"the nearer bingo first",
       {{123, 123}, {456, 456}},
       factsWith({1, 2, 3, 4, 5, 21, 22, 23, 24, 25}, 10),
       "DOBILI STE LINIJU TIKET: 456,  123"},
      {"two complete rows name the ticket once",
       {{7, 7}},
       factsWith({1, 2, 3, 4, 5, 11, 12, 13, 14, 15}, 10),
       "DOBILI STE LINIJU TIKET: 7"},
      {"no line before the fifth ball", {{123, 123}}, factsWith({1, 2, 3, 4, 5}, 4), ""},
      {"line and bingo in one tick give the bingo",
       {{17, 17}},
       factsWith({1, 2, 3, 4, 5, 11, 12, 13, 14, 15, 41, 42, 43, 44, 45}, 15),
       "DOBILI STE BINGO TIKET: 17"},
      {"no bingo before the fifteenth ball",
       {{17, 17}},
       factsWith({1, 2, 3, 4, 5, 11, 12, 13, 14, 15, 41, 42, 43, 44, 45}, 14),
       "DOBILI STE LINIJU TIKET: 17"},
      {"a row is no win in the bingo phase", {{17, 17}}, factsWith({1, 2, 3, 4, 5}, 20, true), ""},
      {"a bingo in the bingo phase",
       {{17, 18}},
       factsWith({1, 2, 3, 4, 5, 11, 12, 13, 14, 15, 41, 42, 43, 44, 45}, 30, true),
       "DOBILI STE BINGO TIKET: 17,  18"},
      {"a ticket not sold is no winner", {{1945, 1945}}, factsWith({1, 2, 3, 4, 5}, 5), ""},
  };
  for (const Row& r : rows) {
    tickets.TkKupDeleteAll(factsWith({}, 0));
    const TicketRange sold[] = {{1, 1944}};
    tickets.bought().SoldSet_Rebuild(sold);
    for (const auto& [first, last] : r.bought) buy(first, last);
    EXPECT_EQ(winText(r.facts), r.text) << r.name;
  }
}

TEST(WinText, NoWinnerBeforeTheFirstCheck) {
  FakeFileSystem fs;
  Tickets tickets(fs);
  tickets.TicketBase_Init();
  test::SerbianCaptions captions;
  EXPECT_EQ(WinText_Build(tickets.analysis(), captions, false, 20), "");
}

TEST_F(Announced, AtMostThirtyWinnersAreNamed) {
  buy(1, 40);
  std::string expected = "DOBILI STE LINIJU TIKET: 1";
  for (int t = 2; t <= 30; ++t) expected += ",  " + std::to_string(t);
  EXPECT_EQ(winText(factsWith({1, 2, 3, 4, 5}, 5)), expected);
}

TEST_F(Announced, BestTicketTexts) {
  struct Row {
    const char* name;
    FrameFacts facts;
    const char* text;
    std::vector<int> marks;
  };
  const Row rows[] = {
      {"one ball for a line", factsAllBut({5, 15, 45}, 12), "17 Ceka  LOPTA 45 LINIJA ", {45}},
      {"two balls for a line", factsAllBut({4, 5, 14, 15, 44, 45}, 12), "17 Ceka  2 LOPTA LINIJA ", {}},
      {"a line is there", factsAllBut({5, 15}, 12), "17 Ceka  0 LOPTA LINIJA ", {}},
      {"three balls for a bingo", factsAllBut({5, 15, 45}, 40, true), "17 Ceka 3 LOPTA BINGO", {}},
      {"one ball for a bingo", factsAllBut({45}, 40, true), "17 Ceka  LOPTA 45 BINGO ", {45}},
  };
  buy(17, 17);
  for (const Row& r : rows) {
    EXPECT_EQ(bestText(r.facts), r.text) << r.name;
    EXPECT_EQ(marked(), r.marks) << r.name;
  }
}

TEST_F(Announced, NoBestTicketTextWithoutAnAnalysedBoughtTicket) {
  EXPECT_EQ(bestText(factsAllBut({5}, 0)), "");
  EXPECT_TRUE(marked().empty());
  // Bought but not sold: the first record of the ranking is no bought ticket.
  buy(1945, 1946);
  ASSERT_EQ(tickets.bought().BoughtCount(), 2);
  EXPECT_EQ(bestText(factsAllBut({5}, 0)), "");
  EXPECT_TRUE(marked().empty());
}

// Every row misses one: 4, 5 and `awaited`; with `twice` every row misses two.
Card waitingCard(std::uint8_t awaited, bool twice = false) {
  if (twice) return {4, 7, 21, 31, 41, 5, 8, 22, 32, 42, awaited, 6, 23, 33, 43};
  return {4, 11, 21, 31, 41, 5, 12, 22, 32, 42, awaited, 13, 23, 33, 43};
}

TEST(AwaitedMarks, FollowTheRankingWhileTicketsMissOneBall) {
  struct Row {
    const char* name;
    std::vector<std::pair<int, Card>> cards;  // the rest wait for ball 1
    int bought;
    std::vector<int> marks;
  };
  const Row rows[] = {
      {"up to position 100", {{100, waitingCard(3)}, {101, waitingCard(2)}}, 101, {1, 3}},
      // Ticket 3 misses two balls in every row; the exchanges leave it at
      // position 31, in front of ticket 32.
      {"stop at the first ticket missing more", {{3, waitingCard(9, true)}, {32, waitingCard(2)}}, 40, {1}},
      {"no stop without it", {{32, waitingCard(2)}}, 40, {1, 2}},
  };
  for (const Row& r : rows) {
    std::vector<Card> cards(1944, waitingCard(1));
    for (const auto& [ticket, card] : r.cards) cards[static_cast<std::size_t>(ticket - 1)] = card;
    FakeFileSystem fs;
    fs.addFile("C:\\Orma\\Bingo\\Arh\\CfgW\\A1944.3x5", cardFile(cards));
    Tickets tickets(fs);
    tickets.TicketBase_Init();
    const TicketRange sold[] = {{1, 1944}};
    tickets.bought().SoldSet_Rebuild(sold);
    tickets.EditKupEndExit("1", std::to_string(r.bought), false,
                           factsAllBut({1, 2, 3, 4, 5, 6, 7, 8, 9}, 30));
    AwaitedMarks waited{};
    test::SerbianCaptions captions;
    EXPECT_EQ(
        BestTicketText_Build(tickets.analysis(), captions, false, tickets.bought().BoughtCount(), waited),
        "1 Ceka  LOPTA 1 LINIJA ")
        << r.name;
    std::vector<int> marks;
    for (int v = 0; v <= 90; ++v)
      if (waited[static_cast<std::size_t>(v)]) marks.push_back(v);
    EXPECT_EQ(marks, r.marks) << r.name;
  }
}

}  // namespace
}  // namespace bingo
