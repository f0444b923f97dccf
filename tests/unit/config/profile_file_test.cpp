#include "config/profile_file.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/fake_file_system.h"

namespace bingo {
namespace {

constexpr const char* kIni = "C:\\Orma\\clientbingo.ini";

ProfileFile loaded(test::FakeFileSystem& fs, std::string_view text) {
  fs.addTextFile(kIni, text);
  ProfileFile ini;
  EXPECT_TRUE(ini.load(fs, kIni));
  return ini;
}

TEST(ProfileFile, IntegersInDecimalAndHexOrTheCurrentValue) {
  const std::pair<const char*, std::int32_t> rows[] = {
      // 77 is the current value, kept when the text is no integer
      {"70000", 70000},
      {"-12", -12},
      {"+5", 5},
      {"0x1F", 31},
      {"0X1f", 31},
      {"$FF", 255},
      {"-$10", -16},
      {"$FFFFFFFF", -1},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", 77},
      {"$100000000", 77},
      {"yes", 77},
      {"12abc", 77},
      {"", 77},
      {"0x", 77},
      {"$", 77},
      {"1 2", 77},
  };
  for (const auto& [value, expected] : rows) {
    test::FakeFileSystem fs;
    const ProfileFile ini = loaded(fs, std::string("[Form]\r\nWidth=") + value + "\r\n");
    EXPECT_EQ(ini.readInteger("Form", "Width", 77), expected) << value;
  }
}

TEST(ProfileFile, LookupToleratesGarbageAndMatchesWithoutCase) {
  const std::string text =
      "PC=before any section\r\n"
      "garbage without equals\r\n"
      "[Net\r\n"  // an unclosed section line still names a section
      "=no key\r\n"
      ";PC=commented\r\n"
      "  pc  =  srv7  \r\n"
      "PC=second\r\n"
      "[ Files ]\n"  // LF alone ends a line too
      "Frame=\"\\\\srv\\net\\Frame.dat\"\r"
      "Empty=\r\n"
      "\x01\xff\r\n";
  const std::tuple<const char*, const char*, std::optional<std::string>> rows[] = {
      {"Net", "PC", "srv7"},  // first of two keys, blanks around key and value dropped
      {"NET", "pc", "srv7"},
      {"files", "FRAME", "\\\\srv\\net\\Frame.dat"},  // one pair of quotes dropped
      {"Files", "Empty", ""},
      {"Files", "PC", std::nullopt},
      {"Missing", "PC", std::nullopt},
  };
  test::FakeFileSystem fs;
  const ProfileFile ini = loaded(fs, text);
  for (const auto& [section, key, expected] : rows) EXPECT_EQ(ini.value(section, key), expected) << key;
}

TEST(ProfileFile, WritingKeepsTheFileAndAddsAtTheEndOfSectionOrFile) {
  struct Row {
    const char* before;
    std::vector<std::array<const char*, 3>> writes;  // section, key, value
    const char* after;
  };
  const Row rows[] = {
      {"",
       {{"Net", "PC", "srv"}, {"Timer", "Interval", "100"}},
       "[Net]\r\nPC=srv\r\n\r\n[Timer]\r\nInterval=100\r\n"},
      // An existing key is replaced; a foreign key and a comment are kept.
      {"; hall 3\r\n[Net]\r\nPC=old\r\nUser=kasa\r\n",
       {{"NET", "pc", "srv"}},
       "; hall 3\r\n[Net]\r\npc=srv\r\nUser=kasa\r\n"},
      // A new key goes after the last line of its section, before the blank line.
      {"[Timer]\r\nEnabled=1\r\n\r\n[Net]\r\nPC=a\r\n",
       {{"Timer", "Interval", "100"}},
       "[Timer]\r\nEnabled=1\r\nInterval=100\r\n\r\n[Net]\r\nPC=a\r\n"},
      // A new section goes at the end; LF lines are written back with CR LF.
      {"[Other]\nK=v\n", {{"Net", "PC", "srv"}}, "[Other]\r\nK=v\r\n\r\n[Net]\r\nPC=srv\r\n"},
      {"junk\r\n[Net]\r\n==\r\n", {{"Net", "PC", "srv"}}, "junk\r\n[Net]\r\n==\r\nPC=srv\r\n"},
  };
  for (const Row& row : rows) {
    test::FakeFileSystem fs;
    ProfileFile ini = loaded(fs, row.before);
    for (const auto& [section, key, value] : row.writes) ini.writeString(section, key, value);
    ini.save(fs, kIni);
    EXPECT_EQ(fs.text(kIni), row.after) << row.before;
  }
}

TEST(ProfileFile, ValuesAreCutAt2047AndALineEndInsideAValueEndsIt) {
  test::FakeFileSystem fs;
  ProfileFile ini = loaded(fs, "[WBURL]\r\nURL1=" + std::string(3000, 'u') + "\r\n");
  EXPECT_EQ(ini.readString("WBURL", "URL1", ""), std::string(2047, 'u'));
  ini.writeString("WBURL", "URL2", "http://cam\r\n[Net]\r\nPC=evil");
  EXPECT_EQ(ini.value("WBURL", "URL2"), "http://cam");
  EXPECT_EQ(ini.value("Net", "PC"), std::nullopt);
}

TEST(ProfileFile, AHundredMegabyteValueIsReadWithBoundedMemory) {
  test::FakeFileSystem fs;
  std::string text = "[Net]\r\nPC=";
  text.append(100u << 20, 'x');
  text += "\r\n[Timer]\r\nInterval=5\r\n";
  fs.addTextFile(kIni, text);
  text.clear();
  text.shrink_to_fit();
  ProfileFile ini;
  ASSERT_TRUE(ini.load(fs, kIni));
  EXPECT_EQ(ini.readString("Net", "PC", "").size(), kProfileValueMax);
  EXPECT_EQ(ini.readInteger("Timer", "Interval", 0), 5);
  std::size_t kept = 0;
  for (const auto& line : ini.lines()) kept += line.size();
  EXPECT_LE(kept, 8192u);
}

// A refused save is the console INI's test; here an unreadable file is not
// loaded while a missing one is an empty file.
TEST(ProfileFile, AnUnreadableFileIsNotLoaded) {
  test::FakeFileSystem fs;
  fs.addTextFile(kIni, "[Net]\r\nPC=old\r\n");
  fs.fail(FileOp::Read, kIni);
  ProfileFile unreadable, missing;
  EXPECT_FALSE(unreadable.load(fs, kIni));
  EXPECT_TRUE(unreadable.lines().empty());
  EXPECT_TRUE(missing.load(fs, "C:\\Orma\\none.ini"));
}

}  // namespace
}  // namespace bingo
