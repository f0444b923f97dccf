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

// A word where a number belongs is reported with its line and stops the
// reading: the funds before it are kept, it and the ones after are not read.
TEST(FundModes, NumbersAreReadInSequenceAcrossLines) {
  std::string perLine;
  for (const char* n : {"5", "0", "0", "1", "3"}) perLine += std::string(n) + "\r\n";
  const std::string rest = "0 0 0 0 10 0 0 0 50 0 0 0 0 90 90 90 40 90 3 0 0\r\n";
  const std::tuple<const char*, std::string, const char*> rows[] = {
      // name, file, "A of fund 0, A of fund 1, start modes of funds 0..2, report"
      {"a fund split over two lines", "5 0 0 1 3\r\n0 " + rest + fund(6), "5 6 8 8 0 "},
      {"one number a line", perLine + "0\r\n" + rest + fund(6), "5 6 8 8 0 "},
      {"numbers after the 27th are passed over", fund(5) + " 99 98\r\n" + fund(6), "5 6 8 8 0 "},
      {"blank lines between funds", fund(5) + "\r\n\r\n  \r\n" + fund(6) + "\r\n\r\n", "5 6 8 8 0 "},
      {"the end of the file reads as zeros", fund(5) + "\r\n6 0 0 1", "5 6 8 5 0 "},
      {"a word in a fund split over lines", "5 0 0 1 3\r\n0 x\r\n" + fund(6), "0 0 0 0 0 red 2"},
      {"a word", fund(0) + "\r\n" + fund(10).replace(3, 1, "abc") + "\r\n" + fund(12), "0 0 8 0 0 red 2"},
      {"a number glued to a word", fund(0) + "\r\n" + fund(10).replace(3, 1, "1x") + "\r\n" + fund(12),
       "0 0 8 0 0 red 2"},
  };
  for (const auto& [name, file, expected] : rows) {
    test::ConfigFixture f;
    f.fs.addTextFile(f.names.PathFundModes, file);
    GameRecord record;
    FundModes_Read(f.io, record);
    const ByteReader r = record.reader();
    const std::string report = f.fs.text(test::kReportPath);
    const auto at = report.find("> Pogresan broj u RezDefW.txt, ");
    std::string found;
    for (int n : {r.i32le(22640), r.i32le(22640 + 80), int{r.u8(768)}, int{r.u8(769)}, int{r.u8(770)}})
      found += std::to_string(n) + " ";
    EXPECT_EQ(found + (at == std::string::npos ? "" : report.substr(at + 31)), expected) << name;
    EXPECT_EQ(f.fs.count(FileOp::Write), 0) << name;
  }
}

}  // namespace
}  // namespace bingo
