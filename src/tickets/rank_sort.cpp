#include "tickets/rank_sort.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

namespace bingo {

namespace {

void literalPass(std::span<TicketRank> table, std::uint8_t TicketRank::*key) {
  const std::size_t outer = std::min(kRankedPositions, table.size());
  for (std::size_t i = 0; i < outer; ++i)
    for (std::size_t j = i + 1; j < table.size(); ++j)
      if (table[i].*key > table[j].*key) std::swap(table[i], table[j]);
}

}  // namespace

void rankLiteral(std::span<TicketRank> table, bool hint, bool BingoPhase) {
  literalPass(table, &TicketRank::TotalMiss);
  if (!hint && BingoPhase) return;
  literalPass(table, &TicketRank::RowMiss);
}

bool RankSorter::KeySets::build(std::span<const TicketRank> table, std::uint8_t TicketRank::*key) {
  std::fill(m_bits.begin(), m_bits.end(), std::uint64_t{0});
  // First each position in the set of its exact key (kept in below(key + 1)),
  // then every set takes in all smaller keys.
  for (std::size_t pos = 0; pos < table.size(); ++pos) {
    const unsigned k = table[pos].*key;
    if (k < kMaxKey) below(k + 1)[pos >> 6] |= std::uint64_t{1} << (pos & 63);
    if (k > kMaxKey) return false;
  }
  for (unsigned k = 2; k <= kMaxKey; ++k) {
    const std::uint64_t* smaller = below(k - 1);
    std::uint64_t* bits = below(k);
    for (std::size_t w = 0; w < kWords; ++w) bits[w] |= smaller[w];
  }
  return true;
}

void RankSorter::KeySets::change(std::size_t pos, unsigned from, unsigned to) {
  const std::uint64_t bit = std::uint64_t{1} << (pos & 63);
  for (unsigned k = from + 1; k <= to; ++k) below(k)[pos >> 6] &= ~bit;
  for (unsigned k = to + 1; k <= from; ++k) below(k)[pos >> 6] |= bit;
}

std::size_t RankSorter::KeySets::firstAfter(std::size_t pos, unsigned k, std::size_t end) const {
  const std::size_t start = pos + 1;
  if (start >= end) return end;
  const std::uint64_t* bits = below(k);
  std::size_t w = start >> 6;
  std::uint64_t word = bits[w] & (~std::uint64_t{0} << (start & 63));
  const std::size_t lastWord = (end - 1) >> 6;
  while (word == 0) {
    if (++w > lastWord) return end;
    word = bits[w];
  }
  return std::min(end, w * 64 + static_cast<std::size_t>(std::countr_zero(word)));
}

RankSorter::RankSorter() = default;

void RankSorter::place(std::span<TicketRank> table, std::size_t pos, const TicketRank& record,
                       bool keepTotalSets, bool keepRowSets) {
  if (keepTotalSets) m_total.change(pos, table[pos].TotalMiss, record.TotalMiss);
  if (keepRowSets) m_row.change(pos, table[pos].RowMiss, record.RowMiss);
  table[pos] = record;
}

void RankSorter::pass(std::span<TicketRank> table, bool byTotal, bool keepRowSets) {
  KeySets& sets = byTotal ? m_total : m_row;
  const auto key = byTotal ? &TicketRank::TotalMiss : &TicketRank::RowMiss;
  const std::size_t outer = std::min(kRankedPositions, table.size());
  for (std::size_t i = 0; i < outer; ++i) {
    // The chain of strict running minima from i; keys fall by at least one per link.
    std::array<std::size_t, kMaxKey + 2> chain;
    std::size_t links = 0;
    chain[links++] = i;
    unsigned current = table[i].*key;
    for (std::size_t pos = i; current > 0;) {
      pos = sets.firstAfter(pos, current, table.size());
      if (pos == table.size()) break;
      chain[links++] = pos;
      current = table[pos].*key;
    }
    if (links == 1) continue;
    TicketRank moving = table[i];
    const TicketRank smallest = table[chain[links - 1]];
    for (std::size_t m = 1; m < links; ++m) {
      const TicketRank displaced = table[chain[m]];
      place(table, chain[m], moving, byTotal, keepRowSets);
      moving = displaced;
    }
    place(table, i, smallest, byTotal, keepRowSets);
  }
}

void RankSorter::sort(std::span<TicketRank> table, bool hint, bool BingoPhase) {
  if (table.size() > kTicketTableSize) return rankLiteral(table, hint, BingoPhase);
  const bool rowPass = hint || !BingoPhase;
  // Keys above 16 never come from a count; should one appear, the bit sets
  // cannot hold it and the plain algorithm runs instead.
  if (!m_total.build(table, &TicketRank::TotalMiss) || (rowPass && !m_row.build(table, &TicketRank::RowMiss)))
    return rankLiteral(table, hint, BingoPhase);
  pass(table, true, rowPass);
  if (rowPass) pass(table, false, true);
}

}  // namespace bingo
