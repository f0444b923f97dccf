#include "config/console_ini.h"

#include <gtest/gtest.h>

#include "platform/app_error.h"
#include "support/fake_file_system.h"

namespace bingo {
namespace {

constexpr const char* kProgram = "C:\\Orma\\Bingo\\ClientBingo.EXE";
constexpr const char* kIni = "c:\\orma\\bingo\\clientbingo.ini";

// What a save of the defaults writes into a new file: twelve sections in table order.
constexpr const char* kDefaultIni =
    "[Net]\r\nPC=bingoserver\r\n\r\n[Folders]\r\nNet=\\\\bingoserver\\net\r\n\r\n[Files]\r\n"
    "Frame=\\\\bingoserver\\net\\Frame.dat\r\nOff1=\\\\bingoserver\\net\\Off1.txt\r\n"
    "Off2=\\\\bingoserver\\net\\Off2.txt\r\nOff3=\\\\bingoserver\\net\\Off3.txt\r\n"
    "AltS=\\\\bingoserver\\net\\AltS.txt\r\nAltN=\\\\bingoserver\\net\\AltN.txt\r\n\r\n"
    "[Timer]\r\nInterval=100\r\nEnabled=1\r\n\r\n[NetDG]\r\nEnabled=0\r\nTaken=0\r\nRB=0\r\nExt=DG\r\n"
    "Name=000000N0.dg\r\nFolder=C:\\Orma\\Bingo\\Arh\\DG2\r\nFolderNet=\\\\bingoserver\\net\r\n"
    "FolderTmp=DGT\r\nLOPmin=2\r\nLOPmax=5\r\n\r\n[Jezik]\r\nJezik=0\r\n\r\n[Unos]\r\nLimit=0\r\n\r\n"
    "[Form]\r\nTop=0\r\nLeft=0\r\nHeight=748\r\nWidth=1032\r\n\r\n"
    "[Bub2]\r\nEnabled=0\r\nRS232=0\r\nLAN=0\r\nAltS=0\r\n\r\n[WB]\r\nShow=1\r\nCam2=0\r\n\r\n"
    "[WBURL]\r\nURL0=Bingo_Camera.htm\r\nURL1=http://192.168.1.90:81/videostream.cgi\r\n"
    "URL2=http://192.168.1.90:81/snapshot.cgi\r\n\r\n[Screen]\r\nFit=0\r\n";

ConsoleConfig defaults(test::FakeFileSystem& fs) {
  ConsoleConfig c;
  ConsoleConfig_SetDefaults(c, fs);
  return c;
}

// The first line of net.ini names the server (the shares follow it); an empty
// one names none (a missing file is the new INI file's case). The game-record
// share always names the default server.
TEST(ConsoleIni, DefaultsFollowTheServerNameRule) {
  std::string found;
  for (const char* netIni : {"SRV7\r\nignored\r\n", "", "\r\nSRV7"}) {
    test::FakeFileSystem fs;
    fs.addTextFile("net.ini", netIni);
    const ConsoleConfig c = defaults(fs);
    found += c.NetPC + " " + c.FilesAltN + " " + c.NetDGFolderNet + "|";
  }
  EXPECT_EQ(found,
            "SRV7 \\\\SRV7\\net\\AltN.txt \\\\bingoserver\\net|"
            "bingoserver \\\\bingoserver\\net\\AltN.txt \\\\bingoserver\\net|"
            "bingoserver \\\\bingoserver\\net\\AltN.txt \\\\bingoserver\\net|");
}

TEST(ConsoleIni, ReadingAppliesTheValueRules) {
  const auto read = [](const std::string& ini) {
    test::FakeFileSystem fs;
    fs.addTextFile(kIni, ini);
    ConsoleConfig c = defaults(fs);
    ConsoleIni_Read(c, fs, kProgram);
    return std::to_string(c.FormWidth) + " " + std::to_string(c.Jezik) + " " + std::to_string(c.Bub2Enabled) +
           " " + std::to_string(c.TimerInterval) + " " + std::to_string(c.TimerEnabled) + " " +
           std::to_string(c.UnosLimit) + " " + std::to_string(c.NetDGRB) + " " + c.FilesFrame + " " +
           c.FilesOff1 + " " + c.WBURL1 + " " + std::to_string(c.ScreenFit);
  };
  // u16 and Jezik keep their low bits, a word keeps the default, hex in any
  // case, i32 is signed, u16 of a negative number, strings verbatim.
  EXPECT_EQ(
      read("[Form]\r\nWidth=70000\r\n[Jezik]\r\nJezik=258\r\n[Bub2]\r\nEnabled=yes\r\n[Timer]\r\n"
           "Interval=abc\r\n[unos]\r\nlimit=$10\r\n[NetDG]\r\nRB=-1\r\n[Files]\r\nFrame=\\\\o\\F.dat\r\n"
           "[WBURL]\r\nURL1=http://10.0.0.5:81/\r\n[Screen]\r\nFit=1\r\n"),
      "4464 2 0 100 1 16 65535 \\\\o\\F.dat \\\\bingoserver\\net\\Off1.txt http://10.0.0.5:81/ 1");
  // 2 is true; a timer that never fires; negative limits.
  EXPECT_EQ(read("[Bub2]\r\nEnabled=2\r\n[Timer]\r\nInterval=0\r\nEnabled=0\r\n[Unos]\r\nLimit=-5\r\n"),
            "1032 0 1 0 0 -5 0 \\\\bingoserver\\net\\Frame.dat \\\\bingoserver\\net\\Off1.txt "
            "http://192.168.1.90:81/videostream.cgi 0");
}

TEST(ConsoleIni, ANewFileGetsTheTwelveSectionsInOneWrite) {
  test::FakeFileSystem fs;
  fs.addFolder("C:\\Orma\\Bingo");
  ConsoleConfig c = defaults(fs);
  ConsoleIni_Read(c, fs, kProgram);  // no file: the defaults stay and nothing is created
  EXPECT_FALSE(fs.hasFile(kIni));
  c.WBShow = true;  // the operator toggled "WB Show" on a console without an INI file
  ConsoleIni_Write(c, fs, kProgram);
  EXPECT_EQ(fs.text(kIni), kDefaultIni);
  EXPECT_EQ(fs.count(FileOp::Write), 1);
}

// A save keeps the file's order, its foreign keys and its foreign lines whole,
// however long (the filler is more than a read of the settings looks at).
TEST(ConsoleIni, AnExistingFileKeepsItsOrderAndForeignLines) {
  const std::string kept =
      "; kasa 2\r\n[WB]\r\nShow=0\r\nZoom=3\r\n[Kasa]\r\nNote=" + std::string(5000, 'n') + "\r\n; " +
      std::string(2 << 20, 'f') + "\r\n[Net]\r\nPC=old\r\n";
  test::FakeFileSystem fs;
  fs.addTextFile(kIni, kept);
  ConsoleIni_Write(defaults(fs), fs, kProgram);
  std::string expected = kept;
  expected.insert(expected.find("[Kasa]"), "Cam2=0\r\n");
  expected.replace(expected.size() - 5, 3, "bingoserver");
  const std::string text = fs.text(kIni);
  EXPECT_TRUE(text.starts_with(expected + "\r\n[Folders]\r\n"));
  EXPECT_LT(text.find("[Files]"), text.find("[Timer]"));
  EXPECT_EQ(text.find("[WB]", 11), std::string::npos);  // no second WB section
}

// A file beyond what a save reads whole (65536 lines, 16 MiB of text) is
// refused and left whole, never cut. A file of millions of empty lines once
// froze the window.
TEST(ConsoleIni, AFileBeyondTheBoundsRefusesTheSaveAndStaysWhole) {
  for (const std::string& file : {std::string((1 << 16) + 1, '\n'), ";" + std::string(16 << 20, 'f')}) {
    test::FakeFileSystem fs;
    fs.addTextFile(kIni, file);
    EXPECT_THROW(ConsoleIni_Write(defaults(fs), fs, kProgram), AppError) << file.size();
    EXPECT_TRUE(fs.text(kIni) == file) << file.size();
  }
}

}  // namespace
}  // namespace bingo
