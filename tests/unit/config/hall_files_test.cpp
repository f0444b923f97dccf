// Hall files as the installation's other programs write them: the fund
// start modes read as numbers in sequence, the console INI saved without
// cutting what it does not know.

#include <gtest/gtest.h>

#include "config/console_ini.h"
#include "config/fund_modes.h"
#include "config_fixture.h"

namespace bingo {
namespace {

// The 27 numbers of a default fund with value A = a.
std::string fund(int a) {
  return std::to_string(a) + " 0 0 1 3 0 0 0 0 0 10 0 0 0 50 0 0 0 0 90 90 90 40 90 3 0 0";
}

TEST(FundModes, NumbersAreReadInSequenceAcrossLines) {
  struct Row {
    const char* name;
    std::string file;
    std::int32_t a0, a1;
    std::uint8_t startMode1;
    const char* report;
  };
  std::string perLine;
  for (const char* n : {"5", "0", "0", "1", "3"}) perLine += std::string(n) + "\r\n";
  const Row rows[] = {
      {"a fund split over two lines",
       "5 0 0 1 3\r\n0 0 0 0 0 10 0 0 0 50 0 0 0 0 90 90 90 40 90 3 0 0\r\n" + fund(6), 5, 6, 8, ""},
      {"one number a line", perLine + "0\r\n0 0 0 0 10 0 0 0 50 0 0 0 0 90 90 90 40 90 3 0 0\r\n" + fund(6),
       5, 6, 8, ""},
      {"numbers after the 27th are passed over", fund(5) + " 99 98\r\n" + fund(6), 5, 6, 8, ""},
      {"blank lines between funds", fund(5) + "\r\n\r\n  \r\n" + fund(6) + "\r\n\r\n", 5, 6, 8, ""},
      {"the end of the file reads as zeros", fund(5) + "\r\n6 0 0 1", 5, 6, 5, ""},
      {"a word is reported with its line", "5 0 0 1 3\r\n0 x\r\n" + fund(6), 0, 0, 0, "red 2"},
  };
  for (const Row& r : rows) {
    test::ConfigFixture f;
    f.fs.addTextFile(f.names.PathFundModes, r.file);
    GameRecord record;
    FundModes_Read(f.io, record);
    EXPECT_EQ(record.reader().i32le(22640), r.a0) << r.name;
    EXPECT_EQ(record.reader().i32le(22640 + 80), r.a1) << r.name;
    EXPECT_EQ(record.reader().u8(768 + 1), r.startMode1) << r.name;
    const std::string report = f.fs.text(test::kReportPath);
    EXPECT_EQ(report.find(std::string("Pogresan broj u RezDefW.txt, ") + r.report) != std::string::npos,
              *r.report != '\0')
        << r.name << ": " << report;
  }
}

TEST(ConsoleIni, ASaveKeepsLongForeignLinesWhole) {
  const std::string foreign = "Note=" + std::string(5000, 'n');
  const std::string filler = "; " + std::string(2 << 20, 'f');  // more than the reader looks at
  test::FakeFileSystem fs;
  const std::string ini = "c:\\orma\\bingo\\clientbingo.ini";
  fs.addTextFile(ini, "[Kasa]\r\n" + foreign + "\r\n" + filler + "\r\nTail=1\r\n");
  ConsoleConfig c;
  ConsoleConfig_SetDefaults(c, fs);
  ConsoleIni_Write(c, fs, "C:\\Orma\\Bingo\\ClientBingo.EXE");
  EXPECT_EQ(fs.text(ini).rfind("[Kasa]\r\n" + foreign + "\r\n" + filler + "\r\nTail=1\r\n", 0), 0u);
}

}  // namespace
}  // namespace bingo
