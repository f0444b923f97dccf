#include "tickets/ticket_base.h"

#include <gtest/gtest.h>

#include "ticket_fixtures.h"

namespace bingo {
namespace {

using test::FakeFileSystem;
using test::kType0;

constexpr const char* kType1 = "C:\\Orma\\Bingo\\Arh\\CfgW\\A5952.3x5";

// n cards whose every number is `value`.
std::vector<std::uint8_t> uniformCards(std::size_t n, std::uint8_t value) {
  return std::vector<std::uint8_t>(n * 15, value);
}

TEST(TicketBase, ReadsCardsRowByRowFromLiteralBytes) {
  FakeFileSystem fs;
  fs.addFile(kType0, {1, 2,  3,   4, 5, 11, 12, 13, 14, 15, 21, 22, 23, 24, 90,    // ticket 1
                      0, 91, 255, 7, 8, 9,  10, 19, 20, 29, 30, 39, 40, 49, 50});  // ticket 2
  TicketBase base(fs);
  base.TicketBase_Init();
  EXPECT_EQ(base.CardFileName(2), "C:\\Orma\\Bingo\\Arh\\CfgW\\A2000.3x5");
  EXPECT_EQ(base.CardFileName(3), "C:\\Orma\\Bingo\\Arh\\CfgW\\A24192.3x5");
  // Ticket, row, position, number.
  const std::tuple<std::uint16_t, unsigned, unsigned, int> rows[] = {
      {1, 1, 1, 1},   {1, 1, 5, 5},     {1, 2, 1, 11},    {1, 3, 5, 90},   {2, 1, 1, 0}, {2, 1, 2, 91},
      {2, 1, 3, 255}, {2, 3, 5, 50},    {3, 1, 1, 0},     {0, 1, 1, 0},    {1, 0, 1, 0}, {1, 4, 1, 0},
      {1, 1, 6, 0},   {24193, 1, 1, 0}, {24194, 1, 1, 0}, {65535, 3, 5, 0}};
  for (const auto& [ticket, row, pos, number] : rows)
    EXPECT_EQ(base.TicketBase_Card(ticket, row, pos), number) << ticket << " " << row << " " << pos;
}

TEST(TicketBase, LoadKeepsWhatTheFileDoesNotReach) {
  // Type 0 first fills tickets 1..1944 with 7s; then type 1 is selected.
  auto torn = uniformCards(1000, 9);
  torn.insert(torn.end(), {9, 9, 9, 9, 9, 9, 9});
  const auto whole = uniformCards(5952, 9);
  // Name, the type-1 file (empty: none), the operation refused (List: none),
  // bytes read before a read error (0: no limit), tickets 1, 1000, 1001, 1945, 5952 and 5953.
  const std::tuple<const char*, std::vector<std::uint8_t>, FileOp, std::size_t, const char*> rows[] = {
      {"a short file fills its cards only", uniformCards(1000, 9), FileOp::List, 0, "9 9 7 0 0 0"},
      {"a torn last card is not stored", torn, FileOp::List, 0, "9 9 7 0 0 0"},
      {"a read error part-way keeps the cards so far", whole, FileOp::List, 1000 * 15 + 7, "9 9 7 0 0 0"},
      {"a long file stops at the type's count", uniformCards(5953, 9), FileOp::List, 0, "9 9 9 9 9 0"},
      {"a missing file keeps the cards", {}, FileOp::List, 0, "7 7 7 0 0 0"},
      {"an unopenable file keeps the cards", whole, FileOp::Open, 0, "7 7 7 0 0 0"},
      {"an unreadable file keeps the cards", whole, FileOp::Read, 0, "7 7 7 0 0 0"}};
  for (const auto& [name, file, refused, readLimit, expected] : rows) {
    FakeFileSystem fs;
    fs.addFile(kType0, uniformCards(1944, 7));
    if (!file.empty()) fs.addFile(kType1, file);
    if (refused != FileOp::List) fs.fail(refused, kType1);
    if (readLimit) fs.shortenReads(kType1, readLimit, EIO);
    TicketBase base(fs);
    base.TicketBase_Init();
    // Type 7 does not exist and the same type again loads nothing.
    EXPECT_EQ(base.TicketBase_SelectType(1) + base.TicketBase_SelectType(7) + base.TicketBase_SelectType(1),
              3);
    EXPECT_EQ(fs.count(FileOp::Open), 2) << name;
    std::string cards;
    for (std::uint16_t t : {1, 1000, 1001, 1945, 5952, 5953})
      cards += (cards.empty() ? "" : " ") + std::to_string(base.TicketBase_Card(t, 2, 3));
    EXPECT_EQ(cards, expected) << name;
  }
}

}  // namespace
}  // namespace bingo
