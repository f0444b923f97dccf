#include <gtest/gtest.h>

#include "support/fake_file_system.h"
#include "support/fakes.h"
#include "tickets/game_record_copy.h"

namespace bingo {
namespace {

using test::FakeFileSystem;

constexpr const char* kShare = "\\\\SRV\\net";
constexpr const char* kArchive = "C:\\Orma\\Bingo\\Arh\\DG2";

std::vector<std::uint8_t> recordBytes(std::size_t records) {
  return std::vector<std::uint8_t>(records * GameRecord::kSize, 0x5A);
}

class RecordCopy : public ::testing::Test {
 protected:
  RecordCopy() {
    fs.addFolder(kShare);
    fs.addFolder("C:\\Orma\\Bingo\\Arh");
    config.NetDGEnabled = true;
    config.FoldersNet = kShare;
    config.NetDGFolder = kArchive;
    config.NetDGFolderTmp = "DGT";
    config.NetDGLOPmin = 2;
    config.NetDGLOPmax = 5;
  }
  void tick(int LOP, std::int32_t kolo = 8) { copy.CheckGameOver_Copy(config, LOP, kolo, 'N'); }

  FakeFileSystem fs;
  test::FakeClock clock;
  Logs logs{fs, clock, "C:\\Orma\\Bingo\\Arh\\ClientBingo.exe"};
  GameRecordCopy copy{fs, logs};
  ConsoleConfig config;
};

TEST_F(RecordCopy, TakesTheGreatestWholeRecordFileOfTheCity) {
  struct Row {
    const char* name;
    std::vector<std::pair<const char*, std::size_t>> files;  // name, size in bytes
    const char* latest;
  };
  const Row rows[] = {
      {"a greater name of a wrong size is skipped",
       {{"150101N1.DG", 81256}, {"150102N1.DG", 100}},
       "150101N1.DG"},
      {"the greatest name wins", {{"150101N1.DG", 81256}, {"150102N1.DG", 2 * 81256}}, "150102N1.DG"},
      {"an empty file counts as whole", {{"150101N1.DG", 81256}, {"150103N.DG", 0}}, "150103N.DG"},
      {"another city's file is skipped", {{"150101N1.DG", 81256}, {"150109B1.DG", 81256}}, "150101N1.DG"},
      {"six characters before the letter", {{"15010N1.DG", 81256}, {"1501011N.DG", 81256}}, ""},
      {"a name with .. is skipped", {{"150101N1.DG", 81256}, {"150109N..DG", 81256}}, "150101N1.DG"},
      {"a longer latest name is not passed over for an older one",
       {{"150101N1.DG", 81256}, {"150102N1-a-record-name-too-long-for-fifty-characters.DG", 81256}},
       ""},
      {"nothing there", {}, ""},
  };
  for (const Row& r : rows) {
    FakeFileSystem files;
    for (const auto& [name, size] : r.files)
      files.addFile(std::string(kShare) + "\\" + name, std::vector<std::uint8_t>(size, 0));
    files.addFolder(kShare);
    Logs quiet(files, clock, "C:\\ClientBingo.exe");
    GameRecordCopy finder(files, quiet);
    EXPECT_EQ(finder.FindLatestDG(kShare, 'N'), r.latest) << r.name;
  }
}

TEST_F(RecordCopy, FilesTheRecordIntoTheArchiveUnderItsRunNumber) {
  struct Row {
    std::int32_t kolo;
    const char* folder;
    std::uint16_t rb;
    const char* temporary;
  };
  const Row rows[] = {
      {8, "007", 7, "150101n107"},
      {150, "149", 49, "150101n149"},
      {1, "000", 0, "150101n100"},
      {0, "000", 0, "150101n100"},
  };
  for (const Row& r : rows) {
    fs.addFile("\\\\SRV\\net\\150101N1.DG", recordBytes(1));
    config.NetDGTaken = false;
    tick(3, r.kolo);
    EXPECT_TRUE(config.NetDGTaken) << r.kolo;
    EXPECT_EQ(config.NetDGRB, r.rb) << r.kolo;
    EXPECT_EQ(config.NetDGName, "150101N1.DG");
    EXPECT_FALSE(fs.hasFile("\\\\SRV\\net\\150101N1.DG"));
    for (const std::string& copy :
         {std::string("\\150101N1\\") + r.folder + "\\150101N1.DG", std::string("\\150101N1.DG"),
          std::string("\\DGT\\150101N1.DG"), std::string("\\DGT\\") + r.temporary})
      EXPECT_EQ(fs.bytes(kArchive + copy), recordBytes(1)) << r.kolo << copy;
  }
}

TEST_F(RecordCopy, OneCopyInsideTheBallWindow) {
  struct Row {
    int LOP;
    bool copied, taken;
  };
  const Row rows[] = {{2, false, false}, {3, true, true}, {4, false, true},
                      {5, false, false}, {4, true, true}, {1, false, false}};
  // Each tick finds a new file on the share; only the first tick of each window takes one.
  int n = 0;
  for (const Row& r : rows) {
    const std::string name = "15010" + std::to_string(n++) + "N1.DG";
    fs.addFile(std::string(kShare) + "\\" + name, recordBytes(1));
    tick(r.LOP);
    EXPECT_EQ(fs.hasFile(std::string(kShare) + "\\" + name), !r.copied) << r.LOP << " " << name;
    EXPECT_EQ(config.NetDGTaken, r.taken) << r.LOP << " " << name;
    // The file left on the share at the start of a window is taken with the next.
    if (r.LOP == 5) fs.removeFile(std::string(kShare) + "\\" + name);
  }
}

TEST_F(RecordCopy, FailuresLeaveTheCopyUntakenForTheNextTick) {
  struct Row {
    const char* name;
    FileOp op;
    std::string path;
  };
  const Row rows[] = {
      {"the share vanishes before the move", FileOp::Move, "\\\\SRV\\net\\150101N1.DG"},
      {"the archive copy fails", FileOp::Copy, "C:\\Orma\\Bingo\\Arh\\DG2\\150101N1.DG"},
      {"the first temporary copy fails", FileOp::Copy, "C:\\Orma\\Bingo\\Arh\\DG2\\DGT\\150101N1.DG"},
      {"the second temporary copy fails", FileOp::Copy, "c:\\orma\\bingo\\arh\\dg2\\dgt\\150101n107"},
      {"the per-game folder cannot be made", FileOp::MakeFolder, "C:\\Orma\\Bingo\\Arh\\DG2\\150101N1\\007"},
  };
  for (const Row& r : rows) {
    FakeFileSystem files;
    files.addFile("\\\\SRV\\net\\150101N1.DG", recordBytes(1));
    files.addFolder("C:\\Orma\\Bingo\\Arh");
    files.fail(r.op, r.path);
    Logs quiet(files, clock, "C:\\ClientBingo.exe");
    GameRecordCopy failing(files, quiet);
    config.NetDGTaken = false;
    failing.CheckGameOver_Copy(config, 3, 8, 'N');
    EXPECT_FALSE(config.NetDGTaken) << r.name;
    files.clearFailures();
    if (!files.hasFile("\\\\SRV\\net\\150101N1.DG"))
      files.addFile("\\\\SRV\\net\\150101N1.DG", recordBytes(1));
    failing.CheckGameOver_Copy(config, 3, 8, 'N');
    EXPECT_TRUE(config.NetDGTaken) << r.name;
  }
}

TEST_F(RecordCopy, MissingShareIsReportedAndNothingHappens) {
  FakeFileSystem files;
  files.addFolder("C:\\Orma\\Bingo\\Arh\\Log");
  files.fail(FileOp::MakeFolder, "\\\\SRV\\gone");
  Logs reporting(files, clock, "C:\\ClientBingo.exe");
  GameRecordCopy missing(files, reporting);
  config.FoldersNet = "\\\\SRV\\gone";
  missing.CheckGameOver_Copy(config, 3, 8, 'N');
  EXPECT_FALSE(config.NetDGTaken);
  EXPECT_EQ(config.NetDGName, "");
  EXPECT_NE(
      files.text("C:\\Orma\\Bingo\\Arh\\Log\\LogApp.txt").find("Ne mogu da napravim folder: \\\\SRV\\gone"),
      std::string::npos);
  EXPECT_EQ(files.count(FileOp::Move), 0);
}

TEST_F(RecordCopy, DisabledNeverListsTheShare) {
  config.NetDGEnabled = false;
  fs.addFile("\\\\SRV\\net\\150101N1.DG", recordBytes(1));
  tick(3);
  EXPECT_EQ(fs.count(FileOp::List), 0);
  EXPECT_FALSE(config.NetDGTaken);
}

TEST(CityLetter, FirstLetterOfTheCityName) {
  GameRecord record;
  record.writer().shortString(GameRecord::kCityName, "Nis", 8);
  EXPECT_EQ(cityLetter(record), 'N');
}

}  // namespace
}  // namespace bingo
