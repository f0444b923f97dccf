#include "platform/housekeeping.h"

#include <gtest/gtest.h>

#include "support/fake_file_system.h"
#include "support/fakes.h"

namespace bingo {
namespace {

constexpr const char* kTicketBase = "C:\\Orma\\Bingo\\Arh\\CfgW\\A1944.3x5";
constexpr const char* kCity = "C:\\Orma\\Bingo\\Arh\\CfgW\\GradW.txt";
constexpr const char* kTrace = "C:\\Orma\\Bingo\\Arh\\Log\\261206.Txt";
constexpr const char* kLogApp = "C:\\Orma\\Bingo\\Arh\\Log\\LogApp.txt";

struct Hall {
  test::FakeFileSystem fs;
  test::FakeClock clock;
  Logs logs{fs, clock, "C:\\Orma\\Bingo\\ClientBingo.exe"};
  Housekeeping housekeeping{fs, logs};

  void runAll(bool consoleRole) {
    housekeeping.AppHalt_Folders_Make(consoleRole);
    housekeeping.AppHalt_FileAndFold_Names_Make_Default();
    housekeeping.AppHalt_Files_EraseOld();
    housekeeping.AppHalt_Files_EraseOff();
    housekeeping.AppHalt_Files();
  }
};

TEST(Housekeeping, MakesTheInstallationTreeInOrder) {
  using Folders = std::vector<std::string>;
  const Folders consoleTree{"C:\\Windows",
                            "C:\\Orma\\Bingo\\Arh",
                            "C:\\Orma\\Bingo\\Arh\\Dg",
                            "C:\\Orma\\Bingo\\Arh\\Bub",
                            "C:\\Orma\\Bingo\\Arh\\DMG",
                            "C:\\Orma\\Bingo\\Arh\\Log",
                            "C:\\Orma\\Bingo\\Arh\\CfgW",
                            "C:\\Orma\\Bingo\\Arh\\Net"};
  Folders otherTree = consoleTree;
  otherTree.insert(otherTree.end(), {"D:\\Orma\\Wav", "C:\\Orma\\Wav\\Temp", "C:\\Orma\\Bingo\\Arh\\Rep"});

  struct Row {
    const char* what;
    bool consoleRole;
    Folders present;  // the program's own folder and whatever else the disk holds
    Folders made;
  };
  const Row rows[] = {
      {"console", true, {"C:\\Orma\\Bingo"}, consoleTree},
      {"console beside the sound folders",
       true,
       {"C:\\Orma\\Bingo", "D:\\Orma", "C:\\Orma\\Wav"},
       consoleTree},
      {"other program", false, {"C:\\Orma\\Bingo", "D:\\Orma", "C:\\Orma\\Wav"}, otherTree},
  };
  for (const Row& row : rows) {
    Hall hall;
    for (const auto& folder : row.present) hall.fs.addFolder(folder);
    const std::size_t before = hall.fs.folderPaths().size();
    hall.housekeeping.AppHalt_Folders_Make(row.consoleRole);
    const Folders all = hall.fs.folderPaths();
    EXPECT_EQ(Folders(all.begin() + static_cast<std::ptrdiff_t>(before), all.end()), row.made) << row.what;
    EXPECT_FALSE(hall.fs.hasFile(kLogApp)) << row.what;
    // A second start finds the tree and makes nothing.
    const int made = hall.fs.count(FileOp::MakeFolder);
    hall.housekeeping.AppHalt_Folders_Make(row.consoleRole);
    EXPECT_EQ(hall.fs.count(FileOp::MakeFolder), made) << row.what;
  }
}

TEST(Housekeeping, AFailedFolderStopsTheChainWithTwoReports) {
  struct Row {
    const char* what;
    const char* refused;  // nullptr: nothing refused
    std::vector<std::string> present;
    std::vector<std::string> foldersAfter;
    const char* logApp;  // where the reports land
    std::string reports;
  };
  const Row rows[] = {
      {"installation folder refused",
       "C:\\Orma\\Bingo\\Arh",
       {"C:\\Orma\\Bingo"},
       {"C:\\Orma", "C:\\Orma\\Bingo", "C:\\Windows"},
       "LogApp.txt",
       "  1206 09:30:15> Ne mogu da napravim folder: C:\\Orma\\Bingo\\Arh  1206 09:30:15> Ne postoji "
       "folder: "},
      // A fresh disk: the installation folder's parents are made first.
      {"fresh disk",
       nullptr,
       {},
       {"C:\\Orma", "C:\\Orma\\Bingo", "C:\\Windows", "C:\\Orma\\Bingo\\Arh", "C:\\Orma\\Bingo\\Arh\\Dg",
        "C:\\Orma\\Bingo\\Arh\\Bub", "C:\\Orma\\Bingo\\Arh\\DMG", "C:\\Orma\\Bingo\\Arh\\Log",
        "C:\\Orma\\Bingo\\Arh\\CfgW", "C:\\Orma\\Bingo\\Arh\\Net"},
       kLogApp,
       // The other programs' sound folder needs its drive's own tree.
       "  1206 09:30:15> Ne mogu da napravim folder: D:\\Orma\\Wav  1206 09:30:15> Ne postoji folder: "},
      {"sound folder refused",
       "D:\\Orma\\Wav",
       {"C:\\Orma\\Bingo", "D:\\Orma", "C:\\Orma\\Wav"},
       {},
       kLogApp,
       "  1206 09:30:15> Ne mogu da napravim folder: D:\\Orma\\Wav  1206 09:30:15> Ne postoji folder: "},
  };
  for (const Row& row : rows) {
    Hall hall;
    for (const auto& folder : row.present) hall.fs.addFolder(folder);
    if (row.refused) hall.fs.fail(FileOp::MakeFolder, row.refused);
    hall.housekeeping.AppHalt_Folders_Make(false);
    EXPECT_EQ(hall.fs.text(row.logApp), row.reports) << row.what;
    if (!row.foldersAfter.empty()) {
      EXPECT_EQ(hall.fs.folderPaths(), row.foldersAfter) << row.what;
    }
  }
  // The folders after a refused one are not tried.
  Hall hall;
  hall.fs.addFolder("C:\\Orma\\Bingo");
  hall.fs.fail(FileOp::MakeFolder, "C:\\Orma\\Bingo\\Arh\\Dg");
  hall.housekeeping.AppHalt_Folders_Make(true);
  EXPECT_FALSE(hall.fs.hasFolder("C:\\Orma\\Bingo\\Arh\\Bub"));
  EXPECT_FALSE(hall.fs.hasFolder("C:\\Orma\\Bingo\\Arh\\Net"));
  EXPECT_EQ(hall.fs.text(kLogApp),
            "  1206 09:30:15> Ne mogu da napravim folder: C:\\Orma\\Bingo\\Arh\\Dg  1206 09:30:15> Ne "
            "postoji folder: ");
}

TEST(Housekeeping, FileNamesOfTheInstallation) {
  Hall hall;
  hall.housekeeping.AppHalt_FileAndFold_Names_Make_Default();
  const FileNames& names = hall.housekeeping.names();
  const std::pair<std::string, const char*> rows[] = {
      {names.PathTicketBase[0], "C:\\Orma\\Bingo\\Arh\\CfgW\\A1944.3x5"},
      {names.PathTicketBase[1], "C:\\Orma\\Bingo\\Arh\\CfgW\\A5952.3x5"},
      {names.PathTicketBase[2], "C:\\Orma\\Bingo\\Arh\\CfgW\\A2000.3x5"},
      {names.PathTicketBase[3], "C:\\Orma\\Bingo\\Arh\\CfgW\\A6000.3x5"},
      {names.PathGameConfig, "C:\\Orma\\Bingo\\Arh\\CfgW\\CfgC2.cfg"},
      {names.PathComConfig, "C:\\Orma\\Bingo\\Arh\\CfgW\\COMw.cfg"},
      {names.PathProtocol, "C:\\Orma\\Bingo\\Arh\\CfgW\\ProtklW.cfg"},
      {names.PathCity, "C:\\Orma\\Bingo\\Arh\\CfgW\\GradW.txt"},
      {names.PathFundModes, "C:\\Orma\\Bingo\\Arh\\CfgW\\RezDefW.txt"},
      {names.PathFundDefs, "C:\\Orma\\Bingo\\Arh\\CfgW\\cVIw.txt"},
      {names.PathOff1, "C:\\Orma\\Bingo\\Arh\\Net\\Off1.txt"},
      {names.PathOff2, "C:\\Orma\\Bingo\\Arh\\Net\\Off2.txt"},
      {names.PathOff3, "C:\\Orma\\Bingo\\Arh\\Net\\Off3.txt"},
  };
  for (const auto& [actual, expected] : rows) EXPECT_EQ(actual, expected);
}

TEST(Housekeeping, TicketBaseCheckLeavesItsMessages) {
  const std::string oneSpace = "Ne postoji file: " + std::string(kTicketBase);
  const std::string twoSpaces = "Ne postoji file:  " + std::string(kTicketBase);
  struct Row {
    const char* what;
    std::optional<std::size_t> baseSize;  // nothing: no ticket base
    bool city;
    std::string trace;
    std::string logApp;
  };
  const Row rows[] = {
      {"base missing", std::nullopt, false,
       "09:30:15> " + oneSpace + "\r\n09:30:15> " + oneSpace + "\r\n09:30:15> " + twoSpaces +
           "\r\n09:30:15> " + twoSpaces + "\r\n",
       "  1206 09:30:15> " + oneSpace + "  1206 09:30:15> " + twoSpaces},
      // The city file is not looked at after a bad ticket base.
      {"base one byte long", 29161, false, "09:30:15> " + twoSpaces + "\r\n09:30:15> " + twoSpaces + "\r\n",
       "  1206 09:30:15> " + twoSpaces},
      {"base one byte short", 29159, true, "09:30:15> " + twoSpaces + "\r\n09:30:15> " + twoSpaces + "\r\n",
       "  1206 09:30:15> " + twoSpaces},
      // Only the city's absence is traced, and not reported.
      {"city missing", 29160, false, "09:30:15> Ne postoji file: " + std::string(kCity) + "\r\n", ""},
      {"all present", 29160, true, "", ""},
  };
  for (const Row& row : rows) {
    Hall hall;
    hall.fs.addFolder("C:\\Orma\\Bingo\\Arh\\Log");
    if (row.baseSize) hall.fs.addFile(kTicketBase, std::vector<std::uint8_t>(*row.baseSize, 7));
    if (row.city) hall.fs.addTextFile(kCity, "NOVI SAD\r\n");
    hall.housekeeping.AppHalt_FileAndFold_Names_Make_Default();
    hall.housekeeping.AppHalt_Files();
    EXPECT_EQ(hall.fs.text(kTrace), row.trace) << row.what;
    EXPECT_EQ(hall.fs.text(kLogApp), row.logApp) << row.what;
  }
}

TEST(Housekeeping, FileAndFolderChecksOnOtherPaths) {
  Hall hall;
  hall.fs.addFolder("C:\\Orma\\Bingo\\Arh\\Log");
  hall.fs.addTextFile("C:\\Orma\\Bingo\\Arh\\Net", "a file where a folder belongs");
  hall.fs.addFolder("C:\\Orma\\Bingo\\Arh\\CfgW\\GradW.txt");
  // Any directory entry of the name counts as the folder.
  EXPECT_TRUE(hall.housekeeping.Folder_Ensure("C:\\Orma\\Bingo\\Arh\\Net", true));
  EXPECT_EQ(hall.fs.count(FileOp::MakeFolder), 0);
  // A folder is no file.
  EXPECT_FALSE(hall.housekeeping.File_Check(kCity, std::nullopt, false));
  EXPECT_FALSE(hall.housekeeping.File_Check(kCity, 0, false));
  // A refused creation without `report` stays silent.
  hall.fs.fail(FileOp::MakeFolder, "C:\\Orma\\Bingo\\Arh\\DG2");
  EXPECT_FALSE(hall.housekeeping.Folder_Ensure("C:\\Orma\\Bingo\\Arh\\DG2", false));
  EXPECT_FALSE(hall.fs.hasFile(kLogApp));
}

TEST(Housekeeping, LeftoverLocalCommandFilesAreErased) {
  Hall hall;
  hall.fs.addTextFile("C:\\Orma\\Bingo\\Arh\\Net\\Off1.txt", "");
  hall.fs.addTextFile("C:\\Orma\\Bingo\\Arh\\Net\\OFF3.TXT", "");
  hall.fs.addTextFile("C:\\Orma\\Bingo\\Arh\\Net\\AltS.txt", "");
  hall.fs.addTextFile("C:\\Orma\\Bingo\\Arh\\Net\\Off2.txt", "");
  hall.fs.fail(FileOp::Remove, "C:\\Orma\\Bingo\\Arh\\Net\\Off2.txt");
  hall.runAll(true);
  EXPECT_FALSE(hall.fs.hasFile("C:\\Orma\\Bingo\\Arh\\Net\\Off1.txt"));
  EXPECT_FALSE(hall.fs.hasFile("C:\\Orma\\Bingo\\Arh\\Net\\Off3.txt"));
  EXPECT_TRUE(hall.fs.hasFile("C:\\Orma\\Bingo\\Arh\\Net\\Off2.txt"));
  EXPECT_TRUE(hall.fs.hasFile("C:\\Orma\\Bingo\\Arh\\Net\\AltS.txt"));
  // Only the missing ticket base was reported, not the refused delete.
  EXPECT_EQ(hall.fs.text(kLogApp), "  1206 09:30:15> Ne postoji file: " + std::string(kTicketBase) +
                                       "  1206 09:30:15> Ne postoji file:  " + std::string(kTicketBase));
}

}  // namespace
}  // namespace bingo
