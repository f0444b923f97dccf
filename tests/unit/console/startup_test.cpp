#include "app/console/startup.h"
#include "app/console/startup_base.h"

#include <gtest/gtest.h>

#include <regex>

#include "config/game_config.h"
#include "console_hall.h"
#include "display/model/screen_dump.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "support/hex.h"

namespace bingo {
namespace {

constexpr const char* kCfg = "C:\\Orma\\Bingo\\Arh\\CfgW\\";
constexpr const char* kTrace = "C:\\Orma\\Bingo\\Arh\\Log\\261206.Txt";

struct Hall {
  explicit Hall(std::string program = "C:\\Orma\\Bingo\\ClientBingo.exe") : programPath(std::move(program)) {
    fs.addFile(programPath, {'M', 'Z'});  // the program's own folder is there, since the program is
  }
  void start() {
    state = std::make_unique<StartupState>();
    Housekeeping housekeeping(fs, logs);
    Startup_Run({fs, logs, housekeeping, clock, programPath}, *state);
  }
  bool traced(const std::string& line) const {
    return fs.text(kTrace).find("> " + line + "\r\n") != std::string::npos;
  }

  std::string programPath;
  test::FakeFileSystem fs;
  test::FakeClock clock;  // 2026-12-06
  Logs logs{fs, clock, programPath};
  std::unique_ptr<StartupState> state;
};

// A first start makes the folders and files and traces every step (its first
// line, before the log folder exists, in the working directory); the
// reviewed dump holds the folders, the files made, both traces (the log
// folder's with a second start's lines) and the writes of each start.
TEST(Startup, AFirstStartMakesTheFoldersAndFilesAndTracesEveryStep) {
  Hall hall;
  hall.start();
  const int writes = hall.fs.count(FileOp::Write);
  hall.start();  // a second start reads the files without rewriting them and traces the city as read
  EXPECT_TRUE(
      std::ranges::equal(hall.state->records.GameConfig, hall.fs.bytes(std::string(kCfg) + "CfgC2.cfg")));
  std::string json = "{\"folders\":[";
  for (const std::string& folder : hall.fs.folderPaths()) json += jsonString(folder) + ",";
  json.back() = ']';
  json += ",\"files\":{";
  for (const std::string& file : hall.fs.filePaths()) {
    const std::vector<std::uint8_t> bytes = hall.fs.bytes(file);
    std::string hex;
    for (std::size_t i = 0; i < bytes.size() && i < 64; ++i) hex += formatText("%02x", bytes[i]);
    json += jsonString(file) + ":" +
            (file.ends_with(".Txt") ? jsonString(hall.fs.text(file))
                                    : "\"" + std::to_string(bytes.size()) + " " + hex + "\"") +
            ",";
  }
  json.back() = '}';
  json += formatText(",\"writes\":[%d,%d]}\n", writes, hall.fs.count(FileOp::Write) - writes);
  test::compareWithGolden("startup.json", json);  // a console makes no report folder
}

TEST(Startup, TheGameRecordGetsSellersPrizesAndCity) {
  Hall hall;
  hall.fs.addTextFile(std::string(kCfg) + "GradW.txt", "sombor");
  hall.start();
  const auto bytes = hall.state->gameRecord.bytes();
  std::vector<std::uint8_t> held;  // the city, the sellers, two prize fields
  for (const auto& [from, to] : {std::pair{43, 50}, {68, 104}, {904, 912}, {1272, 1280}})
    held.insert(held.end(), bytes.begin() + from, bytes.begin() + to);
  EXPECT_EQ(held, test::hex("06 53 4f 4d 42 4f 52 "  // SOMBOR
                            "04 50 52 30 20 00 04 50 52 31 20 00 04 50 52 32 20 00 04 50 52 33 20 00 "
                            "04 50 52 34 20 00 04 50 52 35 20 00 "  // PR0 .. PR5
                            "05 00 00 00 0f 00 00 00 23 00 00 00 2e 00 00 00"));
}

TEST(Startup, AnotherProgramAlsoLoadsTheFirstGameRecordFile) {
  Hall hall("C:\\Orma\\Bingo\\Server.exe");
  std::vector<std::uint8_t> dg(GameRecord::kSize, 0);
  dg[9] = 7;            // game type above 3
  dg[20] = dg[23] = 1;  // cleared by the last step
  dg[500] = 0x5A;
  hall.fs.addFolder("D:\\Orma");
  hall.fs.addFolder("C:\\Orma\\Wav");
  hall.fs.addFile("C:\\Orma\\Bingo\\Arh\\Dg\\B.dg", std::vector<std::uint8_t>(GameRecord::kSize, 0xEE));
  hall.fs.addFile("C:\\Orma\\Bingo\\Arh\\Dg\\A.DG", dg);
  hall.start();
  const ByteReader r = hall.state->gameRecord.reader();
  EXPECT_EQ(std::vector<int>({r.u8(500), r.u8(9), r.u8(20), r.u8(23)}), std::vector<int>({0x5A, 0, 0, 0}));
  EXPECT_TRUE(hall.fs.hasFolder(kFolderRep));
  EXPECT_TRUE(hall.traced("Ucitan  je: uDGFind_First.") && hall.traced("Ucitan  je: uKug_Izv_UpDate."));
}

// A program whose name starts with C is a console; the trace's day is YYMMDD.
TEST(Startup, RoleAndDate) {
  std::string roles;
  for (const char* path : {"C:\\Orma\\Bingo\\ClientBingo.exe", "c:\\x\\cb.exe", "/usr/bin/clientbingo",
                           "clientbingo", "C:\\Client\\Bingo.exe", "", "C:\\Orma\\"})
    roles += IsConsoleRole(path) ? "1" : "0";
  test::FakeClock clock;  // every start traces 2026-12-06 as "261206"
  clock.time = LocalTime{2000, 1, 9};
  EXPECT_EQ(roles + " " + TodayYYMMDD(clock), "1111000 000109");
}

constexpr const char* kBase = "C:\\Orma\\Bingo\\Arh\\CfgW\\A1944.3x5";

std::vector<std::uint8_t> cards(std::size_t count, std::size_t extraBytes = 0) {
  std::vector<std::uint8_t> bytes(count * 15 + extraBytes);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(1 + i % 90);
  return bytes;
}

TEST(BazaTik, TheResultIsTrueOnlyForExactlyTheExpectedCards) {
  const struct {
    const char* what;
    std::optional<std::vector<std::uint8_t>> file;
    FileOp refused;  // FileOp::List means nothing refused
    std::uint16_t expected;
    bool result;
    const char* trace;  // between "Ucitava se: BazaTik. Molim sacekajte..." and "Ucitan  je: BazaTik."
  } rows[] = {
      {"complete", cards(1944), FileOp::List, 1944, true, "1 "},
      {"longer file, excess ignored", cards(1950), FileOp::List, 1944, true, "1 "},
      {"trailing part of a card", cards(1944, 7), FileOp::List, 1944, true, "1 "},
      {"one card too few", cards(1943), FileOp::List, 1944, false, "0 "},
      {"missing", std::nullopt, FileOp::List, 1944, false, "0 "},
      {"open refused", cards(1944), FileOp::Open, 1944, false, "Baza tiketa nije u redu!\n0 "},
      {"read error", cards(1944), FileOp::Read, 1944, false, "0 "},
      {"close failed", cards(1944), FileOp::Close, 1944, false, "0 "},
      {"more cards expected than the table holds", cards(24194), FileOp::List, 30000, false, "0 "},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    Hall hall;  // not started: only the card file's check
    test::FakeFileSystem& fs = hall.fs;
    fs.addFolder("C:\\Orma\\Bingo\\Arh\\Log");
    if (row.file) fs.addFile(kBase, *row.file);
    if (row.refused != FileOp::List) fs.fail(row.refused, kBase);
    FileNames names;
    names.PathTicketBase = {kBase, "", "", ""};
    ConfigRecords records{.GameConfig = GameConfig_Defaults()};
    ByteWriter(records.GameConfig).u16le(22, row.expected);
    records.GameConfig[16] = 7;
    StartupTicketBase base;
    EXPECT_EQ(BazaTik_Check({fs, hall.logs, names}, records, base, 0), row.result);
    EXPECT_EQ(
        std::regex_replace(fs.text(kTrace), std::regex("\\d\\d:\\d\\d:\\d\\d> |\r"), ""),
        std::string("Ucitava se: BazaTik. Molim sacekajte...\n") + row.trace + "\nUcitan  je: BazaTik.\n");
    // A missing file leaves the result byte to the start-up sequence.
    EXPECT_EQ(records.GameConfig[16], row.file ? (row.result ? 1 : 0) : 7);
    if (!row.result) continue;
    EXPECT_EQ(std::vector<int>(
                  {base.BazaTikTable[0], base.BazaTikTable[1943 * 15 + 14], base.BazaTikTable[1944 * 15]}),
              std::vector<int>({1, (1943 * 15 + 14) % 90 + 1, 0}));
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

// Counts of the ranges | the runs' count and first-last | sold and amount totals.
TEST(StartupSoldMarks, RangesBecomeFlagsCountsRunsAndTotals) {
  const struct {
    std::vector<Range> ranges;
    std::uint8_t gameType, byte1876;
    const char* expected;
  } rows[] = {
      // Adjacent ranges merge, empty and reversed ranges count 0.
      {{{1, 11, 100}, {20, 21, 200}, {0, 5, 0}, {30, 25, 0}, {11, 15, 0}, {0, 0, 0}},
       0,
       0,
       "10 1 0 0 4 0 | 2: 1-14 20-20 | 15 300"},
      {{{1900, 2000, 0}}, 0, 0, "100 | 1: 1900-1944 | 100 0"},  // runs only up to the type's ticket count
      {{{24000, 65535, 0}}, 3, 0, "41535 | 1: 24000-24192 | 41535 0"},  // end beyond the table
      {{{5, 9, 1}}, 0, 14, "4 | 0: | 4 1"},  // byte 1876 = 14 leaves the runs empty
      // Six ranges make six runs at most: the seventh run slot stays empty.
      {{{1, 3, 0}, {5, 7, 0}, {9, 11, 0}, {13, 15, 0}, {19, 21, 0}, {23, 25, 0}},
       0,
       0,
       "2 2 2 2 2 2 | 6: 1-2 5-6 9-10 13-14 19-20 23-24 | 12 0"},
  };
  for (const auto& row : rows) {
    GameRecord record = withRanges(row.ranges);
    record.writer().u8(9, row.gameType);
    record.writer().u8(1876, row.byte1876);
    StartupTicketBase base;
    base.allocate();
    base.BazaTikSold[17] = 1;  // stale flag
    rebuildStartupSoldMarks(base, record, GameConfig_Defaults());
    const ByteReader r = record.reader();
    std::string shown;
    for (std::size_t n = 0; n < row.ranges.size(); ++n) shown += std::to_string(r.u16le(1992 + 2 * n)) + " ";
    shown += "| " + std::to_string(r.u8(104)) + ":";
    for (std::size_t k = 1; k <= 7; ++k)
      if (r.u16le(286 + 2 * k) || r.u16le(314 + 2 * k))
        shown += " " + std::to_string(r.u16le(286 + 2 * k)) + "-" + std::to_string(r.u16le(314 + 2 * k));
    shown += " | " + std::to_string(r.i32le(1880)) + " " + std::to_string(r.i32le(1884));
    EXPECT_EQ(shown, row.expected);
    EXPECT_EQ(base.BazaTikSold[17] + base.BazaTikSold[0], 0);
  }
}

}  // namespace
}  // namespace bingo
