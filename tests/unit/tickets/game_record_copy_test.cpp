#include "tickets/game_record_copy.h"

#include <gtest/gtest.h>

#include "support/fake_file_system.h"
#include "support/fakes.h"

namespace bingo {
namespace {

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
  test::FakeFileSystem fs;
  test::FakeClock clock;
  Logs logs{fs, clock, "C:\\Orma\\Bingo\\ClientBingo.exe"};
  GameRecordCopy copy{fs, logs};
  ConsoleConfig config;
};

TEST(RecordCopy, TakesTheGreatestWholeRecordFileOfTheCity) {
  const std::string tooLong = "150102N1-a-record-name-too-long-for-fifty-characters.DG";
  const std::string fifty = "150102N1" + std::string(39, 'x') + ".DG";
  const std::string traced = "> Predugo ime fajla igre, nije preuzet: " + tooLong + "\r\n";
  // Name, files on the share (name, size), the one taken. A latest name over
  // 50 characters is not passed over for an older one, which would be filed
  // as this game's record; it is traced once.
  const std::tuple<const char*, std::vector<std::pair<std::string, std::size_t>>, std::string> rows[] = {
      {"a greater name of a wrong size is skipped",
       {{"150101N1.DG", 81256}, {"150102N1.DG", 100}},
       "150101N1.DG"},
      {"the greatest name wins", {{"150101N1.DG", 81256}, {"150102N1.DG", 2 * 81256}}, "150102N1.DG"},
      {"an empty file counts as whole", {{"150101N1.DG", 81256}, {"150103N.DG", 0}}, "150103N.DG"},
      {"another city's file is skipped", {{"150101N1.DG", 81256}, {"150109B1.DG", 81256}}, "150101N1.DG"},
      {"six characters before the letter", {{"15010N1.DG", 81256}, {"1501011N.DG", 81256}}, ""},
      {"a name with .. is skipped", {{"150101N1.DG", 81256}, {"150109N..DG", 81256}}, "150101N1.DG"},
      {"a name of 50 characters is taken", {{"150101N1.DG", 81256}, {fifty, 81256}}, fifty},
      {"a latest name over 50 characters moves nothing", {{"150101N1.DG", 81256}, {tooLong, 81256}}, ""},
      {"nothing there", {}, ""}};
  for (const auto& [name, files, latest] : rows) {
    Hall h;
    for (const auto& [file, size] : files) h.share(file, size);
    for (int tick = 0; tick < 3; ++tick) h.tick(3);
    EXPECT_EQ(h.config.NetDGName, latest) << name;
    EXPECT_EQ(h.fs.count(FileOp::Move), latest.empty() ? 0 : 1) << name;
    const std::string trace = h.fs.text("C:\\Orma\\Bingo\\Arh\\Log\\261206.Txt");
    // The too-long name is traced once, and nothing else is.
    EXPECT_EQ(trace.substr(std::min(trace.find("> Predugo"), trace.size())),
              files.size() == 2 && files[1].first == tooLong ? traced : "")
        << name;
  }
}

// The fault matrix of the console tests holds the paths of round 8 and where
// each refused step lands; here the run number's ends.
TEST(RecordCopy, FilesTheRecordIntoTheArchiveUnderItsRunNumber) {
  // Round, the run's folder, NetDGRB after, the second temporary copy.
  const std::tuple<int, const char*, int, const char*> rows[] = {
      {150, "149", 49, "150101n149"}, {1, "000", 0, "150101n100"}, {0, "000", 0, "150101n100"}};
  for (const auto& [kolo, folder, rb, temporary] : rows) {
    Hall h;
    h.share("150101N1.DG");
    h.tick(3, kolo);
    EXPECT_EQ(std::tuple(h.config.NetDGTaken, h.config.NetDGRB,
                         h.fs.bytes(kArchive + std::string("\\150101N1\\") + folder + "\\150101N1.DG"),
                         h.fs.bytes(kArchive + std::string("\\DGT\\") + temporary)),
              std::tuple(true, rb, kRecord, kRecord))
        << kolo;
  }
}

TEST(RecordCopy, OneCopyInsideTheBallWindow) {
  Hall h;
  // Ball, copied, taken after. Each tick finds a new file on the share; only
  // the first tick of each window takes one.
  const std::tuple<int, bool, bool> rows[] = {{2, false, false}, {3, true, true}, {4, false, true},
                                              {5, false, false}, {4, true, true}, {1, false, false}};
  int n = 0;
  for (const auto& [LOP, copied, taken] : rows) {
    const std::string name = "15010" + std::to_string(n++) + "N1.DG";
    h.share(name);
    h.tick(LOP);
    EXPECT_EQ(h.fs.hasFile(std::string(kShare) + "\\" + name), !copied) << LOP << " " << name;
    EXPECT_EQ(h.config.NetDGTaken, taken) << LOP << " " << name;
    // The file left on the share at the start of a window is taken with the next.
    if (LOP == 5) h.fs.removeFile(std::string(kShare) + "\\" + name);
  }
  h.config.NetDGEnabled = false;  // disabled: the share is never listed
  const int listed = h.fs.count(FileOp::List);
  h.tick(3);
  EXPECT_EQ(h.fs.count(FileOp::List), listed);
}

}  // namespace
}  // namespace bingo
