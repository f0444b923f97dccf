#include "app/console/startup.h"

#include <gtest/gtest.h>

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
// reviewed dump holds the folders, the files made and both traces.
TEST(Startup, AFirstStartMakesTheFoldersAndFilesAndTracesEveryStep) {
  Hall hall;
  hall.start();
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
  json += ",\"writes\":" + std::to_string(hall.fs.count(FileOp::Write)) + "}\n";
  test::compareWithGolden("startup.json", json);  // a console makes no report folder

  // A second start reads the files without rewriting them.
  const std::vector<std::uint8_t> gameConfig = hall.fs.bytes(std::string(kCfg) + "CfgC2.cfg");
  const int writes = hall.fs.count(FileOp::Write);
  hall.start();
  EXPECT_EQ(hall.fs.count(FileOp::Write), writes);
  EXPECT_TRUE(hall.state->cityFromFile);
  EXPECT_TRUE(std::ranges::equal(hall.state->records.GameConfig, gameConfig));
  EXPECT_TRUE(hall.traced("1 NOVISAD ") && hall.traced("Ucitava se datoteka RezDefW.txt"));
}

TEST(Startup, TheGameRecordGetsSellersPrizesAndCity) {
  Hall hall;
  hall.fs.addTextFile(std::string(kCfg) + "GradW.txt", "sombor");
  hall.start();
  const auto bytes = hall.state->gameRecord.bytes();
  const auto at = [&](std::size_t from, std::size_t to) {
    return std::vector<std::uint8_t>(bytes.begin() + from, bytes.begin() + to);
  };
  EXPECT_EQ(at(68, 104), test::hex("04 50 52 30 20 00 04 50 52 31 20 00 04 50 52 32 20 00 04 50 52 33 20 00 "
                                   "04 50 52 34 20 00 04 50 52 35 20 00"));  // PR0 .. PR5
  EXPECT_EQ(at(904, 912), test::hex("05 00 00 00 0f 00 00 00"));
  EXPECT_EQ(at(1272, 1280), test::hex("23 00 00 00 2e 00 00 00"));
  EXPECT_EQ(at(43, 50), test::hex("06 53 4f 4d 42 4f 52"));  // SOMBOR
  EXPECT_EQ(hall.state->TodayYYMMDD, "261206");
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

TEST(Startup, RoleAndDate) {
  // A program whose name starts with C is a console.
  for (const char* path :
       {"C:\\Orma\\Bingo\\ClientBingo.exe", "c:\\x\\cb.exe", "/usr/bin/clientbingo", "clientbingo"})
    EXPECT_TRUE(IsConsoleRole(path)) << path;
  for (const char* path : {"C:\\Client\\Bingo.exe", "", "C:\\Orma\\"})
    EXPECT_FALSE(IsConsoleRole(path)) << path;
  test::FakeClock clock;  // every start traces 2026-12-06 as "261206"
  clock.time = LocalTime{2000, 1, 9};
  EXPECT_EQ(TodayYYMMDD(clock), "000109");
}

}  // namespace
}  // namespace bingo
