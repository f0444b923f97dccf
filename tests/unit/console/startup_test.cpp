#include "app/console/startup.h"

#include <gtest/gtest.h>

#include "platform/folders.h"
#include "support/fake_file_system.h"
#include "support/fakes.h"

namespace bingo {
namespace {

constexpr const char* kConsoleProgram = "C:\\Orma\\Bingo\\ClientBingo.exe";
constexpr const char* kCfg = "C:\\Orma\\Bingo\\Arh\\CfgW\\";

// Messages of a trace file, without their "HH:MM:SS> " stamps.
std::vector<std::string> messages(const test::FakeFileSystem& fs, const std::string& path) {
  std::vector<std::string> out;
  const std::string text = fs.text(path);
  for (std::size_t at = 0; at < text.size();) {
    const auto end = text.find("\r\n", at);
    out.push_back(text.substr(at + 10, end - at - 10));
    at = end == std::string::npos ? text.size() : end + 2;
  }
  return out;
}

struct Hall {
  explicit Hall(std::string program = kConsoleProgram) : programPath(std::move(program)) {
    // The program's own folder is there, since the program is.
    fs.addFile(programPath, {'M', 'Z'});
  }
  void start() {
    state = std::make_unique<StartupState>();
    Housekeeping housekeeping(fs, logs);
    Startup_Run({fs, logs, housekeeping, clock, programPath}, *state);
  }
  std::vector<std::string> trace() const { return messages(fs, "C:\\Orma\\Bingo\\Arh\\Log\\261206.Txt"); }

  std::string programPath;
  test::FakeFileSystem fs;
  test::FakeClock clock;  // 2026-12-06
  Logs logs{fs, clock, programPath};
  std::unique_ptr<StartupState> state;
};

std::vector<std::string> bracket(std::vector<std::string> steps) {
  std::vector<std::string> out;
  for (const auto& s : steps) {
    out.push_back("Ucitava se: " + s + "...");
    out.push_back("Ucitan  je: " + s + ".");
  }
  return out;
}

TEST(Startup, AFirstStartMakesTheFoldersAndFilesAndTracesEveryStep) {
  Hall hall;
  hall.start();

  const std::string base = std::string(kCfg) + "A1944.3x5";
  std::vector<std::string> expected{"Ucitan  je: AppHalt_Folders_Make."};
  auto add = [&](std::vector<std::string> lines) {
    expected.insert(expected.end(), lines.begin(), lines.end());
  };
  add(bracket(
      {"AppHalt_FileAndFold_Names_Make_Default", "AppHalt_Files_EraseOld", "AppHalt_Files_EraseOff"}));
  add({"Ucitava se: AppHalt_Files...", "Ne postoji file: " + base, "Ne postoji file: " + base,
       "Ne postoji file:  " + base, "Ne postoji file:  " + base, "Ucitan  je: AppHalt_Files."});
  add(bracket({"uPoint_Ini"}));
  add({"Ucitava se: CfgCOM_Ini...", "Ucitan  je: CfgCOM_Ini", "Ucitava se: CFG_Ini...",
       "Ucitan  je: CFG_Ini"});
  add(bracket({"FillChar (DG,0)&(BubKalin)", "uVI_Default"}));
  add({"Ucitava se: uRezDef_Read...", "Nije pronadjen RezDefW.txt, pa je pocetni rezim svih fondova isti",
       "Press Any Key To Continue...", "Ucitan  je: uRezDef_Read."});
  add(bracket({"uVI_Read"}));
  add({"Ucitava se: uGrad_Find...", "0 NOVISAD ", "Ucitan  je: uGrad_Find."});
  add({"Ucitava se: uDates_Find...", "261206 ", "Ucitan  je: uDates_Find."});
  add(bracket({"Prodavci", "SuperPremije"}));
  add({"Ucitava se: BazaTik. Molim sacekajte...", "0 ", "Ucitan  je: BazaTik."});
  add({"Ucitava se: uProtokl_Main...", std::string("Protokol.cfg READ : ") + kCfg + "ProtklW.cfg",
       "Ucitan  je: uProtokl_Main."});
  add(bracket({"uIntervl_UpDate", "ImaPromene i NextF3"}));
  EXPECT_EQ(hall.trace(), expected);
  // The first line comes before the log folder exists and goes to the working directory.
  EXPECT_EQ(messages(hall.fs, "261206.Txt"),
            (std::vector<std::string>{"Ucitava se: AppHalt_Folders_Make..."}));

  for (const char* folder : {kFolderWindows, kFolderInstall, kFolderDg, kFolderBub, kFolderDmg, kFolderLog,
                             kFolderConfig, kFolderNetLocal})
    EXPECT_TRUE(hall.fs.hasFolder(folder)) << folder;
  EXPECT_FALSE(hall.fs.hasFolder(kFolderRep));
  for (const char* name : {"COMw.cfg", "CfgC2.cfg", "RezDefW.txt", "GradW.txt", "ProtklW.cfg"})
    EXPECT_TRUE(hall.fs.hasFile(std::string(kCfg) + name)) << name;
  EXPECT_EQ(hall.fs.text(std::string(kCfg) + "GradW.txt"), "NOVISAD");
  EXPECT_EQ(hall.fs.bytes(std::string(kCfg) + "ProtklW.cfg"), (std::vector<std::uint8_t>{8}));
  EXPECT_EQ(hall.fs.count(FileOp::Write), 5);
}

TEST(Startup, ASecondStartReadsTheFilesWithoutRewritingThem) {
  Hall hall;
  hall.start();
  const std::vector<std::uint8_t> gameConfig = hall.fs.bytes(std::string(kCfg) + "CfgC2.cfg");
  const int writes = hall.fs.count(FileOp::Write);
  hall.start();
  EXPECT_EQ(hall.fs.count(FileOp::Write), writes);
  EXPECT_EQ(hall.state->cityFromFile, true);
  EXPECT_EQ(
      std::vector<std::uint8_t>(hall.state->records.GameConfig.begin(), hall.state->records.GameConfig.end()),
      gameConfig);
  const auto trace = hall.trace();
  EXPECT_NE(std::find(trace.begin(), trace.end(), "1 NOVISAD "), trace.end());
  EXPECT_NE(std::find(trace.begin(), trace.end(), "Ucitava se datoteka RezDefW.txt"), trace.end());
}

TEST(Startup, TheGameRecordGetsSellersPrizesAndCity) {
  Hall hall;
  hall.fs.addTextFile(std::string(kCfg) + "GradW.txt", "sombor");
  hall.start();
  const auto bytes = hall.state->gameRecord.bytes();
  const std::vector<std::uint8_t> sellers(bytes.begin() + 68, bytes.begin() + 104);
  EXPECT_EQ(sellers, (std::vector<std::uint8_t>{4, 'P', 'R', '0', ' ', 0, 4, 'P', 'R', '1', ' ', 0,
                                                4, 'P', 'R', '2', ' ', 0, 4, 'P', 'R', '3', ' ', 0,
                                                4, 'P', 'R', '4', ' ', 0, 4, 'P', 'R', '5', ' ', 0}));
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 904, bytes.begin() + 912),
            (std::vector<std::uint8_t>{5, 0, 0, 0, 15, 0, 0, 0}));
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 1272, bytes.begin() + 1280),
            (std::vector<std::uint8_t>{35, 0, 0, 0, 46, 0, 0, 0}));
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 43, bytes.begin() + 50),
            (std::vector<std::uint8_t>{6, 'S', 'O', 'M', 'B', 'O', 'R'}));
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
  EXPECT_EQ(r.u8(500), 0x5A);
  EXPECT_EQ(r.u8(9), 0);
  EXPECT_EQ(r.u8(20), 0);
  EXPECT_EQ(r.u8(23), 0);
  EXPECT_TRUE(hall.fs.hasFolder(kFolderRep));
  const auto trace = hall.trace();
  for (const char* line : {"Ucitan  je: uDGFind_First.", "Ucitan  je: uKug_Izv_UpDate."})
    EXPECT_NE(std::find(trace.begin(), trace.end(), line), trace.end()) << line;
}

TEST(Startup, RoleAndDate) {
  struct Role {
    const char* path;
    bool console;
  };
  const Role roles[] = {
      {"C:\\Orma\\Bingo\\ClientBingo.exe", true},
      {"c:\\x\\cb.exe", true},
      {"/usr/bin/clientbingo", true},
      {"clientbingo", true},
      {"C:\\Client\\Bingo.exe", false},
      {"", false},
      {"C:\\Orma\\", false},
  };
  for (const Role& r : roles) EXPECT_EQ(IsConsoleRole(r.path), r.console) << r.path;

  struct Day {
    LocalTime time;
    const char* text;
  };
  const Day days[] = {{{2026, 12, 6}, "261206"}, {{2000, 1, 9}, "000109"}, {{1999, 10, 31}, "991031"}};
  for (const Day& d : days) {
    test::FakeClock clock;
    clock.time = d.time;
    EXPECT_EQ(TodayYYMMDD(clock), d.text);
  }
}

}  // namespace
}  // namespace bingo
