#include "display/model/text_encoding.h"

#include <gtest/gtest.h>

namespace bingo {
namespace {

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
