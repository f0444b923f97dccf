#include "platform/housekeeping.h"

#include <gtest/gtest.h>

#include "support/fake_file_system.h"
#include "support/fakes.h"

namespace bingo {
namespace {

constexpr const char* kArh = "C:\\Orma\\Bingo\\Arh";
constexpr const char* kTicketBase = "C:\\Orma\\Bingo\\Arh\\CfgW\\A1944.3x5";
constexpr const char* kCity = "C:\\Orma\\Bingo\\Arh\\CfgW\\GradW.txt";
constexpr const char* kLogApp = "C:\\Orma\\Bingo\\Arh\\Log\\LogApp.txt";
using Folders = std::vector<std::string>;

struct Hall {
  explicit Hall(const Folders& present = {"C:\\Orma\\Bingo"}) {
    for (const auto& folder : present) fs.addFolder(folder);
  }
  test::FakeFileSystem fs;
  test::FakeClock clock;
  Logs logs{fs, clock, "C:\\Orma\\Bingo\\ClientBingo.exe"};
  Housekeeping housekeeping{fs, logs};
  std::string report(const std::string& text) { return "  1206 09:30:15> " + text; }
};

TEST(Housekeeping, MakesTheInstallationTreeInOrderOnce) {
  const std::string arh = kArh;
  const Folders consoleTree{"C:\\Windows", arh,           arh + "\\Dg",   arh + "\\Bub",
                            arh + "\\DMG", arh + "\\Log", arh + "\\CfgW", arh + "\\Net"};
  Folders otherTree = consoleTree;
  otherTree.insert(otherTree.end(), {"D:\\Orma\\Wav", "C:\\Orma\\Wav\\Temp", arh + "\\Rep"});
  for (bool consoleRole : {true, false}) {
    Hall hall({"C:\\Orma\\Bingo", "D:\\Orma", "C:\\Orma\\Wav"});
    const std::size_t before = hall.fs.folderPaths().size();
    hall.housekeeping.AppHalt_Folders_Make(consoleRole);
    const Folders all = hall.fs.folderPaths();
    EXPECT_EQ(Folders(all.begin() + static_cast<std::ptrdiff_t>(before), all.end()),
              consoleRole ? consoleTree : otherTree);
    EXPECT_FALSE(hall.fs.hasFile(kLogApp));
    const int made = hall.fs.count(FileOp::MakeFolder);
    hall.housekeeping.AppHalt_Folders_Make(consoleRole);
    EXPECT_EQ(hall.fs.count(FileOp::MakeFolder), made) << "a second start makes nothing";
  }
}

TEST(Housekeeping, AFailedFolderStopsTheChainWithTwoReports) {
  const std::string arh = kArh;
  struct Row {
    const char* refused;
    Folders present;
    const char* logApp;  // where the reports land
    const char* named;   // the folder named in the report
    Folders absent;      // not tried after the refusal
    const char* made = "C:\\Windows";
  };
  const Row rows[] = {
      {"C:\\Orma\\Bingo\\Arh", {"C:\\Orma\\Bingo"}, "LogApp.txt", "C:\\Orma\\Bingo\\Arh", {arh + "\\Dg"}},
      {"C:\\Orma\\Bingo\\Arh\\Dg", {"C:\\Orma\\Bingo"}, kLogApp, "C:\\Orma\\Bingo\\Arh\\Dg", {arh + "\\Net"}},
      // A fresh disk: the installation's parents are made, the other drive's tree is not.
      {"", {}, kLogApp, "D:\\Orma\\Wav", {"C:\\Orma\\Wav\\Temp"}, "C:\\Orma\\Bingo\\Arh\\Net"},
      {"D:\\Orma\\Wav", {"C:\\Orma\\Bingo", "D:\\Orma"}, kLogApp, "D:\\Orma\\Wav", {arh + "\\Rep"}},
  };
  for (const Row& row : rows) {
    Hall hall(row.present);
    if (*row.refused) hall.fs.fail(FileOp::MakeFolder, row.refused);
    hall.housekeeping.AppHalt_Folders_Make(false);
    EXPECT_EQ(hall.fs.text(row.logApp), hall.report(std::string("Ne mogu da napravim folder: ") + row.named) +
                                            hall.report("Ne postoji folder: "))
        << row.named;
    for (const auto& folder : row.absent) EXPECT_FALSE(hall.fs.hasFolder(folder)) << folder;
    EXPECT_TRUE(hall.fs.hasFolder(row.made)) << row.named;
  }
}

TEST(Housekeeping, FileNamesOfTheInstallation) {
  Hall hall;
  hall.housekeeping.AppHalt_FileAndFold_Names_Make_Default();
  const FileNames& n = hall.housekeeping.names();
  std::string all;
  for (const auto& name : {n.PathTicketBase[0], n.PathTicketBase[1], n.PathTicketBase[2], n.PathTicketBase[3],
                           n.PathGameConfig, n.PathComConfig, n.PathProtocol, n.PathCity, n.PathFundModes,
                           n.PathFundDefs, n.PathOff1, n.PathOff2, n.PathOff3})
    all += name.substr(name.rfind('\\', name.rfind('\\') - 1) + 1) + " ";
  EXPECT_EQ(all,
            "CfgW\\A1944.3x5 CfgW\\A5952.3x5 CfgW\\A2000.3x5 CfgW\\A6000.3x5 CfgW\\CfgC2.cfg CfgW\\COMw.cfg "
            "CfgW\\ProtklW.cfg CfgW\\GradW.txt CfgW\\RezDefW.txt CfgW\\cVIw.txt Net\\Off1.txt Net\\Off2.txt "
            "Net\\Off3.txt ");
  EXPECT_EQ(n.PathCity, kCity);
}

TEST(Housekeeping, TicketBaseCheckLeavesItsMessages) {
  const std::string once = "Ne postoji file: " + std::string(kTicketBase);
  const std::string twice = "Ne postoji file:  " + std::string(kTicketBase);
  struct Row {
    std::optional<std::size_t> baseSize;  // nothing: no ticket base
    bool city;
    std::vector<std::string> trace;
    std::string logApp;
  };
  const Row rows[] = {
      {std::nullopt,
       false,
       {once, once, twice, twice},
       "  1206 09:30:15> " + once + "  1206 09:30:15> " + twice},
      // The city file is not looked at after a bad ticket base.
      {29161, false, {twice, twice}, "  1206 09:30:15> " + twice},
      {29159, true, {twice, twice}, "  1206 09:30:15> " + twice},
      // Only the city's absence is traced, and not reported.
      {29160, false, {"Ne postoji file: " + std::string(kCity)}, ""},
      {29160, true, {}, ""},
  };
  for (const Row& row : rows) {
    Hall hall({"C:\\Orma\\Bingo\\Arh\\Log"});
    if (row.baseSize) hall.fs.addFile(kTicketBase, std::vector<std::uint8_t>(*row.baseSize, 7));
    if (row.city) hall.fs.addTextFile(kCity, "NOVI SAD\r\n");
    hall.housekeeping.AppHalt_FileAndFold_Names_Make_Default();
    hall.housekeeping.AppHalt_Files();
    std::string trace;
    for (const auto& line : row.trace) trace += "09:30:15> " + line + "\r\n";
    EXPECT_EQ(hall.fs.text("C:\\Orma\\Bingo\\Arh\\Log\\261206.Txt"), trace) << row.trace.size();
    EXPECT_EQ(hall.fs.text(kLogApp), row.logApp) << row.trace.size();
  }
}

TEST(Housekeeping, FileAndFolderChecksOnOtherPaths) {
  Hall hall({"C:\\Orma\\Bingo\\Arh\\Log", "C:\\Orma\\Bingo\\Arh\\CfgW\\GradW.txt"});
  hall.fs.addTextFile("C:\\Orma\\Bingo\\Arh\\Net", "a file where a folder belongs");
  // Any directory entry of the name counts as the folder; a folder is no file.
  EXPECT_TRUE(hall.housekeeping.Folder_Ensure("C:\\Orma\\Bingo\\Arh\\Net", true));
  EXPECT_EQ(hall.fs.count(FileOp::MakeFolder), 0);
  EXPECT_FALSE(hall.housekeeping.File_Check(kCity, std::nullopt, false));
  EXPECT_FALSE(hall.housekeeping.File_Check(kCity, 0, false));
  // A refused creation without `report` stays silent.
  hall.fs.fail(FileOp::MakeFolder, "C:\\Orma\\Bingo\\Arh\\DG2");
  EXPECT_FALSE(hall.housekeeping.Folder_Ensure("C:\\Orma\\Bingo\\Arh\\DG2", false));
  EXPECT_FALSE(hall.fs.hasFile(kLogApp));
}

TEST(Housekeeping, LeftoverLocalCommandFilesAreErased) {
  Hall hall;
  const std::string net = "C:\\Orma\\Bingo\\Arh\\Net\\";
  for (const char* name : {"Off1.txt", "OFF3.TXT", "AltS.txt", "Off2.txt"})
    hall.fs.addTextFile(net + name, "");
  hall.fs.fail(FileOp::Remove, net + "Off2.txt");
  hall.housekeeping.AppHalt_Folders_Make(true);
  hall.housekeeping.AppHalt_FileAndFold_Names_Make_Default();
  hall.housekeeping.AppHalt_Files_EraseOld();
  hall.housekeeping.AppHalt_Files_EraseOff();
  hall.housekeeping.AppHalt_Files();
  EXPECT_FALSE(hall.fs.hasFile(net + "Off1.txt"));
  EXPECT_FALSE(hall.fs.hasFile(net + "Off3.txt"));
  EXPECT_TRUE(hall.fs.hasFile(net + "Off2.txt"));
  EXPECT_TRUE(hall.fs.hasFile(net + "AltS.txt"));
  // Only the missing ticket base was reported, not the refused delete.
  EXPECT_EQ(hall.fs.text(kLogApp), hall.report("Ne postoji file: " + std::string(kTicketBase)) +
                                       hall.report("Ne postoji file:  " + std::string(kTicketBase)));
}

}  // namespace
}  // namespace bingo
