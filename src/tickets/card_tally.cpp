#include "tickets/card_tally.h"

namespace bingo {

void CardTally::rebuild(const TicketBase& base) {
  const auto cards = base.cards();
  // A table that is not there reads as zero cards.
  const bool present = cards.size() >= kTicketTableSize * kCardBytes;
  const std::size_t rows = kTicketTableSize * kCardRows;
  const auto number = [&](std::size_t row, std::size_t k) -> std::uint8_t {
    return present ? cards[row * kRowNumbers + k] : 0;
  };
  // Nothing drawn yet: every number of a row is missing.
  m_hits.assign(rows, 0);
  m_missingSums.assign(rows, 0);
  m_drawn.fill(false);
  std::array<std::uint32_t, 92> count{};
  for (std::size_t row = 0; row < rows; ++row) {
    for (std::size_t k = 0; k < kRowNumbers; ++k) {
      const std::uint8_t v = number(row, k);
      m_missingSums[row] = static_cast<std::uint16_t>(m_missingSums[row] + v);
      if (v >= 1 && v <= 90) ++count[v];
    }
  }
  // m_first[0] stays 0: no card holds a ball 0.
  for (std::size_t v = 0; v <= 90; ++v) m_first[v + 1] = m_first[v] + count[v];
  m_rows.resize(m_first[91]);
  std::array<std::uint32_t, 92> next = m_first;
  for (std::size_t row = 0; row < rows; ++row) {
    for (std::size_t k = 0; k < kRowNumbers; ++k) {
      const std::uint8_t v = number(row, k);
      if (v >= 1 && v <= 90) m_rows[next[v]++] = static_cast<std::uint32_t>(row);
    }
  }
  m_records.assign(kTicketTableSize, TicketRank{});
  m_rowKeys.clear();
  m_totalKeys.clear();
  for (std::size_t t = 0; t < kTicketTableSize; ++t) {
    // A placeholder record that recount() moves from: nothing drawn yet, so
    // every key changes and is set.
    m_records[t] = TicketRank{static_cast<std::uint16_t>(t), 0, 0, 0};
    recount(t);
  }
  m_base = &base;
  m_cardsVersion = base.version();
}

void CardTally::recount(std::size_t ticket) {
  unsigned rowMin = 5, total = 0, awaited = 0;
  for (std::size_t row = 3 * ticket; row < 3 * ticket + kCardRows; ++row) {
    const unsigned miss = kRowNumbers - m_hits[row];
    // A row that misses one number has that number as the sum of its missing
    // ones; a later row's number replaces an earlier one's.
    if (miss == 1) awaited = m_missingSums[row];
    total += miss;
    rowMin = std::min(rowMin, miss);
  }
  TicketRank& record = m_records[ticket];
  if (record.RowMiss != rowMin) {
    m_rowKeys.reset(ticket, record.RowMiss);
    m_rowKeys.set(ticket, rowMin);
  }
  if (record.TotalMiss != total) {
    m_totalKeys.reset(ticket, record.TotalMiss);
    m_totalKeys.set(ticket, total);
  }
  record.RowMiss = static_cast<std::uint8_t>(rowMin);
  record.TotalMiss = static_cast<std::uint8_t>(total);
  record.Awaited = static_cast<std::uint8_t>(awaited);
}

void CardTally::apply(std::size_t ball, bool drawn) {
  const auto v = static_cast<std::uint16_t>(ball);
  for (std::uint32_t i = m_first[ball]; i < m_first[ball + 1]; ++i) {
    const std::uint32_t row = m_rows[i];
    if (drawn) {
      ++m_hits[row];
      m_missingSums[row] = static_cast<std::uint16_t>(m_missingSums[row] - v);
    } else {
      --m_hits[row];
      m_missingSums[row] = static_cast<std::uint16_t>(m_missingSums[row] + v);
    }
    recount(row / kCardRows);
  }
  m_drawn[ball] = drawn;
}

void CardTally::update(const TicketBase& base, const std::array<bool, 91>& drawn) {
  if (m_base != &base || m_cardsVersion != base.version()) rebuild(base);
  for (std::size_t ball = 1; ball <= 90; ++ball)
    if (m_drawn[ball] != drawn[ball]) apply(ball, drawn[ball]);
}

}  // namespace bingo
