#pragma once
// Small helpers for the system's 8-bit texts.

#include <cstdint>
#include <string>
#include <string_view>

namespace bingo {

constexpr char asciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
constexpr char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string toUpperAscii(std::string_view text);
std::string toLowerAscii(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);

// Decimal text of a signed 32-bit integer, empty for 0: every numeric label shows 0 as a blank.
std::string NumberOrBlank(std::int32_t n);

// printf-style formatting into a std::string.
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace bingo
