#include "tickets/rank_sort.h"

#include <algorithm>
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

void RankSorter::KeySets::load(const KeyBits& keys, std::span<const std::uint64_t> analysed) {
  std::fill_n(m_below.of(0), KeyBits::kWords, std::uint64_t{0});
  for (unsigned k = 0; k < kMaxKey; ++k) {
    const std::uint64_t* exact = keys.of(k);
    std::uint64_t* bits = m_below.of(k + 1);
    for (std::size_t w = 0; w < KeyBits::kWords; ++w) bits[w] = exact[w] & analysed[w];
  }
}

void RankSorter::KeySets::finish() {
  for (unsigned k = 2; k <= kMaxKey; ++k) {
    const std::uint64_t* smaller = m_below.of(k - 1);
    std::uint64_t* bits = m_below.of(k);
    for (std::size_t w = 0; w < KeyBits::kWords; ++w) bits[w] |= smaller[w];
  }
}

void RankSorter::KeySets::change(std::size_t pos, unsigned from, unsigned to) {
  for (unsigned k = from + 1; k <= to; ++k) m_below.reset(pos, k);
  for (unsigned k = to + 1; k <= from; ++k) m_below.set(pos, k);
}

std::size_t RankSorter::KeySets::firstAfter(std::size_t pos, unsigned k, std::size_t end) const {
  const std::size_t start = pos + 1;
  if (start >= end) return end;
  const std::uint64_t* bits = m_below.of(k);
  std::size_t w = start >> 6;
  std::uint64_t word = bits[w] & (~std::uint64_t{0} << (start & 63));
  const std::size_t lastWord = (end - 1) >> 6;
  while (word == 0) {
    if (++w > lastWord) return end;
    word = bits[w];
  }
  return std::min(end, w * 64 + static_cast<std::size_t>(std::countr_zero(word)));
}

void RankSorter::place(std::span<TicketRank> table, std::size_t pos, const TicketRank& record,
                       bool keepTotalSets, bool keepRowSets) {
  TicketRank& at = table[pos - 1];
  if (keepTotalSets) m_total.change(pos, at.TotalMiss, record.TotalMiss);
  if (keepRowSets) m_row.change(pos, at.RowMiss, record.RowMiss);
  at = record;
}

void RankSorter::pass(std::span<TicketRank> table, bool byTotal, bool keepRowSets) {
  KeySets& sets = byTotal ? m_total : m_row;
  const auto key = byTotal ? &TicketRank::TotalMiss : &TicketRank::RowMiss;
  const std::size_t end = table.size() + 1;  // positions 1..size
  const std::size_t outer = std::min(kRankedPositions, table.size());
  for (std::size_t i = 1; i <= outer; ++i) {
    // The chain of strict running minima from i; keys fall by at least one per link.
    std::array<std::size_t, kMaxKey + 2> chain;
    std::size_t links = 0;
    chain[links++] = i;
    unsigned current = table[i - 1].*key;
    for (std::size_t pos = i; current > 0;) {
      pos = sets.firstAfter(pos, current, end);
      if (pos == end) break;
      chain[links++] = pos;
      current = table[pos - 1].*key;
    }
    if (links == 1) continue;
    TicketRank moving = table[i - 1];
    const TicketRank smallest = table[chain[links - 1] - 1];
    for (std::size_t m = 1; m < links; ++m) {
      const TicketRank displaced = table[chain[m] - 1];
      place(table, chain[m], moving, byTotal, keepRowSets);
      moving = displaced;
    }
    place(table, i, smallest, byTotal, keepRowSets);
  }
}

void RankSorter::run(std::span<TicketRank> table, bool hint, bool BingoPhase) {
  const bool rowPass = hint || !BingoPhase;
  m_total.finish();
  if (rowPass) m_row.finish();
  pass(table, true, rowPass);
  if (rowPass) pass(table, false, true);
}

void RankSorter::sortCounted(std::span<TicketRank> table, bool hint, bool BingoPhase, const KeyBits& rowKeys,
                             const KeyBits& totalKeys, std::span<const std::uint64_t> analysed) {
  m_total.load(totalKeys, analysed);
  m_row.load(rowKeys, analysed);
  run(table, hint, BingoPhase);
}

}  // namespace bingo
