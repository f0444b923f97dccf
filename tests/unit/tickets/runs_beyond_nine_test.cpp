// Bought tickets that form more than nine runs: every one of them stays
// checked, counted and charged, and the tenth line shows where they lie.

#include <gtest/gtest.h>

#include "support/fake_file_system.h"
#include "ticket_fixtures.h"
#include "tickets/tickets.h"

namespace bingo {
namespace {

using Ranges = std::vector<TicketRange>;

// 1-20, then 30-31, 40-41 ... 100-101: nine runs entered.
Ranges nineRuns() {
  Ranges entries{{1, 20}};
  for (std::uint16_t k = 3; k <= 10; ++k)
    entries.push_back({static_cast<std::uint16_t>(10 * k), static_cast<std::uint16_t>(10 * k + 1)});
  return entries;
}

TEST(RunsBeyondNine, CheckedCountedAndChargedAgree) {
  struct Row {
    const char* name;
    Ranges sold;
    Ranges later;    // entered at the fourth ball
    Ranges deleted;  // by the delete action
    std::uint16_t count;
    const char* tenthPoc;
    const char* tenthEnd;
  };
  const Row rows[] = {
      {"sold ranges split a run", {{1, 5}, {10, 200}}, {}, {}, 32, "100", "101"},
      {"several runs beyond the ninth", {{1, 2}, {4, 5}, {7, 8}, {10, 200}}, {}, {}, 33, "80", "101"},
      {"a deletion splits a run", {{1, 24192}}, {}, {{10, 11}}, 34, "100", "101"},
      {"deleting the tenth run empties the tenth line", {{1, 5}, {10, 200}}, {}, {{100, 101}}, 30, "", ""},
      {"an eleventh run is still refused", {{1, 5}, {10, 200}}, {{150, 160}}, {}, 32, "100", "101"},
      {"growing a run beyond the ninth is taken", {{1, 5}, {10, 200}}, {{102, 110}}, {}, 41, "100", "110"},
  };
  test::SerbianCaptions captions;
  for (const Row& r : rows) {
    test::FakeFileSystem fs;
    Tickets tickets(fs);
    tickets.TicketBase_Init();
    tickets.bought().SoldSet_Rebuild(std::span<const TicketRange>(r.sold));
    for (const TicketRange& e : nineRuns())
      tickets.EditKupEndExit(std::to_string(e.first), std::to_string(e.last), false, test::factsWith({}, 0));
    tickets.TkKup_Upkeep(2);
    for (const TicketRange& e : r.later)
      tickets.EditKupEndExit(std::to_string(e.first), std::to_string(e.last), false, test::factsWith({}, 4));
    for (const TicketRange& d : r.deleted) {
      test::ScriptedPrompts prompts;
      prompts.answers = {std::to_string(d.first), std::to_string(d.last)};
      EXPECT_TRUE(
          tickets.acTK_Kup_BrisiExecute(prompts, captions, [] { return test::factsWith({}, 4); }).deleted)
          << r.name;
    }
    tickets.TkKup_Upkeep(4);
    const BoughtTickets& bought = tickets.bought();
    std::size_t checked = 0;
    for (std::size_t t = 0; t < kTicketTableSize; ++t) checked += bought.Bought(t) && bought.SoldSet(t);
    const BoughtTicketsView view = bought.UpDateTIkup(10);
    EXPECT_EQ(checked, r.count) << r.name;
    EXPECT_EQ(bought.BoughtCount(), r.count) << r.name;
    EXPECT_EQ(view.Uplata, std::to_string(10 * r.count)) << r.name;
    EXPECT_EQ(view.Poc[9], r.tenthPoc) << r.name;
    EXPECT_EQ(view.End[9], r.tenthEnd) << r.name;
  }
}

}  // namespace
}  // namespace bingo
