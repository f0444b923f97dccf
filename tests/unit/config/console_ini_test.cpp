#include "config/console_ini.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/app_error.h"
#include "support/fake_file_system.h"

namespace bingo {
namespace {

constexpr const char* kProgram = "C:\\Orma\\Bingo\\ClientBingo.EXE";
constexpr const char* kIni = "c:\\orma\\bingo\\clientbingo.ini";

// What a save of the defaults writes into a new file: twelve sections in table order.
constexpr const char* kDefaultIni =
    "[Net]\r\nPC=bingoserver\r\n"
    "\r\n[Folders]\r\nNet=\\\\bingoserver\\net\r\n"
    "\r\n[Files]\r\nFrame=\\\\bingoserver\\net\\Frame.dat\r\nOff1=\\\\bingoserver\\net\\Off1.txt\r\n"
    "Off2=\\\\bingoserver\\net\\Off2.txt\r\nOff3=\\\\bingoserver\\net\\Off3.txt\r\n"
    "AltS=\\\\bingoserver\\net\\AltS.txt\r\nAltN=\\\\bingoserver\\net\\AltN.txt\r\n"
    "\r\n[Timer]\r\nInterval=100\r\nEnabled=1\r\n"
    "\r\n[NetDG]\r\nEnabled=0\r\nTaken=0\r\nRB=0\r\nExt=DG\r\nName=000000N0.dg\r\n"
    "Folder=C:\\Orma\\Bingo\\Arh\\DG2\r\nFolderNet=\\\\bingoserver\\net\r\nFolderTmp=DGT\r\nLOPmin="
    "2\r\nLOPmax=5\r\n"
    "\r\n[Jezik]\r\nJezik=0\r\n"
    "\r\n[Unos]\r\nLimit=0\r\n"
    "\r\n[Form]\r\nTop=0\r\nLeft=0\r\nHeight=748\r\nWidth=1032\r\n"
    "\r\n[Bub2]\r\nEnabled=0\r\nRS232=0\r\nLAN=0\r\nAltS=0\r\n"
    "\r\n[WB]\r\nShow=1\r\nCam2=0\r\n"
    "\r\n[WBURL]\r\nURL0=Bingo_Camera.htm\r\nURL1=http://192.168.1.90:81/videostream.cgi\r\n"
    "URL2=http://192.168.1.90:81/snapshot.cgi\r\n"
    "\r\n[Screen]\r\nFit=0\r\n";

ConsoleConfig defaults(test::FakeFileSystem& fs) {
  ConsoleConfig c;
  ConsoleConfig_SetDefaults(c, fs);
  return c;
}

TEST(ConsoleIni, DefaultsFollowTheServerNameRule) {
  const std::pair<std::optional<std::string>, const char*> rows[] = {
      {std::nullopt, "bingoserver"},
      {"SRV7\r\nignored\r\n", "SRV7"},
      {"\r\nSRV7\r\n", "bingoserver"},  // an empty first line names no server
      {"", "bingoserver"}};
  for (const auto& [netIni, server] : rows) {
    test::FakeFileSystem fs;
    if (netIni) fs.addTextFile("net.ini", *netIni);
    const ConsoleConfig c = defaults(fs);
    const std::string share = std::string("\\\\") + server + "\\net";
    EXPECT_EQ(c.NetPC + " " + c.FoldersNet + " " + c.FilesFrame + " " + c.FilesAltN,
              std::string(server) + " " + share + " " + share + "\\Frame.dat " + share + "\\AltN.txt");
    EXPECT_EQ(c.NetDGFolderNet, "\\\\bingoserver\\net");  // always the default server
  }
}

TEST(ConsoleIni, ReadingAppliesTheValueRules) {
  struct Row {
    const char* ini;
    std::function<bool(const ConsoleConfig&)> holds;
    const char* what;
  };
  const Row rows[] = {
      {"[Form]\r\nWidth=70000\r\n", [](auto& c) { return c.FormWidth == 4464; }, "u16 keeps the low 16 bits"},
      {"[Jezik]\r\nJezik=258\r\n", [](auto& c) { return c.Jezik == 2; }, "Jezik keeps the low 8 bits"},
      {"[Bub2]\r\nEnabled=yes\r\n", [](auto& c) { return !c.Bub2Enabled; }, "a word keeps the default"},
      {"[Bub2]\r\nEnabled=2\r\n", [](auto& c) { return c.Bub2Enabled; }, "2 is true"},
      {"[Timer]\r\nInterval=0\r\nEnabled=0\r\n",
       [](auto& c) { return c.TimerInterval == 0 && !c.TimerEnabled; }, "a timer that never fires"},
      {"[Timer]\r\nInterval=abc\r\n", [](auto& c) { return c.TimerInterval == 100; }, "no integer keeps 100"},
      {"[unos]\r\nlimit=$10\r\n", [](auto& c) { return c.UnosLimit == 16; }, "hex and any case"},
      {"[Unos]\r\nLimit=-5\r\n", [](auto& c) { return c.UnosLimit == -5; }, "i32 is signed"},
      {"[NetDG]\r\nRB=-1\r\n", [](auto& c) { return c.NetDGRB == 65535; }, "u16 of a negative number"},
      {"[Files]\r\nFrame=\\\\other\\x\\Frame.dat\r\n",
       [](auto& c) {
         return c.FilesFrame == "\\\\other\\x\\Frame.dat" && c.FilesOff1 == "\\\\bingoserver\\net\\Off1.txt";
       },
       "strings verbatim, others stay"},
      {"[WBURL]\r\nURL1=http://10.0.0.5:81/\r\n", [](auto& c) { return c.WBURL1 == "http://10.0.0.5:81/"; },
       "camera address"},
      {"[Screen]\r\nFit=1\r\n", [](auto& c) { return c.ScreenFit; }, "the layout fills the screen"},
  };
  for (const Row& row : rows) {
    test::FakeFileSystem fs;
    fs.addTextFile(kIni, row.ini);
    ConsoleConfig c = defaults(fs);
    ConsoleIni_Read(c, fs, kProgram);
    EXPECT_TRUE(row.holds(c)) << row.what;
  }
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

  ConsoleConfig back;
  ConsoleIni_Read(back, fs, kProgram);
  EXPECT_EQ(back.WBURL2, c.WBURL2);
  EXPECT_TRUE(back.WBShow);
}

TEST(ConsoleIni, AnExistingFileKeepsItsOrderAndForeignKeys) {
  test::FakeFileSystem fs;
  fs.addTextFile(kIni, "; kasa 2\r\n[WB]\r\nShow=0\r\nZoom=3\r\n[Net]\r\nPC=old\r\n");
  ConsoleConfig c = defaults(fs);
  ConsoleIni_Write(c, fs, kProgram);
  const std::string text = fs.text(kIni);
  EXPECT_EQ(
      text.rfind(
          "; kasa 2\r\n[WB]\r\nShow=0\r\nZoom=3\r\nCam2=0\r\n[Net]\r\nPC=bingoserver\r\n\r\n[Folders]\r\n",
          0),
      0u)
      << text;
  EXPECT_LT(text.find("[Files]"), text.find("[Timer]"));
  EXPECT_EQ(text.find("[WB]", 11), std::string::npos);  // no second WB section
}

TEST(ConsoleIni, ARefusedSaveThrowsWithThePath) {
  struct Row {
    FileOp op;
    const char* what;
  };
  const Row rows[] = {{FileOp::Write, "write refused"}, {FileOp::Read, "existing file unreadable"}};
  for (const Row& row : rows) {
    test::FakeFileSystem fs;
    fs.addTextFile(kIni, "[Net]\r\nPC=old\r\nOther=keep\r\n");
    fs.fail(row.op, kIni);
    ConsoleConfig c = defaults(fs);
    c.WBCam2 = true;
    try {
      ConsoleIni_Write(c, fs, kProgram);
      ADD_FAILURE() << row.what;
    } catch (const AppError& e) {
      EXPECT_EQ(std::string(e.what()), std::string("Unable to write to ") + kIni) << row.what;
    }
    EXPECT_TRUE(c.WBCam2);
    EXPECT_EQ(fs.text(kIni), "[Net]\r\nPC=old\r\nOther=keep\r\n") << row.what;
  }
}

}  // namespace
}  // namespace bingo
