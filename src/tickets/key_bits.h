#pragma once
// One bit set per key value 0..16 over the positions 0..24193 of a per-ticket
// table: the positions that hold that key.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "tickets/ticket_base.h"

namespace bingo {

class KeyBits {
 public:
  static constexpr unsigned kKeys = 17;
  static constexpr std::size_t kWords = (kTicketTableSize + 63) / 64;

  KeyBits() : m_bits(kKeys * kWords, 0) {}
  void clear() { std::fill(m_bits.begin(), m_bits.end(), std::uint64_t{0}); }
  void set(std::size_t pos, unsigned key) { word(pos, key) |= bit(pos); }
  void reset(std::size_t pos, unsigned key) { word(pos, key) &= ~bit(pos); }
  const std::uint64_t* of(unsigned key) const { return m_bits.data() + key * kWords; }
  std::uint64_t* of(unsigned key) { return m_bits.data() + key * kWords; }

 private:
  static std::uint64_t bit(std::size_t pos) { return std::uint64_t{1} << (pos & 63); }
  std::uint64_t& word(std::size_t pos, unsigned key) { return m_bits[key * kWords + (pos >> 6)]; }
  std::vector<std::uint64_t> m_bits;
};

}  // namespace bingo
