#pragma once
// The ranking of the analysed tickets. Only the first 30 positions come out
// ordered; the rest of the table keeps the order that the exchanges of the two
// passes leave behind. Both algorithms here leave exactly the same whole table.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "tickets/key_bits.h"
#include "tickets/ticket_base.h"

namespace bingo {

// One ranking record per ticket.
struct TicketRank {
  std::uint16_t ticket = 0;
  std::uint8_t RowMiss = 0;    // fewest numbers missing in one row; 10 when not analysed
  std::uint8_t TotalMiss = 0;  // numbers missing on the card; 16 when not analysed
  std::uint8_t Awaited = 0;    // the missing number of a row that misses exactly one; 0 when none
  bool operator==(const TicketRank&) const = default;
};

inline constexpr std::size_t kRankedPositions = 30;

// The ranking as the system defines it, table[0] being position 1: for
// i = 1..30 and j = i+1..end, exchange the records at i and j when the key at i
// is strictly greater; first on TotalMiss, then, unless the bingo phase is on
// with the near-win switch off, on RowMiss. Up to 2 x 30 x 24193 steps; kept as
// the reference of the fast ranking.
void rankLiteral(std::span<TicketRank> table, bool hint, bool BingoPhase);

// The same ranking without the scans. One outer step i of a pass moves the
// records along the chain of strict running minima that starts at i: position
// i receives the last of them and every chain position the record of the one
// before it. With keys below 17, a chain has at most 17 links, each found by a
// forward search in bit sets of "positions whose key is below k".
class RankSorter {
 public:
  // A table of 24193 positions written by a count: the keys come as the
  // positions (1-based, bit t for position t) of each RowMiss and TotalMiss
  // value, of which only the positions in `analysed` count. Every other
  // position must hold RowMiss 10 and TotalMiss 16, the keys of a ticket that
  // was not analysed.
  void sortCounted(std::span<TicketRank> table, bool hint, bool BingoPhase, const KeyBits& rowKeys,
                   const KeyBits& totalKeys, std::span<const std::uint64_t> analysed);

 private:
  static constexpr unsigned kMaxKey = 16;

  // below(k): positions (1-based) whose key is below k, k = 0..16.
  class KeySets {
   public:
    // below(key + 1) := the analysed positions of each key.
    void load(const KeyBits& keys, std::span<const std::uint64_t> analysed);
    // Lets every set take in the smaller keys.
    void finish();
    void change(std::size_t pos, unsigned from, unsigned to);
    // First position after pos whose key is below k; `end` when none.
    std::size_t firstAfter(std::size_t pos, unsigned k, std::size_t end) const;

   private:
    KeyBits m_below;
  };

  void run(std::span<TicketRank> table, bool hint, bool BingoPhase);
  void pass(std::span<TicketRank> table, bool byTotal, bool keepRowSets);
  // Puts a record at a position (1-based) and keeps the bit sets still needed.
  void place(std::span<TicketRank> table, std::size_t pos, const TicketRank& record, bool keepTotalSets,
             bool keepRowSets);

  KeySets m_total;
  KeySets m_row;
};

}  // namespace bingo
