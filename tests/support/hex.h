#pragma once
// Literal bytes written compactly: "00 27 4f" or "00274f", blanks ignored.

#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bingo::test {

inline std::vector<std::uint8_t> hex(std::string_view text) {
  std::string digits;
  for (char c : text)
    if (std::isxdigit(static_cast<unsigned char>(c))) digits += c;
  std::vector<std::uint8_t> out;
  for (std::size_t at = 0; at + 1 < digits.size(); at += 2)
    out.push_back(static_cast<std::uint8_t>(std::stoi(digits.substr(at, 2), nullptr, 16)));
  return out;
}

}  // namespace bingo::test
