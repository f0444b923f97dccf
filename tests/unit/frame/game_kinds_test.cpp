#include <gtest/gtest.h>

#include "frame/game_kinds.h"
#include "support/fake_file_system.h"

namespace bingo {
namespace {

constexpr const char* kShared = "\\\\SRV\\net\\cVIw.Txt";

TEST(GameKinds, FileLinesReplaceEntriesWithFixedWidthNames) {
  std::string fourteen;  // a fourteenth line that is no line of numbers is not read
  for (int i = 0; i < 13; ++i) fourteen += std::to_string(i) + " 0 K" + char('A' + i) + "LONGNAME\r\n";
  fourteen += "not a line of numbers\r\n";
  // what, file text, entry, its short and long names and fund code
  const std::tuple<const char*, std::string, int, const char*, const char*, int> rows[] = {
      {"the blank after the code belongs to the short name", "1 2 J1 JACKPOT\r\n", 0, " J1", " JACKP", 2},
      {"blanks before the numbers are skipped", "  1   2  J1 JACKPOT X\r\n", 0, "  J", "1 JACK", 2},
      {"a plus sign is allowed", "+1 +2 J1 JACKPOT\r\n", 0, " J1", " JACKP", 2},
      {"a name glued to the code makes it no number", "1 2J1 JACKPOT\r\n", 0, "F1", "FIXNA 1", 0},
      {"a short line gives short names", "1 3 AB\r\n", 0, " AB", "", 3},
      {"the code keeps its low 8 bits", "1 262 ABCDEFGHI\r\n", 0, " AB", "CDEFGH", 6},
      {"a negative code too", "1 -1 ABCDEFGHI\r\n", 0, " AB", "CDEFGH", 255},
      {"later lines are later entries", "1 0 AAAAAAAAA\n2 0 BBBBBBBBB\n3 4 CCCCCCCCC", 2, " CC", "CCCCCC", 4},
      {"entries after the file's lines stay built in", "1 0 AAAAAAAAA\n", 1, "F2", "FIXNA 2", 0},
      {"outside the table: entry 0", "", 13, "F1", "FIXNA 1", 0},
      {"a trailing blank line is no entry", "1 0 AAAAAAAAA\r\n\r\n", 1, "F2", "FIXNA 2", 0},
      {"a line without numbers restores every built-in", "1 0 AAAAAAAAA\r\nXX\r\n", 0, "F1", "FIXNA 1", 0},
      {"a number that is no number too", "1 0 AAAAAAAAA\r\n1 7x AAA\r\n", 0, "F1", "FIXNA 1", 0},
      {"a missing second number too", "1\r\n", 0, "F1", "FIXNA 1", 0},
      {"thirteen lines are read", fourteen, 12, " KM", "LONGNA", 0},
  };
  for (const auto& [what, text, index, shortName, longName, fundCode] : rows) {
    GameKinds kinds;
    kinds.loadText(text);
    const auto& e = kinds.entry(index);
    EXPECT_EQ(e.shortName + "|" + e.longName + "|" + std::to_string(e.fundCode),
              std::string(shortName) + "|" + longName + "|" + std::to_string(fundCode))
        << what;
  }
}

// The share's file when the server answers, else the working directory's,
// else the built-ins; so too when the file cannot be opened, read or closed.
TEST(GameKinds, FileComesFromTheShareOnlyWhenTheServerAnswers) {
  const std::tuple<bool, bool, bool, FileOp, const char*> rows[] = {
      // file on the share, file here, server answers, the step refused here (List: none), first short name
      {true, true, true, FileOp::List, " SH"},   {true, true, false, FileOp::List, " LO"},
      {false, true, true, FileOp::List, " LO"},  {false, false, true, FileOp::List, "F1"},
      {true, false, false, FileOp::List, "F1"},  {false, true, false, FileOp::Open, "F1"},
      {false, true, false, FileOp::Read, "F1"},  // the read fails after the first line
      {false, true, false, FileOp::Close, "F1"},
  };
  for (const auto& [shared, local, answers, refused, expected] : rows) {
    test::FakeFileSystem fs;
    if (shared) fs.addTextFile(kShared, "1 0 SHARED\r\n");
    if (local) fs.addTextFile("cVIw.Txt", "1 0 LOCAL\r\n2 0 OTHER\r\n");
    if (refused == FileOp::Read) fs.shortenReads("cVIw.Txt", 11, EIO);
    if (refused == FileOp::Open || refused == FileOp::Close) fs.fail(refused, "cVIw.Txt", EIO);
    GameKinds kinds;
    kinds.loadText("1 0 OLDOLD\r\n");
    kinds.GameKinds_Load(fs, answers, "\\\\SRV\\net");
    EXPECT_EQ(kinds.entry(0).shortName, expected) << shared << local << answers << static_cast<int>(refused);
  }
}

TEST(GameKinds, FundCaptionIsTheFirstKindPlayingForTheFundElseEntryFive) {
  GameKinds kinds;
  kinds.loadText("0 0 F1 FIXNA\r\n1 3 AA FIRST\r\n2 3 BB SECOND\r\n3 0 CC\r\n4 0 DD\r\n5 0 EE FIFTH\r\n");
  // Entry 11 of the built-ins still plays for fund 1.
  EXPECT_EQ(kinds.FundName(2) + "|" + kinds.FundName(0) + "|" + kinds.FundName(5),
            " FIRST|JACK POT 1|BONUS 3");
  kinds.loadText(
      "0 0 F1 FIXNA\r\n1 0\r\n2 0\r\n3 0\r\n4 0\r\n5 0 EE FIFTH\r\n6 0\r\n7 0\r\n8 0\r\n9 0\r\n10 0\r\n11 "
      "0\r\n");
  EXPECT_EQ(kinds.FundName(0), " FIFTH");
}

}  // namespace
}  // namespace bingo
