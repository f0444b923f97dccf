#include "tickets/ticket_analysis.h"

#include <algorithm>

#include "platform/text.h"

namespace bingo {

namespace {

constexpr std::uint8_t kRowUnanalysed = 10;
constexpr std::uint8_t kTotalUnanalysed = 16;
constexpr std::array<std::uint8_t, kCardBytes> kBlankCard{};

// Grid column 0..8 of a ball number on a ticket display: 1..9 in the first,
// 80..90 in the last; nothing for a byte that is no ball.
std::optional<std::size_t> gridColumn(std::uint8_t v) {
  if (v < 1 || v > 90) return std::nullopt;
  return v == 90 ? 8 : v / 10;
}

}  // namespace

TicketAnalysis::TicketAnalysis() : m_rank(kTicketTableSize) { clear(); }

void TicketAnalysis::clear() {
  std::fill(m_rank.begin(), m_rank.end(), TicketRank{});
  m_rowMissCount.fill(0);
  m_totalMissCount.fill(0);
  m_lineWaitMin = 0;
  m_bingoWaitMin = 0;
  m_analysed = 0;
  for (TicketDisplay& display : m_view) {
    display.header = " ";
    display.cells.fill(" ");
    display.Hit.fill(false);
  }
}

void TicketAnalysis::setBalls(const BallFlags& drawn) {
  m_balls = drawn;
  m_balls[0] = false;
  m_ballHit.fill(0);
  for (std::size_t v = 1; v <= 90; ++v) m_ballHit[v] = m_balls[v] ? 1 : 0;
}

void TicketAnalysis::finishCount(std::uint8_t bestRow, std::uint8_t bestTotal) {
  m_lineWaitMin = bestRow;
  m_bingoWaitMin = bestTotal;
}

void TicketAnalysis::TicketAnalysis_Count(const TicketBase& base, const BoughtTickets& bought) {
  m_rowMissCount.fill(0);
  m_totalMissCount.fill(0);
  m_analysed = 0;
  std::uint8_t bestRow = kRowUnanalysed, bestTotal = kTotalUnanalysed;
  const auto cards = base.cards();
  const std::uint8_t* boughtFlags = bought.boughtFlags().data();
  const std::uint8_t* soldFlags = bought.soldFlags().data();
  const std::uint8_t* hit = m_ballHit.data();
  for (std::size_t t = 1; t <= kTicketSentinel; ++t) {
    TicketRank& record = m_rank[t];
    record = TicketRank{static_cast<std::uint16_t>(t), kRowUnanalysed, kTotalUnanalysed, 0};
    if (!(boughtFlags[t] & soldFlags[t])) continue;
    // Every card byte is looked up in a 256-entry table, so a byte that is no
    // ball (0, or above 90) simply counts as not drawn.
    const std::uint8_t* c =
        cards.size() >= (t + 1) * kCardBytes ? cards.data() + t * kCardBytes : kBlankCard.data();
    std::uint8_t rowMin = kRowUnanalysed, total = 0;
    for (std::size_t row = 0; row < kCardRows; ++row) {
      const std::uint8_t* r = c + row * kRowNumbers;
      const auto miss =
          static_cast<std::uint8_t>(5 - (hit[r[0]] + hit[r[1]] + hit[r[2]] + hit[r[3]] + hit[r[4]]));
      if (miss == 1)
        for (std::size_t k = 0; k < kRowNumbers; ++k)
          if (!hit[r[k]]) record.Awaited = r[k];
      total = static_cast<std::uint8_t>(total + miss);
      rowMin = std::min(rowMin, miss);
    }
    record.RowMiss = rowMin;
    record.TotalMiss = total;
    bestRow = std::min(bestRow, rowMin);
    bestTotal = std::min(bestTotal, total);
    ++m_rowMissCount[rowMin];
    ++m_totalMissCount[total];
    ++m_analysed;
  }
  finishCount(bestRow, bestTotal);
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
  finishCount(bestRow, bestTotal);
}

void TicketAnalysis::TicketAnalysis_Rank(bool hint, bool BingoPhase, const TicketBase& base,
                                         const BoughtTickets& bought) {
  TicketAnalysis_Count(base, bought);
  m_sorter.sort(std::span(m_rank).subspan(1), hint, BingoPhase);
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
