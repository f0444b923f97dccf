#include <gtest/gtest.h>

#include "platform/app_error.h"
#include "support/fake_file_system.h"
#include "ticket_fixtures.h"
#include "tickets/tickets.h"

namespace bingo {
namespace {

using test::factsWith;
using test::FakeFileSystem;
using Ranges = std::vector<TicketRange>;
using Lines = std::vector<std::string>;

Ranges listed(const BoughtTickets& bought) {
  Ranges out;
  for (std::size_t i = 0; i < BoughtTickets::kSlots; ++i)
    if (bought.TkKupPoc(i) != 0) out.push_back({bought.TkKupPoc(i), bought.TkKupEnd(i)});
  return out;
}

std::size_t boughtFlagsSet(const BoughtTickets& bought) {
  std::size_t n = 0;
  for (std::size_t t = 0; t < kTicketTableSize; ++t) n += bought.Bought(t);
  return n;
}

class TicketEntry : public ::testing::Test {
 protected:
  TicketEntry() { tickets.TicketBase_Init(); }
  Lines enter(const std::string& poc, const std::string& end, int LOP = 0) {
    return tickets.EditKupEndExit(poc, end, false, factsWith({}, LOP));
  }
  FakeFileSystem fs;
  Tickets tickets{fs};
  const BoughtTickets& bought = tickets.bought();
};

TEST_F(TicketEntry, CommitsMergeIntoRunsAndCountThem) {
  struct Row {
    const char* name;
    std::vector<std::pair<const char*, const char*>> entries;
    Ranges ranges;
    std::uint16_t count;
  };
  const Row rows[] = {
      {"overlapping ranges merge", {{"10", "20"}, {"15", "30"}}, {{10, 30}}, 21},
      {"adjacent ranges merge", {{"1", "5"}, {"6", "9"}}, {{1, 9}}, 9},
      {"a single ticket", {{"7", "7"}}, {{7, 7}}, 1},
      {"ranges list in ticket order", {{"50", "60"}, {"1", "2"}}, {{1, 2}, {50, 60}}, 13},
      {"the whole range", {{"1", "24192"}}, {{1, 24192}}, 24192},
      {"first above last is dropped", {{"20", "10"}}, {}, 0},
      {"zero is dropped", {{"0", "5"}}, {}, 0},
      {"empty fields are dropped", {{"", ""}}, {}, 0},
      {"negative pasted number is dropped", {{"-5", "5"}}, {}, 0},
      // Never folded onto another ticket (30000 would have bought 5807).
      {"a number above the last ticket is refused", {{"1", "30000"}}, {}, 0},
      {"the sentinel ticket is refused", {{"24193", "24193"}}, {}, 0},
      {"a refused entry keeps the earlier ones", {{"3", "4"}, {"24190", "24193"}}, {{3, 4}}, 2},
  };
  for (const Row& r : rows) {
    Tickets fresh(fs);
    fresh.TicketBase_Init();
    for (const auto& [poc, end] : r.entries) {
      const Lines memo = fresh.EditKupEndExit(poc, end, false, factsWith({}, 0));
      EXPECT_EQ(memo, Lines{std::string("U: ") + poc + " " + end}) << r.name;
    }
    EXPECT_EQ(listed(fresh.bought()), r.ranges) << r.name;
    EXPECT_EQ(fresh.bought().BoughtCount(), r.count) << r.name;
    EXPECT_EQ(boughtFlagsSet(fresh.bought()), r.count) << r.name;
  }
}

TEST_F(TicketEntry, TenthRunIsRefusedWithAMemoLine) {
  for (int k = 0; k < 9; ++k) enter(std::to_string(1 + 4 * k), std::to_string(3 + 4 * k));
  ASSERT_EQ(listed(bought).size(), 9u);
  EXPECT_EQ(enter("100", "110"), (Lines{"U: 100 110", "Opseg 100 - 110 nije unet: najvise 9 opsega"}));
  EXPECT_EQ(listed(bought).size(), 9u);
  EXPECT_EQ(bought.BoughtCount(), 27);
  EXPECT_EQ(boughtFlagsSet(bought), 27u);  // checked, listed and charged agree
  // A range that joins two runs or grows one is still taken.
  EXPECT_EQ(enter("4", "4"), Lines{"U: 4 4"});
  EXPECT_EQ(enter("36", "40"), Lines{"U: 36 40"});
  EXPECT_EQ(listed(bought).front(), (TicketRange{1, 7}));
  EXPECT_EQ(listed(bought).back(), (TicketRange{33, 40}));
  EXPECT_EQ(enter("100", "110"), (Lines{"U: 100 110"}));  // a slot is free again
  EXPECT_EQ(bought.BoughtCount(), 28 + 5 + 11);
}

TEST_F(TicketEntry, SecondDrumEntersEverythingWithoutAMemoLine) {
  const Lines memo = tickets.EditKupEndExit("not", "read", true, factsWith({}, 0));
  EXPECT_TRUE(memo.empty());
  EXPECT_EQ(listed(bought), (Ranges{{1, 24192}}));
}

TEST_F(TicketEntry, PastedTextRaisesAndStoresNothing) {
  enter("5", "6");
  EXPECT_THROW(enter("12a", "20"), AppError);
  EXPECT_THROW(enter("10", " "), AppError);
  EXPECT_THROW(enter("10", "99999999999"), AppError);
  EXPECT_EQ(listed(bought), (Ranges{{5, 6}}));
}

TEST_F(TicketEntry, UnsoldTicketsGoFromTheSecondBall) {
  const TicketRange sold[] = {{1, 10}, {20, 30}};
  tickets.bought().SoldSet_Rebuild(sold);
  enter("5", "25", 0);  // before the second ball nothing is dropped
  EXPECT_EQ(listed(bought), (Ranges{{5, 25}}));
  tickets.TkKup_Upkeep(1);
  EXPECT_EQ(bought.BoughtCount(), 21);
  tickets.TkKup_Upkeep(2);
  EXPECT_EQ(listed(bought), (Ranges{{5, 10}, {20, 25}}));
  EXPECT_EQ(bought.BoughtCount(), 12);
  enter("40", "50", 3);  // nothing of it is sold
  EXPECT_EQ(listed(bought), (Ranges{{5, 10}, {20, 25}}));
}

TEST_F(TicketEntry, UpkeepKeepsRunsBeyondTheNinth) {
  enter("1", "20");
  for (int k = 3; k <= 10; ++k) enter(std::to_string(10 * k), std::to_string(10 * k + 1));
  ASSERT_EQ(listed(bought).size(), 9u);
  // The sold ranges split the first run in two: ten runs of sold bought tickets.
  const TicketRange sold[] = {{1, 5}, {10, 200}};
  tickets.bought().SoldSet_Rebuild(sold);
  tickets.TkKup_Upkeep(2);
  EXPECT_EQ(listed(bought).size(), 9u);
  EXPECT_EQ(listed(bought).back(), (TicketRange{90, 91}));
  EXPECT_EQ(bought.beyondNinthRun(), (TicketRange{100, 101}));
  EXPECT_EQ(bought.BoughtCount(), 5 + 11 + 8 * 2);
  EXPECT_EQ(boughtFlagsSet(bought), bought.BoughtCount());
}

TEST(SoldSet, TakesTheRowsOfAFrame) {
  // The frame's own row record, first and last ticket.
  struct FrameRow {
    std::uint16_t first, last;
  };
  const FrameRow rows[] = {{10, 12}, {5, 5}, {0, 0}, {30, 20}, {24190, 24193}};
  BoughtTickets bought;
  bought.SoldSet_Rebuild(std::span<const FrameRow>(rows));
  std::vector<std::size_t> sold;
  for (std::size_t t = 0; t < kTicketTableSize; ++t)
    if (bought.SoldSet(t)) sold.push_back(t);
  EXPECT_EQ(sold, (std::vector<std::size_t>{10, 11, 12, 24190, 24191, 24192, 24193}));
  bought.markSold(24000, 60000);  // an end beyond the table stops at its sentinel
  EXPECT_TRUE(bought.SoldSet(24193));
  EXPECT_FALSE(bought.SoldSet(24194));
}

TEST(BoughtTicketsView, ShowsRangesCountAndAmount) {
  BoughtTickets bought;
  bought.storeRange(3, 5, false);
  bought.refresh(false);
  // Price 120 with the per-ticket flag: 20 a ticket.
  const BoughtTicketsView view = bought.UpDateTIkup(120.0 / 6);
  EXPECT_EQ(view.Poc[0], "3");
  EXPECT_EQ(view.End[0], "5");
  EXPECT_EQ(view.Poc[1], "");
  EXPECT_EQ(view.End[9], "");
  EXPECT_EQ(view.Count, "3");
  EXPECT_EQ(view.Uplata, " 60");
  EXPECT_EQ(BoughtTickets().UpDateTIkup(120).Uplata, "  0");
  EXPECT_EQ(BoughtTickets().UpDateTIkup(120).Count, "");
  bought.storeRange(1, 24192, false);
  bought.refresh(false);
  EXPECT_EQ(bought.UpDateTIkup(12.5).Uplata, "302400");
}

class TicketDeletion : public TicketEntry {
 protected:
  DeleteResult deleteWith(std::vector<std::optional<std::string>> answers) {
    prompts.answers.assign(answers.begin(), answers.end());
    return tickets.acTK_Kup_BrisiExecute(prompts, captions, [] { return factsWith({}, 0); });
  }
  test::ScriptedPrompts prompts;
  test::SerbianCaptions captions;
};

TEST_F(TicketDeletion, DialogAnswers) {
  const TicketRange sold[] = {{1, 100}};
  struct Row {
    const char* name;
    std::vector<std::optional<std::string>> answers;
    bool deleted;
    Ranges ranges;
    std::vector<std::string> errors;
    std::size_t questions;
  };
  const Row rows[] = {
      {"a range inside a run splits it", {"15", "16"}, true, {{10, 14}, {17, 20}}, {}, 2},
      {"zero asks again without a message", {"0", "15", "0", "16"}, true, {{10, 14}, {17, 20}}, {}, 4},
      {"out of range asks again",
       {"30000", "15", "-3", "16"},
       true,
       {{10, 14}, {17, 20}},
       {"Pogresan unos", "Pogresan unos"},
       4},
      {"reversed range deletes nothing", {"20", "10"}, false, {{10, 20}}, {"Pogresan opseg: 20 - 10"}, 2},
      {"cancel ends it", {std::nullopt}, false, {{10, 20}}, {}, 1},
      {"an empty answer ends it", {""}, false, {{10, 20}}, {}, 1},
      {"text ends it", {"15", "abc"}, false, {{10, 20}}, {}, 2},
      {"a whole run", {"1", "24192"}, true, {}, {}, 2},
  };
  for (const Row& r : rows) {
    Tickets fresh(fs);
    fresh.TicketBase_Init();
    fresh.bought().SoldSet_Rebuild(sold);
    fresh.EditKupEndExit("10", "20", false, factsWith({}, 0));
    test::ScriptedPrompts scripted;
    scripted.answers.assign(r.answers.begin(), r.answers.end());
    const DeleteResult result =
        fresh.acTK_Kup_BrisiExecute(scripted, captions, [] { return factsWith({}, 0); });
    EXPECT_EQ(result.deleted, r.deleted) << r.name;
    EXPECT_EQ(listed(fresh.bought()), r.ranges) << r.name;
    EXPECT_EQ(scripted.errors, r.errors) << r.name;
    EXPECT_EQ(scripted.asked.size(), r.questions) << r.name;
  }
  Tickets fresh(fs);
  test::ScriptedPrompts scripted;
  scripted.answers = {"1", "2"};
  fresh.acTK_Kup_BrisiExecute(scripted, captions, [] { return factsWith({}, 0); });
  EXPECT_EQ(scripted.asked, (std::vector<std::string>{"BRISANJE TIKETA|OD|", "BRISANJE TIKETA|DO|"}));
}

TEST_F(TicketDeletion, DropsUnsoldTicketsEvenBeforeTheSecondBall) {
  const TicketRange sold[] = {{1, 10}};
  tickets.bought().SoldSet_Rebuild(sold);
  enter("5", "20");
  EXPECT_TRUE(deleteWith({"6", "6"}).deleted);
  EXPECT_EQ(listed(bought), (Ranges{{5, 5}, {7, 10}}));
  // The sold flags of the deleted range stay off until the next frame.
  EXPECT_FALSE(bought.SoldSet(6));
  EXPECT_TRUE(bought.SoldSet(7));
}

TEST_F(TicketDeletion, MayLeaveMoreThanNineRuns) {
  enter("1", "20");
  for (int k = 3; k <= 10; ++k) enter(std::to_string(10 * k), std::to_string(10 * k + 1));
  const TicketRange sold[] = {{1, 24192}};
  tickets.bought().SoldSet_Rebuild(sold);
  EXPECT_TRUE(deleteWith({"10", "11"}).deleted);
  EXPECT_TRUE(prompts.errors.empty());
  EXPECT_EQ(bought.BoughtCount(), 18 + 16);
  EXPECT_TRUE(deleteWith({"15", "20"}).deleted);
  EXPECT_EQ(bought.BoughtCount(), 12 + 16);
}

TEST_F(TicketEntry, DeleteAllForgetsEverythingButTheRound) {
  const TicketRange sold[] = {{1, 100}};
  tickets.bought().SoldSet_Rebuild(sold);
  enter("10", "20", 5);
  tickets.bought().setLastKolo(12);
  tickets.TkKupDeleteAll(factsWith({1, 2, 3}, 5, true));
  EXPECT_EQ(bought.BoughtCount(), 0);
  EXPECT_EQ(boughtFlagsSet(bought), 0u);
  EXPECT_FALSE(bought.SoldSet(10));
  EXPECT_TRUE(listed(bought).empty());
  EXPECT_EQ(bought.LastKolo(), 12);
  EXPECT_EQ(tickets.analysis().LineWaitMin(), 10);
  EXPECT_EQ(tickets.analysis().BingoWaitMin(), 16);
  EXPECT_EQ(tickets.analysis().LineWaitCount(), 0);
  EXPECT_EQ(tickets.analysis().RankTable(1), (TicketRank{1, 10, 16, 0}));
}

TEST(NewRound, ClearsTheTicketsOfANewRound) {
  struct Row {
    const char* name;
    std::int32_t lastKolo;
    std::uint8_t lopMax;
    int LOP;
    std::int32_t kolo;
    bool detected, cleared;
    std::int32_t lastKoloAfter;
  };
  const Row rows[] = {
      {"next round", 57, 5, 0, 58, true, true, 58},
      {"server restarted its numbering", 57, 5, 0, 3, true, true, 3},
      {"a lower round above 4 is no restart", 57, 5, 0, 40, true, false, 57},
      {"the same round", 57, 5, 0, 57, true, false, 57},
      {"first ball still counts as new", 57, 9, 1, 58, true, true, 58},
      {"the second ball is too late", 57, 9, 2, 58, false, false, 57},
      {"a game of four balls is not enough", 57, 4, 0, 58, false, false, 57},
      {"first detection after the start", 0, 5, 0, 1, true, true, 1},
      {"round 0 after the start", 0, 5, 0, 0, true, false, 0},
  };
  test::SerbianCaptions captions;
  for (const Row& r : rows) {
    FakeFileSystem fs;
    Tickets tickets(fs);
    tickets.TicketBase_Init();
    tickets.EditKupEndExit("1", "3", false, factsWith({}, 0));
    tickets.bought().setLastKolo(r.lastKolo);
    const NewRoundResult result =
        tickets.CheckGameOver_NewRound(r.kolo, r.lopMax, captions, factsWith({}, r.LOP));
    EXPECT_EQ(result.detected, r.detected) << r.name;
    EXPECT_EQ(result.ticketsCleared, r.cleared) << r.name;
    EXPECT_EQ(tickets.bought().LastKolo(), r.lastKoloAfter) << r.name;
    EXPECT_EQ(tickets.bought().BoughtCount(), r.cleared ? 0 : 3) << r.name;
    if (r.detected)
      EXPECT_EQ(result.memoLines, (Lines{"NOVO KOLO", std::to_string(r.kolo), "Unesite kupljene tikete"}))
          << r.name;
    else
      EXPECT_TRUE(result.memoLines.empty()) << r.name;
  }
}

}  // namespace
}  // namespace bingo
