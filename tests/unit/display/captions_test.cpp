#include "display/model/captions.h"

#include <gtest/gtest.h>

#include "support/fake_file_system.h"

namespace bingo {
namespace {

TEST(Captions, TableHoldsTheStoredBytesOfEveryLanguage) {
  struct Row {
    std::uint8_t jezik;
    unsigned k;
    std::string bytes;
  };
  // The captions on the screen are held by the reviewed screen dumps of the
  // console tests; these are the ones no screen shows and the table's ends.
  const Row rows[] = {
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
  for (const Row& row : rows) {
    Captions captions;
    captions.setJezik(row.jezik);
    EXPECT_EQ(captions.JezikText(row.k), row.bytes) << "Jezik " << int(row.jezik) << " caption " << row.k;
  }
}

TEST(Captions, LanguageFileDecides) {
  const std::string share = "\\\\bingoserver\\net";
  const std::string shareFile = share + "\\cJezik.txt";
  struct Row {
    const char* name;
    const char* shareText;  // nullptr: no file on the share
    const char* localText;  // nullptr: no file in the working directory
    bool serverAnswers;
    std::uint8_t jezik;
    std::string path;
    FileOp refused = FileOp::List;  // List: nothing refused
  };
  const Row rows[] = {
      {"no file anywhere", nullptr, nullptr, true, 0, "cJezik.txt"},
      {"M", nullptr, "M\r\n", false, 3, "cJezik.txt"},
      {"lower-case m", nullptr, "mk\r\n", false, 3, "cJezik.txt"},
      {"A", nullptr, "Albanian", false, 1, "cJezik.txt"},
      {"S", nullptr, "s", false, 0, "cJezik.txt"},
      {"another letter", nullptr, "X", false, 1, "cJezik.txt"},
      {"empty first line", nullptr, "\r\nM\r\n", false, 1, "cJezik.txt"},
      {"empty file", nullptr, "", false, 1, "cJezik.txt"},
      {"leading space", nullptr, " M", false, 1, "cJezik.txt"},
      {"share wins when the server answers", "M", "A", true, 3, shareFile},
      {"local file when the server is silent", "M", "A", false, 1, "cJezik.txt"},
      {"local file when the share has none", nullptr, "A", true, 1, "cJezik.txt"},
      {"a file that cannot be opened means Serbian", nullptr, "M", false, 0, "cJezik.txt", FileOp::Open},
      {"a file that cannot be read means Serbian", nullptr, "M", false, 0, "cJezik.txt", FileOp::Read},
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
    EXPECT_EQ(captions.languageFilePath(), row.path) << row.name;
  }
}

}  // namespace
}  // namespace bingo
