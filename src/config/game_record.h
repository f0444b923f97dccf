#pragma once
// The full game record: 81256 bytes, the layout of the installation's .dg
// game-record files. Numbers are little-endian; texts are length-prefixed.

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/bytes.h"

namespace bingo {

class GameRecord {
 public:
  static constexpr std::size_t kSize = 81256;

  // Offsets the console uses.
  static constexpr std::size_t kSellerNames = 68;  // 6 x (length byte + 5 characters)
  static constexpr std::size_t kGameType = 9;
  static constexpr std::size_t kCityName = 43;  // length byte + 8 characters
  static constexpr std::size_t kCityLetter = 44;

  GameRecord() : m_bytes(kSize, 0) {}
  void clear() { std::fill(m_bytes.begin(), m_bytes.end(), std::uint8_t{0}); }

  std::span<std::uint8_t> bytes() { return m_bytes; }
  std::span<const std::uint8_t> bytes() const { return m_bytes; }
  ByteReader reader() const { return ByteReader(m_bytes); }
  ByteWriter writer() { return ByteWriter(m_bytes); }

 private:
  std::vector<std::uint8_t> m_bytes;
};

}  // namespace bingo
