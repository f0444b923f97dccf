#include "display/model/text_encoding.h"

#include <array>

namespace bingo {

namespace {

// Windows-1250 0x80..0xFF. The five unassigned codes map to the C1 control of
// the same number, as Windows itself converts them.
constexpr std::array<char16_t, 128> kCp1250High{
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

// YUSCII upper-case letters A..Z as Macedonian Cyrillic: same sound, and the
// code page's own letters Q Љ, W Њ, X Џ, Y Ѕ.
constexpr std::array<char16_t, 26> kYusciiUpper{
    0x0410, 0x0411, 0x0426, 0x0414, 0x0415, 0x0424, 0x0413, 0x0425, 0x0418,  // A B C D E F G H I
    0x0408, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0409, 0x0420,  // J K L M N O P Q R
    0x0421, 0x0422, 0x0423, 0x0412, 0x040A, 0x040F, 0x0405, 0x0417,          // S T U V W X Y Z
};

// Lower-case Cyrillic of an upper-case letter of kYusciiUpper.
constexpr char16_t cyrillicLower(char16_t upper) {
  return upper >= 0x0410 ? static_cast<char16_t>(upper + 0x20) : static_cast<char16_t>(upper + 0x50);
}

// The code page's punctuation positions: @ Ж, [ Ш, \ Ѓ, ] Ќ, ^ Ч and their
// lower-case partners ` ж, { ш, | ѓ, } ќ, ~ ч.
constexpr char16_t yusciiPunctuation(char c) {
  switch (c) {
    case '@':
      return 0x0416;
    case '[':
      return 0x0428;
    case '\\':
      return 0x0403;
    case ']':
      return 0x040C;
    case '^':
      return 0x0427;
    case '`':
      return 0x0436;
    case '{':
      return 0x0448;
    case '|':
      return 0x0453;
    case '}':
      return 0x045C;
    case '~':
      return 0x0447;
    default:
      return 0;
  }
}

void appendUtf8(std::string& out, char16_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

char16_t cp1250Code(unsigned char byte) { return byte < 0x80 ? byte : kCp1250High[byte - 0x80]; }

}  // namespace

std::string cp1250ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) appendUtf8(out, cp1250Code(static_cast<unsigned char>(c)));
  return out;
}

std::string yusciiToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char c : bytes) {
    char16_t code;
    if (c >= 'A' && c <= 'Z') {
      code = kYusciiUpper[static_cast<std::size_t>(c - 'A')];
    } else if (c >= 'a' && c <= 'z') {
      code = cyrillicLower(kYusciiUpper[static_cast<std::size_t>(c - 'a')]);
    } else if (const char16_t punctuation = yusciiPunctuation(c); punctuation != 0) {
      code = punctuation;
    } else {
      code = cp1250Code(static_cast<unsigned char>(c));
    }
    appendUtf8(out, code);
  }
  return out;
}

std::string displayText(std::string_view bytes, bool yusciiFont, std::uint8_t Jezik) {
  // A control's text ends at its first NUL, as a text from the frame's fixed-size fields does on screen.
  bytes = bytes.substr(0, bytes.find('\0'));
  return yusciiFont && Jezik == kJezikMacedonian ? yusciiToUtf8(bytes) : cp1250ToUtf8(bytes);
}

}  // namespace bingo
