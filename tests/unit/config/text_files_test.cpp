// The hall's text files as the installation's other programs write them.

#include <gtest/gtest.h>

#include "config/city_file.h"
#include "config/fund_definitions.h"
#include "config/fund_modes.h"
#include "config/text_lines.h"
#include "config_fixture.h"

namespace bingo {
namespace {

// Lines end at CR, LF or CR LF; reading stops at the line or byte bound, a
// longer line keeps its start; a missing file or a failing read is told apart.
TEST(TextLines, BoundedByLinesLengthAndBytes) {
  const std::tuple<const char*, TextLimits, const char*> rows[] = {
      {"a\r\nb\nc\rd", {}, "Ok a|b|c|d|"},
      {"\r\n\n\r", {}, "Ok |||"},
      {"abcdef\r\nxy", {.maxLineLength = 3}, "Ok abc|xy|"},
      {"a\nb\nc", {.maxLines = 2}, "Ok a|b|"},
      {"ab\ncd\nef", {.maxKeptBytes = 4}, "Ok ab|cd|"},
      {"ab\ncd\nef", {.maxKeptBytes = 5}, "Ok ab|cd|ef|"},
      {nullptr, {}, "NotOpened "},
      {"ab\ncd\nef", {}, "Failed ab|"},
  };
  for (const auto& [text, limits, expected] : rows) {
    test::ConfigFixture f;
    const std::string path = "C:\\t.txt";
    if (text) f.fs.addTextFile(path, text);
    if (text && std::string(expected).starts_with("Failed")) f.fs.shortenReads(path, 4, EIO);
    std::vector<std::string> lines;
    const TextRead result = readTextLinesBounded(f.fs, path, limits, lines);
    std::string found = result == TextRead::Ok       ? "Ok "
                        : result == TextRead::Failed ? "Failed "
                                                     : "NotOpened ";
    for (const std::string& line : lines) found += line + "|";
    EXPECT_EQ(found, expected);
  }
}

// Funds 0, 1 and 12 of the defaults as a missing file gets them, in the fixed widths.
constexpr const char* kDefaultLines[] = {
    "    0  0  0  1  3       0       0       0       0       0   0   0   0   0  50   0   0   0   0 "
    "90 90 90 40 90  3  0       0",
    "   10  0  0  1  3       0       0       0       0       0  10   0   0   0  50   0   0   0   0 "
    "90 90 90 40 90  3  0       0",
    "    0  0  0  1  3       0       0       0       0       0  10   0   0   0  50   0   0   0   0 "
    "13 13 90 13 90  3  0       0"};

constexpr std::size_t kRow = 22640, kRowSize = 80;

// The 27 numbers of a default fund with value A = a, as the hall's programs may write them.
std::string fund(int a) {
  return std::to_string(a) + " 0 0 1 3 0 0 0 0 0 10 0 0 0 50 0 0 0 0 90 90 90 40 90 3 0 0";
}

// Fourteen lines of 122 characters are written, fund 9 with 45; fund 14 is kept in memory only.
// A refused write is reported and the defaults stay; so do they when the
// hall's file exists but would not open now, which is reported and kept.
TEST(FundModes, AMissingFileIsWrittenFromTheDefaults) {
  for (const int refused : {0, EACCES, EMFILE}) {  // the write refused; the open of an existing file
    test::ConfigFixture f;
    if (refused == EACCES) f.fs.fail(FileOp::Write, f.names.PathFundModes);
    if (refused == EMFILE) f.fs.addTextFile(f.names.PathFundModes, fund(5));
    if (refused == EMFILE) f.fs.fail(FileOp::Open, f.names.PathFundModes, EMFILE);
    GameRecord record;  // an earlier game's funds and modes in it: the defaults replace them all
    std::fill(record.bytes().begin() + 768, record.bytes().begin() + 904, std::uint8_t{0xFF});
    std::fill(record.bytes().begin() + kRow, record.bytes().begin() + kRow + 15 * kRowSize,
              std::uint8_t{0xFF});
    FundModes_Read(f.io, record);
    EXPECT_EQ(record.reader().i32le(kRow + 14 * kRowSize) * 100 + record.reader().u8(768 + 14), 1008);
    if (refused) {
      EXPECT_EQ(f.trace().back() + "|" + f.fs.text(f.names.PathFundModes),
                refused == EACCES ? "Neuspesno snimanje fajla : RezDefW.txt|"
                                  : "Neuspesno citanje fajla : RezDefW.txt|" + fund(5));
      continue;
    }
    const std::string text = f.fs.text(f.names.PathFundModes);
    const auto line = [&](std::size_t i) { return text.substr(124 * i, 124); };
    EXPECT_EQ(text.size(), 14u * 124);
    EXPECT_EQ(line(0) + line(1) + line(12) + line(9).substr(93, 15),
              std::string(kDefaultLines[0]) + "\r\n" + kDefaultLines[1] + "\r\n" + kDefaultLines[2] +
                  "\r\n 90 90 90 45 90");
  }
}

// The numbers are read in sequence across lines. A word where a number
// belongs is reported with its line and stops the reading: the funds before
// it are kept, it and the ones after are not read.
TEST(FundModes, NumbersAreReadInSequenceAcrossLines) {
  std::string perLine, fifteen;
  for (const char* n : {"5", "0", "0", "1", "3"}) perLine += std::string(n) + "\r\n";
  for (int i = 0; i < 15; ++i) fifteen += fund(5 + i) + "\r\n";
  const std::string rest = "0 0 0 0 10 0 0 0 50 0 0 0 0 90 90 90 40 90 3 0 0\r\n";
  const std::tuple<const char*, std::string, const char*> rows[] = {
      // name, file, "A of funds 0, 1 and 14, start modes of funds 0..2, report"
      {"a fund split over two lines", "5 0 0 1 3\r\n0 " + rest + fund(6), "5 6 0 8 8 0 "},
      {"one number a line", perLine + "0\r\n" + rest + fund(6), "5 6 0 8 8 0 "},
      {"numbers after the 27th are passed over", fund(5) + " 99 98\r\n" + fund(6), "5 6 0 8 8 0 "},
      {"blank lines between funds", fund(5) + "\r\n\r\n  \r\n" + fund(6) + "\r\n\r\n", "5 6 0 8 8 0 "},
      {"the end of the file reads as zeros", fund(5) + "\r\n6 0 0 1", "5 6 0 8 5 0 "},
      {"fifteen funds, a sixteenth line ignored", fifteen + "no numbers\r\n", "5 6 19 8 8 8 "},
      {"a word in a fund split over lines", "5 0 0 1 3\r\n0 x\r\n" + fund(6), "0 0 0 0 0 0 red 2"},
      {"a word", fund(0) + "\r\n" + fund(10).replace(3, 1, "abc") + "\r\n" + fund(12), "0 0 0 8 0 0 red 2"},
      {"a number glued to a word", fund(0) + "\r\n" + fund(10).replace(3, 1, "1x") + "\r\n" + fund(12),
       "0 0 0 8 0 0 red 2"},
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
    for (int n : {r.i32le(kRow), r.i32le(kRow + kRowSize), r.i32le(kRow + 14 * kRowSize), int{r.u8(768)},
                  int{r.u8(769)}, int{r.u8(770)}})
      found += std::to_string(n) + " ";
    EXPECT_EQ(found + (at == std::string::npos ? "" : report.substr(at + 31)), expected) << name;
    EXPECT_EQ(f.fs.count(FileOp::Write), 0) << name;
  }
}

TEST(FundModes, LinesAreReadIntoTheFundRows) {
  // The fifth number 7 counts as start mode 3; -1 as a byte is 255, also 3.
  const std::string line0 =
      "  123  1  2  3  7      -5       6       7       8       9  11  12  13  14  15"
      "  16  17  18  19 21 22 23 24 25  2 300   70000\r\n";
  const std::string line1 = "    1  0  0  0 -1 0 0 0 0 0 1 2 3 4 5 6 7 8 9 1 2 3 4 5  1  0 0\r\n";
  test::ConfigFixture f;
  f.fs.addTextFile(f.names.PathFundModes, line0 + "\r\n" + line1);
  GameRecord record;
  std::fill(record.bytes().begin() + 21439, record.bytes().begin() + 26241, std::uint8_t{0xFF});
  FundModes_Read(f.io, record);
  const ByteReader r = record.reader();
  // Values A and the money at 20 and 36, the bytes at 6, 19, 40 and 72 of fund 0's row; its start
  // mode (plus 5), the mode 2 (plus 5), 300's low 8 bits and the whole 70000 after it; fund 1's
  // start mode and mode 1; fund 2's row cleared; the bytes around the rows kept.
  EXPECT_EQ(std::vector<std::int64_t>({r.i32le(kRow), r.i32le(kRow + 20), r.i32le(kRow + 36), r.u8(kRow + 6),
                                       r.u8(kRow + 19), r.u8(kRow + 40), r.u8(kRow + 72), r.u8(768),
                                       r.u8(784), r.u8(785), r.i32le(788), r.u8(769), r.u8(792),
                                       r.i32le(kRow + 2 * kRowSize), r.u8(26239), r.u8(21439), r.u8(26240)}),
            std::vector<std::int64_t>({123, -5, 9, 11, 25, 1, 3, 8, 7, 44, 70000, 8, 6, 0, 0, 255, 255}));
  EXPECT_EQ(f.fs.count(FileOp::Write), 0);
  EXPECT_EQ(f.trace(), (std::vector<std::string>{"Ucitava se datoteka RezDefW.txt"}));
}

// The first line in capitals, cut at eight; a missing or empty file, or a
// blank first line, gives NOVISAD, written only where there was no text.
TEST(City, TheFirstLineInCapitalsOrTheDefaultWritten) {
  const std::tuple<std::optional<std::string>, bool, const char*> rows[] = {
      {"subotica\r\n", true, "SUBOTICA"}, {"Kragujevacxy", true, "KRAGUJEV"}, {"nis-\xe8", true, "NIS-\xe8"},
      {"Pec\r\nBar\r\n", true, "PEC"},    {std::nullopt, false, "NOVISAD"},   {"", false, "NOVISAD"},
      {"\r\nPec\r\n", false, "NOVISAD"},
  };
  for (const auto& [file, found, city] : rows) {
    test::ConfigFixture f;
    if (file) f.fs.addTextFile(f.names.PathCity, *file);
    GameRecord record;
    EXPECT_EQ(City_Find(f.io, record), found) << city;
    EXPECT_EQ(City_Name(record), city);
    EXPECT_EQ(f.fs.text(f.names.PathCity), file && !file->empty() ? *file : "NOVISAD");
  }
}

// Fourteen lines replace the built-in table: two characters skipped, the code,
// a separator, then 2, 5 and 20 characters with a separator before each.
// Thirteen lines, a word for a code or a read failing in the fourteenth line
// are reported and keep the table.
TEST(FundDefs, FourteenLinesReplaceTheBuiltInTable) {
  // The built-in tables: the small hall's six funds, and the full fourteen.
  for (const auto& [row, codes] :
       {std::pair{0, "1JP 2BN 3LN 4L2 5BO 6SP 0-- 0-- 0-- 0-- 0-- 0-- 0-- 0-- "},
        std::pair{1, "1JP 2BN 3LN 4L2 5BO 6SP 7MP 8DP 9NP 10MS 11PB 12PL 13SB 14RZ "}}) {
    FundDefinitions defs;
    FundDefs_Default(defs, static_cast<std::uint8_t>(row));
    std::string joined;
    for (const FundDefinition& def : defs) joined += std::to_string(def.code) + def.shortCode + " ";
    EXPECT_EQ(joined, codes);
  }
  std::string thirteen;
  for (int i = 0; i < 13; ++i) thirteen += "   1 AA BBBBB CCC\r\n";
  const std::string fourteen = "xx-42|AB|  abc|   Long name with more than twenty|rest\r\n" + thirteen;
  for (const std::string& file :
       {fourteen, thirteen, "  xy AA BBBBB CCC\r\n" + thirteen, thirteen + thirteen}) {
    test::ConfigFixture f;
    f.fs.addTextFile(f.names.PathFundDefs, file);
    if (file == thirteen + thirteen) f.fs.shortenReads(f.names.PathFundDefs, 13 * 19 + 17, ENOLINK);
    ConfigRecords records;
    FundDefs_Default(records.FundDefs, 0);
    FundDefinitions expected = records.FundDefs;
    if (file == fourteen) {
      expected.fill({1, "AA", "BBBBB", "CCC"});
      expected[0] = {-42, "AB", "abc", "Long name with mo"};
    }
    EXPECT_EQ(FundDefs_Read(f.io, records), file == fourteen) << file.size();
    EXPECT_EQ(records.FundDefs, expected) << file.size();
    EXPECT_EQ(f.fs.text(test::kReportPath).ends_with("> Neuspesno citanje fajla : cVIw.txt"),
              file != fourteen);
  }
}

}  // namespace
}  // namespace bingo
