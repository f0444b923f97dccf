#pragma once
// The misses of every card against the drawn balls, kept up to date ball by
// ball: for each card row, how many of its numbers are drawn and the sum of
// those that are not; for each ticket, its ranking record as if it were
// analysed and the positions of its keys. A check after one new ball touches
// only the cards that hold that ball, instead of all 15 numbers of every card.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "tickets/key_bits.h"
#include "tickets/rank_sort.h"
#include "tickets/ticket_base.h"

namespace bingo {

class CardTally {
 public:
  // Brings the tally to the drawn balls (index 1..90) for the cards of `base`;
  // builds it anew when the cards changed since the last call.
  void update(const TicketBase& base, const std::array<bool, 91>& drawn);

  // Per ticket 0..24193: the record it gets when it is analysed.
  const TicketRank* records() const { return m_records.data(); }
  // The tickets of each RowMiss and each TotalMiss value.
  const KeyBits& rowKeys() const { return m_rowKeys; }
  const KeyBits& totalKeys() const { return m_totalKeys; }

 private:
  void rebuild(const TicketBase& base);
  void apply(std::size_t ball, bool drawn);
  void recount(std::size_t ticket);

  // The rows (3 x ticket + row) holding each ball, grouped by ball: ball v's
  // rows are m_rows[m_first[v] .. m_first[v + 1]), one entry per occurrence.
  std::vector<std::uint32_t> m_rows;
  std::array<std::uint32_t, 92> m_first{};
  // Per row: drawn numbers (a number twice on the row counts twice) and the
  // sum of the numbers not drawn, bytes that are no ball included.
  std::vector<std::uint8_t> m_hits;
  std::vector<std::uint16_t> m_missingSums;
  std::vector<TicketRank> m_records;
  KeyBits m_rowKeys;
  KeyBits m_totalKeys;
  std::array<bool, 91> m_drawn{};      // the balls the tally holds
  const TicketBase* m_base = nullptr;  // the cards it was built for ...
  std::uint64_t m_cardsVersion = 0;    // ... and their version
};

}  // namespace bingo
