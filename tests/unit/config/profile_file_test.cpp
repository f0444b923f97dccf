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

// Decimal in the signed range, hex filling 32 bits, or 77, the current value.
TEST(ProfileFile, IntegersInDecimalAndHexOrTheCurrentValue) {
  std::string read;
  for (const char* value :
       {"70000", "-12", "+5", "0x1F", "0X1f", "$FF", "-$10", "$FFFFFFFF", "2147483647", "-2147483648",
        "2147483648", "$100000000", "yes", "12abc", "", "0x", "$", "1 2"}) {
    test::FakeFileSystem fs;
    const ProfileFile ini = loaded(fs, std::string("[Form]\r\nWidth=") + value + "\r\n");
    read += std::to_string(ini.readInteger("Form", "Width", 77)) + " ";
  }
  EXPECT_EQ(read, "70000 -12 5 31 31 255 -16 -1 2147483647 -2147483648 77 77 77 77 77 77 77 77 ");
}

// Lines before any section, without '=' or with an empty key, and comments
// are passed over; an unclosed "[Net" names a section; the first of two keys
// counts; blanks around key and value and one pair of quotes are dropped;
// names match without case; LF or CR alone ends a line too.
TEST(ProfileFile, LookupToleratesGarbageAndMatchesWithoutCase) {
  test::FakeFileSystem fs;
  const ProfileFile ini = loaded(fs,
                                 "PC=before any section\r\ngarbage without equals\r\n[Net\r\n=no key\r\n"
                                 ";PC=commented\r\n  pc  =  srv7  \r\nPC=second\r\n[ Files ]\n"
                                 "Frame=\"\\\\srv\\net\\Frame.dat\"\rEmpty=\r\n\x01\xff\r\n");
  std::string found;
  for (const std::string_view name :
       {"Net/PC", "NET/pc", "files/FRAME", "Files/Empty", "Files/PC", "Missing/PC"})
    found +=
        ini.value(name.substr(0, name.find('/')), name.substr(name.find('/') + 1)).value_or("none") + "|";
  EXPECT_EQ(found, "srv7|srv7|\\\\srv\\net\\Frame.dat||none|none|");
}

// A key is replaced where it stands, a new key goes after the last line of its
// section (before the blank line), a new section at the end after a blank
// line; comments, foreign keys and lines that are no keys stay, LF lines are
// written back with CR LF. A new file is the console INI's case.
TEST(ProfileFile, WritingKeepsTheFileAndAddsAtTheEndOfSectionOrFile) {
  test::FakeFileSystem fs;
  ProfileFile ini =
      loaded(fs, "; hall 3\r\njunk\r\n[Timer]\r\nEnabled=1\r\n\r\n[Net]\n==\nPC=old\nUser=kasa\n");
  ini.writeString("Timer", "Interval", "100");
  ini.writeString("NET", "pc", "srv");
  ini.writeString("WB", "Show", "1");
  ini.save(fs, kIni);
  EXPECT_EQ(fs.text(kIni),
            "; hall 3\r\njunk\r\n[Timer]\r\nEnabled=1\r\nInterval=100\r\n\r\n[Net]\r\n==\r\npc=srv\r\n"
            "User=kasa\r\n\r\n[WB]\r\nShow=1\r\n");
}

// A value is cut at 2047 characters, and a hundred-megabyte one is read
// with bounded memory; a line end inside a value written ends it.
TEST(ProfileFile, ValuesAreCutAndReadWithBoundedMemory) {
  test::FakeFileSystem fs;
  std::string text = "[Net]\r\nPC=" + std::string(100u << 20, 'x') + "\r\n[WBURL]\r\nURL1=";
  fs.addTextFile(kIni, text + std::string(3000, 'u') + "\r\n[Timer]\r\nInterval=5\r\n");
  text = std::string();
  ProfileFile ini;
  ASSERT_TRUE(ini.load(fs, kIni));
  EXPECT_EQ(ini.readString("Net", "PC", "").size(), 2047u);
  EXPECT_EQ(ini.readString("WBURL", "URL1", ""), std::string(2047, 'u'));
  EXPECT_EQ(ini.readInteger("Timer", "Interval", 0), 5);
  std::size_t kept = 0;
  for (const auto& line : ini.lines()) kept += line.size();
  EXPECT_LE(kept, 8192u);
  ini.writeString("WBURL", "URL2", "http://cam\r\n[Net]\r\nPC=evil");
  EXPECT_EQ(ini.value("WBURL", "URL2"), "http://cam");
  EXPECT_EQ(ini.value("Net", "PC")->size(), 2047u);
}

}  // namespace
}  // namespace bingo
