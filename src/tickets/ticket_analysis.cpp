#include "tickets/ticket_analysis.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "platform/text.h"

namespace bingo {

namespace {

constexpr std::uint8_t kRowUnanalysed = 10;
constexpr std::uint8_t kTotalUnanalysed = 16;

// Grid column 0..8 of a ball number on a ticket display: 1..9 in the first,
// 80..90 in the last; nothing for a byte that is no ball.
std::optional<std::size_t> gridColumn(std::uint8_t v) {
  if (v < 1 || v > 90) return std::nullopt;
  return v == 90 ? 8 : v / 10;
}

// Set bits of a word, inline: without a popcount instruction in the target,
// the library call costs more than the whole rest of a count.
unsigned bitCount(std::uint64_t x) {
  x = x - ((x >> 1) & 0x5555555555555555ull);
  x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
  x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
  return static_cast<unsigned>((x * 0x0101010101010101ull) >> 56);
}

}  // namespace

TicketAnalysis::TicketAnalysis() : m_rank(kTicketTableSize) { clear(); }

void TicketAnalysis::clear() {
  // Every record as a ticket that was not analysed, so that a cleared table
  // never names a winner.
  for (std::size_t t = 0; t < m_rank.size(); ++t)
    m_rank[t] = TicketRank{static_cast<std::uint16_t>(t), kRowUnanalysed, kTotalUnanalysed, 0};
  m_rowMissCount.fill(0);
  m_totalMissCount.fill(0);
  m_lineWaitMin = 0;
  m_bingoWaitMin = 0;
  m_analysed = 0;
  TicketDisplay blank{" ", {}, {}};
  blank.cells.fill(" ");
  m_view.fill(blank);
}

void TicketAnalysis::setBalls(const BallFlags& drawn) {
  m_balls = drawn;
  m_balls[0] = false;
}

void TicketAnalysis::finishCount() {
  // The lowest misses of the analysed tickets, 10 and 16 when there is none.
  const auto lowest = [](const auto& counts, std::uint8_t none) {
    for (std::size_t k = 0; k < counts.size(); ++k)
      if (counts[k] != 0) return static_cast<std::uint8_t>(k);
    return none;
  };
  m_lineWaitMin = lowest(m_rowMissCount, kRowUnanalysed);
  m_bingoWaitMin = lowest(m_totalMissCount, kTotalUnanalysed);
  m_analysed = 0;
  for (const std::uint16_t n : m_totalMissCount) m_analysed += n;
}

void TicketAnalysis::markAnalysed(const BoughtTickets& bought) {
  const std::uint8_t* boughtFlags = bought.boughtFlags().data();
  const std::uint8_t* soldFlags = bought.soldFlags().data();
  for (std::size_t w = 0; w < m_analysedBits.size(); ++w) {
    std::uint64_t bits = 0;
    for (std::size_t byte = 0; byte < 8; ++byte) {
      const std::size_t first = w * 64 + byte * 8;
      if (first >= kTicketTableSize) break;
      std::uint64_t both = 0;  // eight flags of 0 or 1, one per byte
      if (first + 8 <= kTicketTableSize) {
        std::uint64_t b = 0, s = 0;
        std::memcpy(&b, boughtFlags + first, 8);
        std::memcpy(&s, soldFlags + first, 8);
        both = b & s;
      } else {
        for (std::size_t i = first; i < kTicketTableSize; ++i)
          both |= std::uint64_t(boughtFlags[i] & soldFlags[i]) << (8 * (i - first));
      }
      // Gathers the low bit of each byte into one byte, byte i to bit i.
      bits |= ((both * 0x0102040810204080ull) >> 56) << (byte * 8);
    }
    m_analysedBits[w] = bits;
  }
  m_analysedBits[0] &= ~std::uint64_t{1};  // ticket 0 is a sentinel
}

void TicketAnalysis::TicketAnalysis_Count(const TicketBase& base, const BoughtTickets& bought) {
  m_tally.update(base, m_balls);
  markAnalysed(bought);
  const TicketRank* analysedRecords = m_tally.records();
  for (std::size_t w = 0; w < m_analysedBits.size(); ++w) {
    const std::uint64_t bits = m_analysedBits[w];
    const std::size_t first = std::max<std::size_t>(w * 64, 1);
    const std::size_t end = std::min(w * 64 + 64, kTicketTableSize);
    if (bits == ~std::uint64_t{0}) {
      std::copy(analysedRecords + first, analysedRecords + end,
                m_rank.begin() + static_cast<std::ptrdiff_t>(first));
      continue;
    }
    for (std::size_t t = first; t < end; ++t)
      m_rank[t] = (bits >> (t & 63)) & 1
                      ? analysedRecords[t]
                      : TicketRank{static_cast<std::uint16_t>(t), kRowUnanalysed, kTotalUnanalysed, 0};
  }
  // Tickets per miss value: the analysed ones among the tickets of each value.
  const auto countKeys = [this](const KeyBits& keys, std::array<std::uint16_t, kMissCounts>& counts) {
    unsigned key = 0;
    for (std::uint16_t& count : counts) {
      const std::uint64_t* tickets = keys.of(key++);
      unsigned n = 0;
      for (std::size_t w = 0; w < KeyBits::kWords; ++w)
        if (const std::uint64_t both = tickets[w] & m_analysedBits[w]) n += bitCount(both);
      count = static_cast<std::uint16_t>(n);
    }
  };
  countKeys(m_tally.rowKeys(), m_rowMissCount);
  countKeys(m_tally.totalKeys(), m_totalMissCount);
  finishCount();
}

void TicketAnalysis::countLiteral(const TicketBase& base, const BoughtTickets& bought) {
  m_rowMissCount.fill(0);
  m_totalMissCount.fill(0);
  m_analysed = 0;
  std::uint8_t bestRow = kRowUnanalysed, bestTotal = kTotalUnanalysed;
  for (std::size_t t = 1; t <= kTicketSentinel; ++t) {
    const auto ticket = static_cast<std::uint16_t>(t);
    m_rank[t] = TicketRank{ticket, kRowUnanalysed, kTotalUnanalysed, 0};
    if (!(bought.SoldSet(t) && bought.Bought(t))) continue;
    std::uint8_t total = 0, rowMin = kRowUnanalysed;
    for (unsigned row = 1; row <= kCardRows; ++row) {
      std::uint8_t miss = 0, missing = 0;
      for (unsigned pos = 1; pos <= kRowNumbers; ++pos) {
        const std::uint8_t v = base.TicketBase_Card(ticket, row, pos);
        if (v < 1 || v > 90 || !m_balls[v]) {
          ++miss;
          missing = v;
        }
      }
      if (miss == 1) m_rank[t].Awaited = missing;
      total = static_cast<std::uint8_t>(total + miss);
      rowMin = std::min(rowMin, miss);
    }
    m_rank[t].RowMiss = rowMin;
    m_rank[t].TotalMiss = total;
    bestRow = std::min(bestRow, rowMin);
    bestTotal = std::min(bestTotal, total);
    ++m_rowMissCount[rowMin];
    ++m_totalMissCount[total];
    ++m_analysed;
  }
  m_lineWaitMin = bestRow;
  m_bingoWaitMin = bestTotal;
}

void TicketAnalysis::TicketAnalysis_Rank(bool hint, bool BingoPhase, const TicketBase& base,
                                         const BoughtTickets& bought) {
  TicketAnalysis_Count(base, bought);
  m_sorter.sortCounted(std::span(m_rank).subspan(1), hint, BingoPhase, m_tally.rowKeys(), m_tally.totalKeys(),
                       m_analysedBits);
}

void TicketAnalysis::TicketAnalysis_Run(const TicketBase& base, const BoughtTickets& bought,
                                        const FrameFacts& facts) {
  setBalls(facts.Drawn);
  TicketAnalysis_Rank(facts.HintSwitch, facts.BingoPhase, base, bought);
  fillView(base, bought);
}

void TicketAnalysis::runLiteral(const TicketBase& base, const BoughtTickets& bought,
                                const FrameFacts& facts) {
  setBalls(facts.Drawn);
  countLiteral(base, bought);
  rankLiteral(std::span(m_rank).subspan(1), facts.HintSwitch, facts.BingoPhase);
  fillView(base, bought);
}

void TicketAnalysis::fillView(const TicketBase& base, const BoughtTickets& bought) {
  for (std::size_t n = 0; n < m_view.size(); ++n) {
    TicketDisplay& display = m_view[n];
    const std::uint16_t t = m_rank[n + 1].ticket;
    const bool shown = t >= 1 && t <= kTicketMax && bought.SoldSet(t) && bought.Bought(t);
    display.header = shown ? formatText("%4u", unsigned{t}) : " ";
    display.cells.fill(shown ? "*" : " ");
    display.Hit.fill(false);
    if (!shown) continue;
    for (unsigned row = 1; row <= kCardRows; ++row) {
      for (unsigned pos = 1; pos <= kRowNumbers; ++pos) {
        const std::uint8_t v = base.TicketBase_Card(t, row, pos);
        const auto column = gridColumn(v);
        if (!column) continue;  // a byte that is no ball has no place on the grid
        const std::size_t cell = (row - 1) * 9 + *column;
        display.cells[cell] = formatText("%2u", unsigned{v});
        display.Hit[cell] = m_balls[v];
      }
    }
  }
}

}  // namespace bingo
