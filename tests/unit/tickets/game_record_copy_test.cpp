#include "tickets/game_record_copy.h"

#include <gtest/gtest.h>

#include "support/fake_file_system.h"
#include "support/fakes.h"

namespace bingo {
namespace {

using test::FakeFileSystem;

constexpr const char* kShare = "\\\\SRV\\net";
constexpr const char* kArchive = "C:\\Orma\\Bingo\\Arh\\DG2";
const std::vector<std::uint8_t> kRecord(GameRecord::kSize, 0x5A);

// A share and an archive with the copy switched on for balls 3 and 4.
struct Hall {
  Hall() {
    fs.addFolder(kShare);
    fs.addFolder("C:\\Orma\\Bingo\\Arh\\Log");
    config.NetDGEnabled = true;
    config.FoldersNet = kShare;
    config.NetDGFolder = kArchive;
    config.NetDGFolderTmp = "DGT";
    config.NetDGLOPmin = 2;
    config.NetDGLOPmax = 5;
  }
  void share(const std::string& name, std::size_t size = GameRecord::kSize) {
    fs.addFile(std::string(kShare) + "\\" + name, std::vector<std::uint8_t>(size, 0x5A));
  }
  void tick(int LOP, std::int32_t kolo = 8) { copy.CheckGameOver_Copy(config, LOP, kolo, 'N'); }
  FakeFileSystem fs;
  test::FakeClock clock;
  Logs logs{fs, clock, "C:\\Orma\\Bingo\\ClientBingo.exe"};
  GameRecordCopy copy{fs, logs};
  ConsoleConfig config;
};

TEST(RecordCopy, TakesTheGreatestWholeRecordFileOfTheCity) {
  const std::string tooLong = "150102N1-a-record-name-too-long-for-fifty-characters.DG";
  struct Row {
    const char* name;
    std::vector<std::pair<std::string, std::size_t>> files;  // name, size in bytes
    const char* latest;
    int traced = 0;  // lines telling the name is too long
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
      // Not passed over for an older one, which would be filed as this game's record; traced once.
      {"a latest name over 50 characters moves nothing", {{"150101N1.DG", 81256}, {tooLong, 81256}}, "", 1},
      {"nothing there", {}, ""},
  };
  for (const Row& r : rows) {
    Hall h;
    for (const auto& [name, size] : r.files) h.share(name, size);
    for (int tick = 0; tick < 3; ++tick) h.tick(3);
    EXPECT_EQ(h.config.NetDGName, r.latest) << r.name;
    EXPECT_EQ(h.fs.count(FileOp::Move), *r.latest ? 1 : 0) << r.name;
    const std::string trace = h.fs.text("C:\\Orma\\Bingo\\Arh\\Log\\261206.Txt");
    const std::string line = "> Predugo ime fajla igre, nije preuzet: " + tooLong + "\r\n";
    EXPECT_EQ(trace.find(line) != std::string::npos, r.traced == 1) << r.name;
    EXPECT_EQ(trace.find("Predugo"), trace.rfind("Predugo")) << r.name;
  }
}

TEST(RecordCopy, FilesTheRecordIntoTheArchiveUnderItsRunNumber) {
  Hall h;
  struct Row {
    std::int32_t kolo;
    const char* folder;
    std::uint16_t rb;
    const char* temporary;
  };
  const Row rows[] = {{8, "007", 7, "150101n107"},
                      {150, "149", 49, "150101n149"},
                      {1, "000", 0, "150101n100"},
                      {0, "000", 0, "150101n100"}};
  for (const Row& r : rows) {
    h.share("150101N1.DG");
    h.config.NetDGTaken = false;
    h.tick(3, r.kolo);
    EXPECT_TRUE(h.config.NetDGTaken) << r.kolo;
    EXPECT_EQ(h.config.NetDGRB, r.rb) << r.kolo;
    EXPECT_FALSE(h.fs.hasFile("\\\\SRV\\net\\150101N1.DG"));
    for (const std::string& copy :
         {std::string("\\150101N1\\") + r.folder + "\\150101N1.DG", std::string("\\150101N1.DG"),
          std::string("\\DGT\\150101N1.DG"), std::string("\\DGT\\") + r.temporary})
      EXPECT_EQ(h.fs.bytes(kArchive + copy), kRecord) << r.kolo << copy;
  }
}

TEST(RecordCopy, OneCopyInsideTheBallWindow) {
  Hall h;
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
    h.share(name);
    h.tick(r.LOP);
    EXPECT_EQ(h.fs.hasFile(std::string(kShare) + "\\" + name), !r.copied) << r.LOP << " " << name;
    EXPECT_EQ(h.config.NetDGTaken, r.taken) << r.LOP << " " << name;
    // The file left on the share at the start of a window is taken with the next.
    if (r.LOP == 5) h.fs.removeFile(std::string(kShare) + "\\" + name);
  }
  h.config.NetDGEnabled = false;  // disabled: the share is never listed
  const int listed = h.fs.count(FileOp::List);
  h.tick(3);
  EXPECT_EQ(h.fs.count(FileOp::List), listed);
}

TEST(RecordCopy, MissingShareIsReportedAndNothingHappens) {
  Hall h;
  h.fs.fail(FileOp::MakeFolder, "\\\\SRV\\gone");
  h.config.FoldersNet = "\\\\SRV\\gone";
  h.tick(3);
  EXPECT_FALSE(h.config.NetDGTaken);
  EXPECT_EQ(h.config.NetDGName, "");
  EXPECT_NE(
      h.fs.text("C:\\Orma\\Bingo\\Arh\\Log\\LogApp.txt").find("Ne mogu da napravim folder: \\\\SRV\\gone"),
      std::string::npos);
}

TEST(CityLetter, FirstLetterOfTheCityName) {
  GameRecord record;
  record.writer().shortString(GameRecord::kCityName, "Nis", 8);
  EXPECT_EQ(cityLetter(record), 'N');
}

}  // namespace
}  // namespace bingo
