#include <gtest/gtest.h>

#include "platform/app_error.h"
#include "ticket_fixtures.h"

namespace bingo {
namespace {

using test::factsWith;
using test::Hall;
using test::Lines;
using test::Ranges;

// The counts, the listed runs and the amount shown are held by the reviewed
// screen dumps of the console tests for one plain entry.
TEST(TicketEntry, CommitsMergeIntoRunsAndCountThem) {
  // Name, the fields of each commit, the runs listed, the tickets counted.
  const std::tuple<const char*, std::vector<std::pair<const char*, const char*>>, Ranges, int> rows[] = {
      {"overlapping ranges merge", {{"10", "20"}, {"15", "30"}}, {{10, 30}}, 21},
      {"adjacent ranges merge", {{"1", "5"}, {"6", "9"}}, {{1, 9}}, 9},
      {"a single ticket", {{"7", "7"}}, {{7, 7}}, 1},
      {"blanks around a number are read past", {{" 7\t", "\t8 "}}, {{7, 8}}, 2},
      {"ranges list in ticket order", {{"50", "60"}, {"1", "2"}}, {{1, 2}, {50, 60}}, 13},
      {"the whole range", {{"1", "24192"}}, {{1, 24192}}, 24192},
      {"first above last is dropped", {{"20", "10"}}, {}, 0},
      {"zero is dropped", {{"0", "5"}}, {}, 0},
      {"empty fields are dropped", {{"", ""}}, {}, 0},
      // Never folded onto another ticket (30000 would have bought 5807).
      {"a number above the last ticket is refused", {{"1", "30000"}}, {}, 0},
      {"a refused entry keeps the earlier ones", {{"3", "4"}, {"24190", "24193"}}, {{3, 4}}, 2}};
  for (const auto& [name, entries, ranges, count] : rows) {
    Hall h;
    for (const auto& [poc, end] : entries) h.tickets.EditKupEndExit(poc, end, false, factsWith({}, 0));
    EXPECT_EQ(std::tuple(h.listed(), h.bought.BoughtCount(), h.flagged()),
              std::tuple(ranges, count, static_cast<std::size_t>(count)))
        << name;
  }
  for (const auto& [LOP, listed] : {std::pair{1, Ranges{{1, 10}}}, {2, Ranges{{1, 5}}}}) {
    Hall sold({}, {{1, 5}});  // the unsold are dropped from the second ball on
    sold.tickets.EditKupEndExit("1", "10", false, factsWith({}, LOP));
    EXPECT_EQ(sold.listed(), listed) << LOP;
  }
  Hall h;  // the second drum enters everything without a memo line
  EXPECT_TRUE(h.tickets.EditKupEndExit("not", "read", true, factsWith({}, 0)).empty());
  for (const char* text : {"12a", " ", "99999999999"})  // pasted text raises and stores nothing
    EXPECT_THROW(h.tickets.EditKupEndExit("10", text, false, factsWith({}, 0)), AppError) << text;
  EXPECT_EQ(h.listed(), (Ranges{{1, 24192}}));
}

// Nine runs entered before the draw (1-20, 30-31, 40-41 ... 100-101), the
// sold ranges of the frame, more entries and deletions at the fourth ball:
// every bought ticket stays checked, counted and charged, and the tenth line
// shows where the runs beyond the ninth lie. Unsold tickets go from the
// second ball on.
TEST(TicketEntry, RunsBeyondTheNinthAreCheckedCountedAndCharged) {
  // Name, sold, entered later, deleted later, tickets counted, tenth line, memo of the last entry.
  using Row = std::tuple<const char*, Ranges, Ranges, Ranges, int, const char*, Lines>;
  const Lines refused = {"U: 150 160", "Opseg 150 - 160 nije unet: najvise 9 opsega"};
  const Ranges all = {{1, 24192}}, split = {{1, 5}, {10, 200}};
  const Row rows[] = {
      {"sold ranges split a run", split, {}, {}, 32, "100-101", {}},
      {"several runs beyond the ninth", {{1, 2}, {4, 5}, {7, 8}, {10, 200}}, {}, {}, 33, "80-101", {}},
      {"a tenth run is refused", all, {{150, 160}}, {}, 36, "-", refused},
      {"joining two runs frees a slot", all, {{21, 29}, {150, 160}}, {}, 56, "-", {"U: 150 160"}},
      {"an eleventh run is still refused", split, {{150, 160}}, {}, 32, "100-101", refused},
      {"an unsold entry is dropped", split, {{300, 310}}, {}, 32, "100-101", {"U: 300 310"}},
      {"growing a run beyond the ninth is taken", split, {{102, 110}}, {}, 41, "100-110", {"U: 102 110"}},
      {"a deletion splits a run", all, {}, {{10, 11}}, 34, "100-101", {}},
      {"deleting the tenth run empties the tenth line", split, {}, {{100, 101}}, 30, "-", {}}};
  for (const auto& [name, sold, later, deleted, count, tenth, lastMemo] : rows) {
    Hall h({}, sold);
    h.enter(1, 20);
    for (int k = 3; k <= 10; ++k) h.enter(10 * k, 10 * k + 1);
    h.tickets.TkKup_Upkeep(1);
    EXPECT_EQ(h.bought.BoughtCount(), 36) << name;
    h.tickets.TkKup_Upkeep(2);
    Lines memo;
    for (const TicketRange& e : later) memo = h.enter(e.first, e.last, 4);
    for (const TicketRange& d : deleted)
      EXPECT_TRUE(h.erase({std::to_string(d.first), std::to_string(d.last)}, 4)) << name;
    h.tickets.TkKup_Upkeep(4);
    const BoughtTicketsView view = h.bought.UpDateTIkup(10);
    EXPECT_EQ(std::tuple(memo, h.flagged(true), h.bought.BoughtCount(), view.Poc[9] + "-" + view.End[9]),
              std::tuple(lastMemo, static_cast<std::size_t>(count), count, tenth))
        << name;
    EXPECT_EQ(view.Count + "0", view.Uplata) << name;
    h.tickets.TkKupDeleteAll(factsWith({}, 4));  // the tenth line goes with the rest
    const BoughtTicketsView cleared = h.bought.UpDateTIkup(10);
    EXPECT_EQ(cleared.Poc[9] + "-" + cleared.End[9] + cleared.Count, "-") << name;
  }
}

TEST(SoldSet, TakesTheRowsOfAFrame) {
  struct FrameRow {  // the frame's own row record, first and last ticket
    std::uint16_t first, last;
  };
  // A single ticket is no range; an end beyond the table stops at its sentinel.
  const FrameRow rows[] = {{10, 12}, {5, 5}, {0, 0}, {30, 20}, {24190, 60000}};
  BoughtTickets bought;
  bought.SoldSet_Rebuild(std::span<const FrameRow>(rows));
  std::vector<std::size_t> sold;
  for (std::size_t t = 0; t <= kTicketTableSize; ++t)
    if (bought.SoldSet(t)) sold.push_back(t);
  EXPECT_EQ(sold, (std::vector<std::size_t>{10, 11, 12, 24190, 24191, 24192, 24193}));
}

TEST(TicketDeletion, DialogAnswers) {
  // Name, answers, runs left of 10-20 entered with 1-18 sold (none: nothing
  // deleted), error boxes, questions asked.
  const Ranges split = {{10, 14}, {17, 18}};  // unsold tickets go even before the second ball
  const std::tuple<const char*, std::vector<std::optional<std::string>>, Ranges, Lines, std::size_t> rows[] =
      {{"a range inside a run splits it", {"15", "16"}, split, {}, 2},
       {"zero asks again without a message", {"0", "15", "0", "16"}, split, {}, 4},
       {"out of range asks again", {"30000", "15", "-3", "16"}, split, {"Pogresan unos", "Pogresan unos"}, 4},
       {"reversed range deletes nothing", {"20", "10"}, {}, {"Pogresan opseg: 20 - 10"}, 2},
       {"cancel ends it", {std::nullopt}, {}, {}, 1},
       {"an empty answer ends it", {""}, {}, {}, 1},
       {"text ends it", {"15", "abc"}, {}, {}, 2}};
  for (const auto& [name, answers, ranges, errors, questions] : rows) {
    Hall h({}, {{1, 18}});
    h.enter(10, 20);
    const bool deleted = h.erase(answers);  // the sold flag is off until the next frame
    EXPECT_EQ(std::tuple(deleted, h.listed(), h.bought.SoldSet(15), h.prompts.errors, h.prompts.asked.size()),
              std::tuple(!ranges.empty(), deleted ? ranges : Ranges{{10, 20}}, !deleted, errors, questions))
        << name;
  }
  Hall h({}, {{1, 18}});
  h.enter(10, 20);
  h.erase({"15", "16"});
  EXPECT_EQ(h.prompts.asked, (Lines{"OD", "DO"}));
}

// A new round forgets the bought tickets, their sold flags and the analysis,
// which starts again outside the bingo phase.
TEST(NewRound, ClearsTheTicketsOfANewRound) {
  // Name, last round, balls of the last game, balls now, round now, detected, cleared.
  const std::tuple<const char*, int, std::uint8_t, int, int, bool, bool> rows[] = {
      {"next round", 57, 5, 0, 58, true, true},
      {"server restarted its numbering", 57, 5, 0, 3, true, true},
      {"a lower round above 4 is no restart", 57, 5, 0, 40, true, false},
      {"the same round", 57, 5, 0, 57, true, false},
      {"first ball still counts as new", 57, 9, 1, 58, true, true},
      {"the second ball is too late", 57, 9, 2, 58, false, false},
      {"a game of four balls is not enough", 57, 4, 0, 58, false, false},
      {"first detection after the start", 0, 5, 0, 1, true, true},
      {"round 0 after the start", 0, 5, 0, 0, true, false}};
  for (const auto& [name, lastKolo, lopMax, LOP, kolo, detected, cleared] : rows) {
    Hall h({}, {{1, 100}});
    h.enter(1, 3);
    h.tickets.bought().setLastKolo(lastKolo);
    const NewRoundResult result =
        h.tickets.CheckGameOver_NewRound(kolo, lopMax, h.captions, factsWith({1, 2, 3}, LOP, true));
    const Lines memo = {"NOVO KOLO", std::to_string(kolo), "Unesite kupljene tikete"};
    EXPECT_EQ(std::tuple(result.detected, result.memoLines, result.ticketsCleared, h.bought.LastKolo(),
                         h.bought.BoughtCount() + h.flagged() + h.bought.SoldSet(2) + h.listed().size(),
                         h.analysis.RankTable(1)),
              std::tuple(detected, detected ? memo : Lines(), cleared, cleared ? kolo : lastKolo,
                         cleared ? 0u : 8u, cleared ? TicketRank{1, 10, 16, 0} : TicketRank{1, 5, 15, 0}))
        << name;
  }
}

}  // namespace
}  // namespace bingo
