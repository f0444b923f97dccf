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
      {0, 0, "LIN"}, {1, 0, "VIJ"}, {3, 46, "BRI{EWE NA TALONI"}, {3, 63, "Vnesete gi kupenite taloni"},
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
  constexpr FileOp kNone = FileOp::List;
  // The share's file and the local one (nullptr: none), the server answers,
  // Jezik after (1 before), an operation refused on the local file. The share
  // wins when the server answers; a file that cannot be opened or read means Serbian.
  const std::tuple<const char*, const char*, bool, int, FileOp> rows[] = {
      {nullptr, nullptr, true, 0, kNone},
      {nullptr, "M\r\n", false, 3, kNone},
      {nullptr, "Albanian", false, 1, kNone},
      {nullptr, "s", false, 0, kNone},
      {nullptr, "\r\nM\r\n", false, 1, kNone},
      {nullptr, "", false, 1, kNone},
      {nullptr, " M", false, 1, kNone},
      {"M", "A", true, 3, kNone},
      {"M", "A", false, 1, kNone},
      {nullptr, "A", true, 1, kNone},
      {nullptr, "M", false, 0, FileOp::Open},
      {nullptr, "M", false, 0, FileOp::Read}};
  for (const auto& [shareText, localText, serverAnswers, jezik, refused] : rows) {
    const std::string name = std::string(shareText ? shareText : "-") + "/" + (localText ? localText : "-");
    test::FakeFileSystem fs;
    fs.addFolder(share);
    if (shareText) fs.addTextFile(shareFile, shareText);
    if (localText) fs.addTextFile("cJezik.txt", localText);
    if (refused != kNone) fs.fail(refused, "cJezik.txt");
    Captions captions;
    captions.setJezik(1);
    captions.Language_Select(fs, serverAnswers, share);
    EXPECT_EQ(captions.Jezik(), jezik) << name;
    EXPECT_EQ(captions.languageFilePath(), shareText && serverAnswers ? shareFile : "cJezik.txt") << name;
  }
}

TEST(TextEncoding, ConvertsForTheScreen) {
  // Name, bytes, the YUSCII font chosen, Jezik, the text shown. The reviewed screen dumps hold the
  // letters their captions use (S caron; E diaeresis, C cedilla; most of the YUSCII Cyrillic), the widgets'
  // tests a text outside the YUSCII font.
  const std::tuple<const char*, std::string, bool, std::uint8_t, std::string> rows[] = {
      {"euro and z caron", "\x80\x9e", false, 0, "\xe2\x82\xac\xc5\xbe"},
      {"unassigned code keeps its number", "\x81", false, 0, "\xc2\x81"},
      // "VA[I {W~": В А Ш И space ш Њ ч
      {"YUSCII punctuation letters", "VA[I {W~", true, 3,
       "\xd0\x92\xd0\x90\xd0\xa8\xd0\x98 \xd1\x88\xd0\x8a\xd1\x87"},
      {"YUSCII font in Serbian stays Latin", "^EKA", true, 0, "^EKA"},
      {"a text ends at its first NUL", std::string("SALA\0\0X", 7), false, 0, "SALA"},
      {"an all-zero field shows nothing", std::string(8, '\0'), true, 3, ""}};
  for (const auto& [name, bytes, yusciiFont, jezik, utf8] : rows)
    EXPECT_EQ(displayText(bytes, yusciiFont, jezik), utf8) << name;
}

}  // namespace
}  // namespace bingo
