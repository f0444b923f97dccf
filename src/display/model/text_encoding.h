#pragma once
// The system's 8-bit texts as the screen shows them. Serbian and Albanian
// texts are Windows-1250 bytes; Macedonian captions are 7-bit YUSCII, which the
// title font "Makedonska Helvetika" draws as Cyrillic letters. Conversion to
// Unicode (UTF-8) happens once, where the screen model is drawn or dumped.

#include <cstdint>
#include <string>
#include <string_view>

namespace bingo {

// Windows-1250 bytes to UTF-8.
std::string cp1250ToUtf8(std::string_view bytes);

// 7-bit YUSCII to UTF-8 Cyrillic: "^" Ч, "~" ч, "[" Ш, "{" ш, "W" Њ, "q" љ and
// the rest of the code page's letters and punctuation, every other Latin letter
// to the Cyrillic letter of the same sound. Digits, spaces and the remaining
// punctuation stay; bytes above 127 are read as Windows-1250.
std::string yusciiToUtf8(std::string_view bytes);

// What a control shows for its text: in Macedonian (Jezik 3) a control in the
// YUSCII font shows Cyrillic, every other control Windows-1250. The text ends
// at its first NUL byte.
std::string displayText(std::string_view bytes, bool yusciiFont, std::uint8_t Jezik);

inline constexpr std::uint8_t kJezikSerbian = 0;
inline constexpr std::uint8_t kJezikAlbanian = 1;
inline constexpr std::uint8_t kJezikMacedonian = 3;

}  // namespace bingo
