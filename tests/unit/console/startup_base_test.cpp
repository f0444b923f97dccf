#include "app/console/startup_base.h"

#include <gtest/gtest.h>

#include "config/game_config.h"
#include "support/fake_file_system.h"
#include "support/fakes.h"

namespace bingo {
namespace {

constexpr const char* kBase = "C:\\Orma\\Bingo\\Arh\\CfgW\\A1944.3x5";

struct BaseCheck {
  BaseCheck() {
    fs.addFolder("C:\\Orma\\Bingo\\Arh\\Log");
    fs.addFolder("C:\\Orma\\Bingo\\Arh\\CfgW");
    names.PathTicketBase = {kBase, "", "", ""};
    records.GameConfig = GameConfig_Defaults();
  }
  std::vector<std::string> trace() const {
    std::vector<std::string> out;
    const std::string text = fs.text("C:\\Orma\\Bingo\\Arh\\Log\\261206.Txt");
    for (std::size_t at = 0; at < text.size();) {
      const auto end = text.find("\r\n", at);
      out.push_back(text.substr(at + 10, end - at - 10));
      at = end + 2;
    }
    return out;
  }
  test::FakeFileSystem fs;
  test::FakeClock clock;
  Logs logs{fs, clock, "C:\\Orma\\Bingo\\ClientBingo.exe"};
  FileNames names;
  ConfigRecords records;
  StartupTicketBase base;
};

std::vector<std::uint8_t> cards(std::size_t count, std::size_t extraBytes = 0) {
  std::vector<std::uint8_t> bytes(count * 15 + extraBytes);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(1 + i % 90);
  return bytes;
}

TEST(BazaTik, TheResultIsTrueOnlyForExactlyTheExpectedCards) {
  struct Row {
    const char* what;
    std::optional<std::vector<std::uint8_t>> file;
    FileOp refused;  // FileOp::List means nothing refused
    std::uint16_t expected;
    bool result;
    std::vector<std::string> trace;
  };
  const std::vector<std::string> ok{"Ucitava se: BazaTik. Molim sacekajte...", "1 ", "Ucitan  je: BazaTik."};
  const std::vector<std::string> bad{"Ucitava se: BazaTik. Molim sacekajte...", "0 ", "Ucitan  je: BazaTik."};
  const std::vector<std::string> unopened{"Ucitava se: BazaTik. Molim sacekajte...",
                                          "Baza tiketa nije u redu!", "0 ", "Ucitan  je: BazaTik."};
  const Row rows[] = {
      {"complete", cards(1944), FileOp::List, 1944, true, ok},
      {"longer file, excess ignored", cards(1950), FileOp::List, 1944, true, ok},
      {"trailing part of a card", cards(1944, 7), FileOp::List, 1944, true, ok},
      {"one card too few", cards(1943), FileOp::List, 1944, false, bad},
      {"missing", std::nullopt, FileOp::List, 1944, false, bad},
      {"open refused", cards(1944), FileOp::Open, 1944, false, unopened},
      {"read error", cards(1944), FileOp::Read, 1944, false, bad},
      {"close failed", cards(1944), FileOp::Close, 1944, false, bad},
      {"more cards expected than the table holds", cards(24194), FileOp::List, 30000, false, bad},
  };
  for (const Row& row : rows) {
    BaseCheck c;
    if (row.file) c.fs.addFile(kBase, *row.file);
    if (row.refused != FileOp::List) c.fs.fail(row.refused, kBase);
    ByteWriter(c.records.GameConfig).u16le(22, row.expected);
    c.records.GameConfig[16] = 7;
    const bool result = BazaTik_Check({c.fs, c.logs, c.names}, c.records, c.base, 0);
    EXPECT_EQ(result, row.result) << row.what;
    EXPECT_EQ(c.trace(), row.trace) << row.what;
    // A missing file leaves the result byte to the start-up sequence.
    EXPECT_EQ(c.records.GameConfig[16], row.file ? (row.result ? 1 : 0) : 7) << row.what;
    if (row.result) {
      EXPECT_EQ(c.base.BazaTikTable[0], 1) << row.what;
      EXPECT_EQ(c.base.BazaTikTable[1943 * 15 + 14], (1943 * 15 + 14) % 90 + 1) << row.what;
      EXPECT_EQ(c.base.BazaTikTable[1944 * 15], 0) << row.what;
    }
  }
}

struct Range {
  std::uint16_t first, end, amount;
};

GameRecord withRanges(std::vector<Range> ranges) {
  GameRecord record;
  ByteWriter w = record.writer();
  // Leftovers of an earlier round in the run slots, counts and totals.
  for (std::size_t at = 288; at < 330; ++at) w.u8(at, 0xFF);
  w.u8(104, 0xFF);
  for (std::size_t n = 0; n < ranges.size(); ++n) {
    w.u16le(1968 + 2 * n, ranges[n].first);
    w.u16le(1980 + 2 * n, ranges[n].end);
    w.u16le(1992 + 2 * n, 0xFFFF);
    w.u16le(2004 + 2 * n, ranges[n].amount);
  }
  return record;
}

TEST(StartupSoldMarks, RangesBecomeFlagsCountsRunsAndTotals) {
  struct Row {
    const char* what;
    std::vector<Range> ranges;
    std::uint8_t gameType;
    std::uint8_t byte1876;
    std::vector<std::uint16_t> counts;
    std::vector<std::pair<std::uint16_t, std::uint16_t>> runs;
    std::int32_t soldTotal, amountTotal;
  };
  const Row rows[] = {
      {"adjacent ranges merge, empty and reversed ranges count 0",
       {{1, 11, 100}, {20, 21, 200}, {0, 5, 0}, {30, 25, 0}, {11, 15, 0}, {0, 0, 0}},
       0,
       0,
       {10, 1, 0, 0, 4, 0},
       {{1, 14}, {20, 20}},
       15,
       300},
      {"runs only up to the type's ticket count", {{1900, 2000, 0}}, 0, 0, {100}, {{1900, 1944}}, 100, 0},
      {"end beyond the table", {{24000, 65535, 0}}, 3, 0, {41535}, {{24000, 24192}}, 41535, 0},
      {"byte 1876 = 14 leaves the runs empty", {{5, 9, 1}}, 0, 14, {4}, {}, 4, 1},
      // Six ranges make six runs at most: the seventh run slot stays empty.
      {"six runs",
       {{1, 3, 0}, {5, 7, 0}, {9, 11, 0}, {13, 15, 0}, {19, 21, 0}, {23, 25, 0}},
       0,
       0,
       {2, 2, 2, 2, 2, 2},
       {{1, 2}, {5, 6}, {9, 10}, {13, 14}, {19, 20}, {23, 24}},
       12,
       0},
  };
  for (const Row& row : rows) {
    GameRecord record = withRanges(row.ranges);
    record.writer().u8(9, row.gameType);
    record.writer().u8(1876, row.byte1876);
    StartupTicketBase base;
    base.allocate();
    base.BazaTikSold[17] = 1;  // stale flag
    rebuildStartupSoldMarks(base, record, GameConfig_Defaults());

    const ByteReader r = record.reader();
    for (std::size_t n = 0; n < row.counts.size(); ++n)
      EXPECT_EQ(r.u16le(1992 + 2 * n), row.counts[n]) << row.what;
    EXPECT_EQ(r.u8(104), row.runs.size()) << row.what;
    for (std::size_t k = 1; k <= 7; ++k) {
      const auto run = k <= row.runs.size() ? row.runs[k - 1] : std::pair<std::uint16_t, std::uint16_t>{0, 0};
      EXPECT_EQ(r.u16le(286 + 2 * k), run.first) << row.what << " run " << k;
      EXPECT_EQ(r.u16le(314 + 2 * k), run.second) << row.what << " run " << k;
    }
    EXPECT_EQ(r.i32le(1880), row.soldTotal) << row.what;
    EXPECT_EQ(r.i32le(1884), row.amountTotal) << row.what;
    EXPECT_EQ(base.BazaTikSold[17], 0) << row.what;
    EXPECT_EQ(base.BazaTikSold[0], 0) << row.what;
  }
}

}  // namespace
}  // namespace bingo
