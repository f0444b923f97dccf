#include "display/model/captions.h"

#include <gtest/gtest.h>

#include "display/model/text_encoding.h"
#include "support/fake_file_system.h"

namespace bingo {
namespace {

TEST(Captions, TableHoldsTheStoredBytesOfEveryLanguage) {
  // The captions on the screen are held by the reviewed screen dumps of the
  // console tests; these are the ones no screen shows and the table's ends.
  const std::tuple<std::uint8_t, unsigned, std::string> rows[] = {
      {0, 0, "LIN"},
      {1, 0, "VIJ"},
      {3, 46, "BRI{EWE NA TALONI"},
      {0, 52, "Izlaz iz programa?"},
      {3, 63, "Vnesete gi kupenite taloni"},
      {0, 1, ""},    // a number the table does not hold
      {1, 99, ""},   // the last number, not held
      {0, 100, ""},  // above the table
      {2, 2, ""},    // no language of that number
  };
  for (const auto& [jezik, k, bytes] : rows) {
    Captions captions;
    captions.setJezik(jezik);
    EXPECT_EQ(captions.JezikText(k), bytes) << "Jezik " << int(jezik) << " caption " << k;
  }
}

TEST(Captions, LanguageFileDecides) {
  const std::string share = "\\\\bingoserver\\net", shareFile = share + "\\cJezik.txt";
  struct Row {
    const char* name;
    const char* shareText;  // nullptr: no file on the share
    const char* localText;  // nullptr: no file in the working directory
    bool serverAnswers;
    std::uint8_t jezik;  // 1 before
    bool fromShare = false;
    FileOp refused = FileOp::List;  // List: nothing refused
  };
  const Row rows[] = {
      {"no file anywhere", nullptr, nullptr, true, 0},
      {"M", nullptr, "M\r\n", false, 3},
      {"lower-case m", nullptr, "mk\r\n", false, 3},
      {"A", nullptr, "Albanian", false, 1},
      {"S", nullptr, "s", false, 0},
      {"another letter", nullptr, "X", false, 1},
      {"empty first line", nullptr, "\r\nM\r\n", false, 1},
      {"empty file", nullptr, "", false, 1},
      {"leading space", nullptr, " M", false, 1},
      {"share wins when the server answers", "M", "A", true, 3, true},
      {"local file when the server is silent", "M", "A", false, 1},
      {"local file when the share has none", nullptr, "A", true, 1},
      {"a file that cannot be opened means Serbian", nullptr, "M", false, 0, false, FileOp::Open},
      {"a file that cannot be read means Serbian", nullptr, "M", false, 0, false, FileOp::Read},
  };
  for (const Row& row : rows) {
    test::FakeFileSystem fs;
    fs.addFolder(share);
    if (row.shareText) fs.addTextFile(shareFile, row.shareText);
    if (row.localText) fs.addTextFile("cJezik.txt", row.localText);
    if (row.refused != FileOp::List) fs.fail(row.refused, "cJezik.txt");
    Captions captions;
    captions.setJezik(1);
    captions.Language_Select(fs, row.serverAnswers, share);
    EXPECT_EQ(captions.Jezik(), row.jezik) << row.name;
    EXPECT_EQ(captions.languageFilePath(), row.fromShare ? shareFile : "cJezik.txt") << row.name;
  }
}

TEST(TextEncoding, ConvertsForTheScreen) {
  struct Row {
    const char* name;
    std::string bytes;
    bool yusciiFont;
    std::uint8_t jezik;
    std::string utf8;
  };
  const Row rows[] = {
      {"ascii stays", "Ser 12", false, 0, "Ser 12"},
      {"Windows-1250 S caron", "VA\x8aI", true, 0, "VA\xc5\xa0I"},
      {"Windows-1250 E diaeresis and C cedilla", "\xcb\xc7", false, 1, "\xc3\x8b\xc3\x87"},
      {"euro and z caron", "\x80\x9e", false, 0, "\xe2\x82\xac\xc5\xbe"},
      {"unassigned code keeps its number", "\x81", false, 0, "\xc2\x81"},
      // "^EKA": Ч Е К А
      {"YUSCII title in Macedonian", "^EKA", true, 3, "\xd0\xa7\xd0\x95\xd0\x9a\xd0\x90"},
      // "Najboqi": Н а ј б о љ и
      {"YUSCII lower case", "Najboqi", true, 3, "\xd0\x9d\xd0\xb0\xd1\x98\xd0\xb1\xd0\xbe\xd1\x99\xd0\xb8"},
      // "VA[I {W~": В А Ш И space ш Њ ч
      {"YUSCII punctuation letters", "VA[I {W~", true, 3,
       "\xd0\x92\xd0\x90\xd0\xa8\xd0\x98 \xd1\x88\xd0\x8a\xd1\x87"},
      {"YUSCII keeps digits and spaces", "2 TALONI", true, 3,
       "2 \xd0\xa2\xd0\x90\xd0\x9b\xd0\x9e\xd0\x9d\xd0\x98"},
      {"Macedonian text outside the YUSCII font stays Latin", "^EKA", false, 3, "^EKA"},
      {"YUSCII font in Serbian stays Latin", "^EKA", true, 0, "^EKA"},
      {"a text ends at its first NUL", std::string("SALA\0\0X", 7), false, 0, "SALA"},
      {"an all-zero field shows nothing", std::string(8, '\0'), true, 3, ""},
  };
  for (const Row& row : rows)
    EXPECT_EQ(displayText(row.bytes, row.yusciiFont, row.jezik), row.utf8) << row.name;
}

}  // namespace
}  // namespace bingo
