#include "platform/housekeeping.h"

#include <gtest/gtest.h>

#include "support/fake_file_system.h"
#include "support/fakes.h"

namespace bingo {
namespace {

const std::string kArh = "C:\\Orma\\Bingo\\Arh";
const std::string kTicketBase = kArh + "\\CfgW\\A1944.3x5", kCity = kArh + "\\CfgW\\GradW.txt";
const std::string kLogApp = kArh + "\\Log\\LogApp.txt";
using Folders = std::vector<std::string>;

struct Hall {
  explicit Hall(const Folders& present = {"C:\\Orma\\Bingo"}) {
    for (const auto& folder : present) fs.addFolder(folder);
  }
  test::FakeFileSystem fs;
  test::FakeClock clock;
  Logs logs{fs, clock, "C:\\Orma\\Bingo\\ClientBingo.exe"};
  Housekeeping housekeeping{fs, logs};
};
std::string report(const std::string& text) { return "  1206 09:30:15> " + text; }

TEST(Housekeeping, AFailedFolderStopsTheChainWithTwoReports) {
  struct Row {
    std::string refused;
    Folders present;
    std::string logApp, named, absent;  // where the reports land, the folder named, one not tried after
    std::string made = "C:\\Windows";
  };
  const Row rows[] = {
      {kArh, {"C:\\Orma\\Bingo"}, "LogApp.txt", kArh, kArh + "\\Dg"},
      {kArh + "\\Dg", {"C:\\Orma\\Bingo"}, kLogApp, kArh + "\\Dg", kArh + "\\Net"},
      // A fresh disk: the installation's parents are made, the other drive's tree is not.
      {"", {}, kLogApp, "D:\\Orma\\Wav", "C:\\Orma\\Wav\\Temp", kArh + "\\Net"},
      {"D:\\Orma\\Wav", {"C:\\Orma\\Bingo", "D:\\Orma"}, kLogApp, "D:\\Orma\\Wav", kArh + "\\Rep"},
  };
  for (const Row& row : rows) {
    Hall hall(row.present);
    if (!row.refused.empty()) hall.fs.fail(FileOp::MakeFolder, row.refused);
    hall.housekeeping.AppHalt_Folders_Make(false);
    EXPECT_EQ(hall.fs.text(row.logApp),
              report("Ne mogu da napravim folder: " + row.named) + report("Ne postoji folder: "))
        << row.named;
    EXPECT_FALSE(hall.fs.hasFolder(row.absent)) << row.named;
    EXPECT_TRUE(hall.fs.hasFolder(row.made)) << row.named;
  }
}

TEST(Housekeeping, TicketBaseCheckLeavesItsMessages) {
  const std::string once = "Ne postoji file: " + kTicketBase, twice = "Ne postoji file:  " + kTicketBase;
  // ticket base size (nothing: none), a city file, the trace, LogApp.txt; the missing
  // ticket base is in the start-up dump
  const std::tuple<std::optional<std::size_t>, bool, std::vector<std::string>, std::string> rows[] = {
      // The city file is not looked at after a bad ticket base.
      {29161, false, {twice, twice}, report(twice)},
      {29159, true, {twice, twice}, report(twice)},
      // Only the city's absence is traced, and not reported.
      {29160, false, {"Ne postoji file: " + kCity}, ""},
      {29160, true, {}, ""},
  };
  for (const auto& [baseSize, city, lines, logApp] : rows) {
    Hall hall({kArh + "\\Log"});
    if (baseSize) hall.fs.addFile(kTicketBase, std::vector<std::uint8_t>(*baseSize, 7));
    if (city) hall.fs.addTextFile(kCity, "NOVI SAD\r\n");
    hall.housekeeping.AppHalt_FileAndFold_Names_Make_Default();
    hall.housekeeping.AppHalt_Files();
    std::string trace;
    for (const auto& line : lines) trace += "09:30:15> " + line + "\r\n";
    EXPECT_EQ(hall.fs.text(kArh + "\\Log\\261206.Txt") + "|" + hall.fs.text(kLogApp), trace + "|" + logApp);
  }
}

TEST(Housekeeping, FileAndFolderChecksOnOtherPaths) {
  Hall hall({kArh + "\\Log", kCity});
  hall.fs.addTextFile(kArh + "\\Net", "a file where a folder belongs");
  // Any directory entry of the name counts as the folder; a folder is no file.
  EXPECT_TRUE(hall.housekeeping.Folder_Ensure(kArh + "\\Net", true));
  EXPECT_EQ(hall.fs.count(FileOp::MakeFolder), 0);
  EXPECT_FALSE(hall.housekeeping.File_Check(kCity, std::nullopt, false));
  EXPECT_FALSE(hall.housekeeping.File_Check(kCity, 0, false));
  // A refused creation without `report` stays silent.
  hall.fs.fail(FileOp::MakeFolder, kArh + "\\DG2");
  EXPECT_FALSE(hall.housekeeping.Folder_Ensure(kArh + "\\DG2", false));
  EXPECT_FALSE(hall.fs.hasFile(kLogApp));
}

}  // namespace
}  // namespace bingo
