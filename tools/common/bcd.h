#pragma once
// Writing the frame record's BCD numbers: two decimal digits per byte, high
// nibble tens, most significant byte first. Reading them back is bcdNumber of
// platform/bytes.h, which the console uses.

#include <cstdint>
#include <span>

namespace bingo::tools {

// 0..99 as one BCD byte; a larger value keeps its last two digits.
constexpr std::uint8_t bcdEncodeByte(unsigned value) {
  value %= 100;
  return static_cast<std::uint8_t>(((value / 10) << 4) | (value % 10));
}

// The largest number a run of n BCD bytes holds: 99, 9999, 999999, ...
constexpr std::uint32_t bcdMax(std::size_t n) {
  std::uint32_t max = 0;
  for (std::size_t i = 0; i < n; ++i) max = max * 100 + 99;
  return max;
}

// Writes value into the whole run, most significant byte first. A value too
// large for the run is written as the run's largest number rather than losing
// its leading digits: a price of 12345 in four digits shows 9999, not 2345.
constexpr void bcdEncode(std::span<std::uint8_t> run, std::uint32_t value) {
  if (value > bcdMax(run.size())) value = bcdMax(run.size());
  for (std::size_t i = run.size(); i-- > 0;) {
    run[i] = bcdEncodeByte(value % 100);
    value /= 100;
  }
}

}  // namespace bingo::tools
