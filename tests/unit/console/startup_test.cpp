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

// Outside the console's role the first game record by name is taken whole;
// a short one is refused, a game type above 3 becomes 0.
TEST(Startup, TheServerRoleTakesTheFirstWholeGameRecord) {
  const auto record = [](std::size_t size, std::uint8_t type) {
    std::vector<std::uint8_t> bytes(size, 0);
    bytes[GameRecord::kGameType] = type;
    return bytes;
  };
  const std::tuple<std::vector<std::uint8_t>, std::vector<std::uint8_t>, int> rows[] = {
      {record(GameRecord::kSize, 2), record(GameRecord::kSize, 1), 2},
      {record(GameRecord::kSize - 1, 2), record(GameRecord::kSize, 1), 0},
      {record(GameRecord::kSize, 7), record(GameRecord::kSize, 1), 0},
  };
  for (const auto& [first, second, type] : rows) {
    Hall hall("C:\\Orma\\Bingo\\ServerBingo.exe");
    hall.fs.addFile(std::string(kFolderDg) + "\\261206N2.dg", second);
    hall.fs.addFile(std::string(kFolderDg) + "\\261206N1.dg", first);
    hall.start();
    EXPECT_EQ(hall.state->gameRecord.reader().u8(GameRecord::kGameType), type) << first.size();
  }
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
  EXPECT_TRUE(hall.fs.hasFolder(kFolderRep));  // and the two steps of a server traced
  const std::string trace = hall.fs.text(kTrace);
  EXPECT_TRUE(trace.find("je: uDGFind_First.\r") != std::string::npos &&
              trace.find("je: uKug_Izv_UpDate.\r") != std::string::npos);
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

TEST(BazaTik, TheResultIsTrueOnlyForExactlyTheExpectedCards) {
  // The card file's bytes (0: no file), an operation refused on it (List: none), the cards the game
  // configuration expects; the result, the result byte (7 before: a missing file leaves it to the start-up
  // sequence), what is traced between the check's first and last lines.
  const std::tuple<const char*, std::size_t, FileOp, std::uint16_t, const char*> rows[] = {
      {"complete", 1944 * 15, FileOp::List, 1944, "1 1|1 \n"},
      {"longer file, excess ignored", 1950 * 15, FileOp::List, 1944, "1 1|1 \n"},
      {"trailing part of a card", 1944 * 15 + 7, FileOp::List, 1944, "1 1|1 \n"},
      {"one card too few", 1943 * 15, FileOp::List, 1944, "0 0|0 \n"},
      {"missing", 0, FileOp::List, 1944, "0 7|0 \n"},
      {"open refused", 1944 * 15, FileOp::Open, 1944, "0 0|Baza tiketa nije u redu!\n0 \n"},
      {"read error", 1944 * 15, FileOp::Read, 1944, "0 0|0 \n"},
      {"close failed", 1944 * 15, FileOp::Close, 1944, "0 0|0 \n"},
      {"more cards expected than the table holds", 24194 * 15, FileOp::List, 30000, "0 0|0 \n"},
  };
  for (const auto& [what, size, refused, expected, shown] : rows) {
    Hall hall;  // not started: only the card file's check
    hall.fs.addFolder("C:\\Orma\\Bingo\\Arh\\Log");
    hall.fs.readInPieces(1000);  // a share may deliver less than asked
    std::vector<std::uint8_t> file(size);
    for (std::size_t i = 0; i < size; ++i) file[i] = static_cast<std::uint8_t>(1 + i % 90);
    if (size) hall.fs.addFile(kBase, file);
    if (refused != FileOp::List) hall.fs.fail(refused, kBase);
    FileNames names;
    names.PathTicketBase = {kBase, "", "", ""};
    ConfigRecords records{.GameConfig = GameConfig_Defaults()};
    ByteWriter(records.GameConfig).u16le(22, expected);
    records.GameConfig[16] = 7;
    StartupTicketBase base;
    const bool result = BazaTik_Check({hall.fs, hall.logs, names}, records, base, 0);
    EXPECT_EQ(formatText("%d %d|", result, records.GameConfig[16]) +
                  std::regex_replace(hall.fs.text(kTrace),
                                     std::regex("\\d\\d:\\d\\d:\\d\\d> |\r|Ucita.*BazaTik.*\r\n"), ""),
              shown)
        << what;
    if (!result) continue;
    EXPECT_EQ(std::vector<int>(
                  {base.BazaTikTable[0], base.BazaTikTable[1943 * 15 + 14], base.BazaTikTable[1944 * 15]}),
              std::vector<int>({1, (1943 * 15 + 14) % 90 + 1, 0}));
  }
}

using Range = std::array<std::uint16_t, 3>;  // first, end, amount

// Counts of the ranges | the runs' count and first-last | sold and amount totals.
TEST(StartupSoldMarks, RangesBecomeFlagsCountsRunsAndTotals) {
  // The ranges, the game type, byte 1876, the result.
  const std::tuple<std::vector<Range>, std::uint8_t, std::uint8_t, const char*> rows[] = {
      // Adjacent ranges merge, empty and reversed ranges count 0.
      {{{1, 11, 100}, {20, 21, 200}, {0, 5, 0}, {30, 25, 0}, {11, 15, 0}, {0, 0, 0}},
       0,
       0,
       "10 1 0 0 4 0 | 2: 1-14 20-20 | 15 300 100"},
      {{{1900, 2000, 0}}, 0, 0, "100 | 1: 1900-1944 | 100 0 0"},  // runs only up to the type's ticket count
      {{{24000, 65535, 0}}, 3, 0, "41535 | 1: 24000-24192 | 41535 0 0"},  // end beyond the table
      {{{5, 9, 1}}, 0, 14, "4 | 0: | 4 1 1"},  // byte 1876 = 14 leaves the runs empty
      // Six ranges make six runs at most: the seventh run slot stays empty.
      {{{1, 3, 0}, {5, 7, 0}, {9, 11, 0}, {13, 15, 0}, {19, 21, 0}, {23, 25, 0}},
       0,
       0,
       "2 2 2 2 2 2 | 6: 1-2 5-6 9-10 13-14 19-20 23-24 | 12 0 0"},
  };
  for (const auto& [ranges, gameType, byte1876, expected] : rows) {
    GameRecord record;
    ByteWriter w = record.writer();
    // Leftovers of an earlier round in the run slots, counts and totals.
    for (std::size_t at = 288; at < 330; ++at) w.u8(at, 0xFF);
    w.u8(104, 0xFF);
    for (std::size_t n = 0; n < ranges.size(); ++n) {
      w.u16le(1968 + 2 * n, ranges[n][0]);
      w.u16le(1980 + 2 * n, ranges[n][1]);
      w.u16le(1992 + 2 * n, 0xFFFF);
      w.u16le(2004 + 2 * n, ranges[n][2]);
    }
    w.u8(9, gameType);
    w.u8(1876, byte1876);
    StartupTicketBase base;
    base.allocate();
    base.BazaTikSold[17] = 1;  // stale flag
    rebuildStartupSoldMarks(base, record, GameConfig_Defaults());
    const ByteReader r = record.reader();
    std::string shown;
    for (std::size_t n = 0; n < ranges.size(); ++n) shown += std::to_string(r.u16le(1992 + 2 * n)) + " ";
    shown += "| " + std::to_string(r.u8(104)) + ":";
    for (std::size_t k = 1; k <= 7; ++k)
      if (r.u16le(286 + 2 * k) || r.u16le(314 + 2 * k))
        shown += " " + std::to_string(r.u16le(286 + 2 * k)) + "-" + std::to_string(r.u16le(314 + 2 * k));
    // The totals, and the first range's amount, which the record keeps.
    shown += " | " + std::to_string(r.i32le(1880)) + " " + std::to_string(r.i32le(1884)) + " " +
             std::to_string(r.u16le(2004));
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(base.BazaTikSold[17] + base.BazaTikSold[0], 0);
  }
}

}  // namespace
}  // namespace bingo
