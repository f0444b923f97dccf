#include <gtest/gtest.h>

#include "support/fake_file_system.h"
#include "ticket_fixtures.h"
#include "tickets/ticket_base.h"

namespace bingo {
namespace {

using test::Card;
using test::cardFile;
using test::FakeFileSystem;

constexpr const char* kType0 = "C:\\Orma\\Bingo\\Arh\\CfgW\\A1944.3x5";
constexpr const char* kType1 = "C:\\Orma\\Bingo\\Arh\\CfgW\\A5952.3x5";

// n cards whose every number is `value`.
std::vector<std::uint8_t> uniformCards(std::size_t n, std::uint8_t value) {
  return cardFile(std::vector<Card>(n, [value] {
    Card card;
    card.fill(value);
    return card;
  }()));
}

TEST(TicketBase, CardFileNamesOfTheFourTypes) {
  FakeFileSystem fs;
  TicketBase base(fs);
  base.TicketBase_Init();
  EXPECT_EQ(base.CardFileName(0), kType0);
  EXPECT_EQ(base.CardFileName(1), kType1);
  EXPECT_EQ(base.CardFileName(2), "C:\\Orma\\Bingo\\Arh\\CfgW\\A2000.3x5");
  EXPECT_EQ(base.CardFileName(3), "C:\\Orma\\Bingo\\Arh\\CfgW\\A24192.3x5");
}

TEST(TicketBase, ReadsCardsRowByRowFromLiteralBytes) {
  FakeFileSystem fs;
  fs.addFile(kType0, {1, 2,  3,   4, 5, 11, 12, 13, 14, 15, 21, 22, 23, 24, 90,    // ticket 1
                      0, 91, 255, 7, 8, 9,  10, 19, 20, 29, 30, 39, 40, 49, 50});  // ticket 2
  TicketBase base(fs);
  base.TicketBase_Init();
  struct Row {
    std::uint16_t ticket;
    unsigned row, pos;
    std::uint8_t number;
  };
  const Row rows[] = {
      {1, 1, 1, 1},   {1, 1, 5, 5},     {1, 2, 1, 11},    {1, 3, 5, 90},    {2, 1, 1, 0}, {2, 1, 2, 91},
      {2, 1, 3, 255}, {2, 3, 5, 50},    {3, 1, 1, 0},     {0, 1, 1, 0},     {1, 0, 1, 0}, {1, 4, 1, 0},
      {1, 1, 6, 0},   {24193, 1, 1, 0}, {24194, 1, 1, 0}, {65535, 3, 5, 0},
  };
  for (const Row& r : rows)
    EXPECT_EQ(base.TicketBase_Card(r.ticket, r.row, r.pos), r.number)
        << r.ticket << " " << r.row << " " << r.pos;
}

TEST(TicketBase, LoadKeepsWhatTheFileDoesNotReach) {
  // Type 0 first fills tickets 1..1944 with 7s; then type 1 is selected.
  struct Row {
    const char* name;
    std::vector<std::uint8_t> file;  // the type-1 file; empty: no file at all
    bool refuseOpen;
    std::uint16_t ticket;
    std::uint8_t expected;
  };
  auto shortFile = uniformCards(1000, 9);
  auto tornFile = uniformCards(1000, 9);
  tornFile.insert(tornFile.end(), {9, 9, 9, 9, 9, 9, 9});
  const Row rows[] = {
      {"short file fills its cards", shortFile, false, 1000, 9},
      {"short file leaves the rest", shortFile, false, 1001, 7},
      {"short file leaves never-filled cards zero", shortFile, false, 1945, 0},
      {"a torn last card is not stored", tornFile, false, 1001, 7},
      {"a long file stops at the type's count", uniformCards(5953, 9), false, 5952, 9},
      {"a long file's excess is ignored", uniformCards(5953, 9), false, 5953, 0},
      {"missing file keeps the cards", {}, false, 1, 7},
      {"unopenable file keeps the cards", uniformCards(5952, 9), true, 1, 7},
  };
  for (const Row& r : rows) {
    FakeFileSystem fs;
    fs.addFile(kType0, uniformCards(1944, 7));
    if (!r.file.empty()) fs.addFile(kType1, r.file);
    if (r.refuseOpen) fs.fail(FileOp::Open, kType1);
    TicketBase base(fs);
    base.TicketBase_Init();
    EXPECT_EQ(base.TicketBase_SelectType(1), 1) << r.name;
    EXPECT_EQ(base.TicketBase_Card(r.ticket, 2, 3), r.expected) << r.name;
  }
}

TEST(TicketBase, ReloadsOnlyOnAChangeOfType) {
  FakeFileSystem fs;
  fs.addFile(kType0, uniformCards(1944, 7));
  fs.addFile(kType1, uniformCards(5952, 9));
  TicketBase base(fs);
  base.TicketBase_Init();
  EXPECT_EQ(fs.count(FileOp::Open), 1);
  EXPECT_EQ(base.TicketBase_SelectType(0), 0);
  EXPECT_EQ(base.TicketBase_SelectType(7), 0);  // no such type: the cards stay
  EXPECT_EQ(fs.count(FileOp::Open), 1);
  EXPECT_EQ(base.TicketBase_SelectType(1), 1);
  EXPECT_EQ(base.TicketBase_SelectType(1), 1);
  EXPECT_EQ(fs.count(FileOp::Open), 2);
  EXPECT_EQ(base.TicketBase_Card(5000, 1, 1), 9);
  // A change back reloads type 0 over the same table.
  fs.addFile(kType0, uniformCards(1944, 8));
  EXPECT_EQ(base.TicketBase_SelectType(0), 0);
  EXPECT_EQ(base.TicketBase_Card(1944, 1, 1), 8);
  EXPECT_EQ(base.TicketBase_Card(1945, 1, 1), 9);
}

}  // namespace
}  // namespace bingo
