#pragma once
// Frames and card files for tests that drive the whole console: a narrow
// frame record written field by field, and a card file of type 0.

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace bingo::test {

// A narrow frame record, written field by field into its 384 bytes.
struct Record {
  std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(384, 0);
  static std::uint8_t bcd(int n) { return static_cast<std::uint8_t>(((n / 10) % 10) << 4 | (n % 10)); }
  Record& lop(int n) { return set(1, bcd(n)); }
  Record& kug(int n) { return set(20, bcd(n)); }
  Record& price(int n) { return bcd4(16, n); }
  Record& kolo(int n) { return set(337, static_cast<std::uint8_t>(n)); }
  Record& drawn(std::initializer_list<int> balls) {
    for (int ball : balls) bytes[49 + (ball - 1) / 8] |= static_cast<std::uint8_t>(1 << ((ball - 1) % 8));
    return *this;
  }
  Record& sold(int row, int first, int last) {
    const std::size_t at = 146 + 5 * static_cast<std::size_t>(row);
    return bcd4(at, first).bcd4(at + 2, last);
  }
  Record& bcd4(std::size_t at, int n) { return set(at, bcd(n / 100)).set(at + 1, bcd(n % 100)); }  // 0..9999
  Record& set(std::size_t at, std::uint8_t value) {
    bytes[at] = value;
    return *this;
  }
  // Every block's checksum: the low 7 bits of the sum of its used bytes.
  std::vector<std::uint8_t> sealed() const {
    constexpr int kUsed[8] = {26, 26, 26, 32, 33, 7, 10, 48};
    std::vector<std::uint8_t> out = bytes;
    for (int block = 0; block < 8; ++block) {
      unsigned sum = 0;
      for (int i = 0; i < kUsed[block] - 1; ++i) sum += out[48 * block + i];
      out[48 * block + kUsed[block] - 1] = static_cast<std::uint8_t>(sum & 0x7F);
    }
    return out;
  }
};

// A card file of type 0 whose first card (ticket 1) holds 1, 3, 5, 7, 9 /
// 11, 13, 15, 17, 19 / 21, 23, 25, 27, 29.
inline std::vector<std::uint8_t> cardFile() {
  std::vector<std::uint8_t> cards(1944 * 15, 0);
  for (int card = 0; card < 1944; ++card)
    for (int row = 0; row < 3; ++row)
      for (int pos = 0; pos < 5; ++pos)
        cards[15 * card + 5 * row + pos] =
            static_cast<std::uint8_t>(1 + (card % 5) + 10 * (row + 3 * (card % 2)) + 2 * pos);
  return cards;
}

}  // namespace bingo::test
