#include "common/sold_ticket_check.h"

#include <algorithm>
#include <tuple>

namespace bingo::tools {

SoldTicketCheck::SoldTicketCheck(std::span<const Card> cards)
    : m_cards(cards), m_sold(cards.size() + 1), m_missing(cards.size() + 1) {
  for (std::size_t i = 0; i < cards.size(); ++i)
    for (std::size_t pos = 0; pos < kCardBytes; ++pos) {
      const std::uint8_t ball = cards[i][pos];
      // A card with a number outside 1..90 can never complete that row.
      if (ball >= 1 && ball <= kBalls)
        m_places[ball].push_back(static_cast<std::uint32_t>((i + 1) * 4 + pos / kNumbersPerRow));
    }
}

void SoldTicketCheck::startRound(std::span<const FrameState::SoldRange> sold) {
  std::fill(m_sold.begin(), m_sold.end(), false);
  m_soldList.clear();
  for (const auto& range : sold) {
    if (range.first >= range.last) continue;
    for (std::uint32_t t = std::max<std::uint32_t>(range.first, 1); t <= range.last && t < m_sold.size();
         ++t) {
      if (m_sold[t]) continue;
      m_sold[t] = true;
      m_soldList.push_back(t);
    }
  }
  std::sort(m_soldList.begin(), m_soldList.end());
  for (auto& missing : m_missing) {
    missing.row.fill(kNumbersPerRow);
    missing.total = kRows * kNumbersPerRow;
  }
}

void SoldTicketCheck::ballDrawn(int ball) {
  if (ball < 1 || ball > kBalls) return;
  for (std::uint32_t place : m_places[static_cast<std::size_t>(ball)]) {
    const std::uint32_t ticket = place / 4;
    if (!m_sold[ticket]) continue;
    Missing& missing = m_missing[ticket];
    // A number twice on one card (a damaged card file) must not count below zero.
    if (missing.row[place % 4] > 0) --missing.row[place % 4];
    if (missing.total > 0) --missing.total;
  }
}

std::vector<std::uint32_t> SoldTicketCheck::lineWinners() const {
  std::vector<std::uint32_t> winners;
  for (std::uint32_t t : m_soldList)
    if (m_missing[t].bestRow() == 0) winners.push_back(t);
  return winners;
}

std::vector<std::uint32_t> SoldTicketCheck::bingoWinners() const {
  std::vector<std::uint32_t> winners;
  for (std::uint32_t t : m_soldList)
    if (m_missing[t].total == 0) winners.push_back(t);
  return winners;
}

std::vector<SoldTicketCheck::Ranked> SoldTicketCheck::nearestLine(std::size_t count) const {
  std::vector<std::uint32_t> order(m_soldList);
  const auto key = [&](std::uint32_t t) {
    return std::make_tuple(m_missing[t].bestRow(), m_missing[t].total, t);
  };
  count = std::min(count, order.size());
  std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(count), order.end(),
                    [&](std::uint32_t a, std::uint32_t b) { return key(a) < key(b); });
  std::vector<Ranked> ranked;
  for (std::size_t i = 0; i < count; ++i) ranked.push_back({order[i], m_missing[order[i]].bestRow()});
  return ranked;
}

std::vector<SoldTicketCheck::Ranked> SoldTicketCheck::nearestBingo(std::size_t count,
                                                                   std::span<const Ranked> skip) const {
  std::vector<std::uint32_t> order;
  order.reserve(m_soldList.size());
  for (std::uint32_t t : m_soldList)
    if (std::none_of(skip.begin(), skip.end(), [t](const Ranked& r) { return r.ticket == t; }))
      order.push_back(t);
  const auto key = [&](std::uint32_t t) { return std::make_pair(m_missing[t].total, t); };
  count = std::min(count, order.size());
  std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(count), order.end(),
                    [&](std::uint32_t a, std::uint32_t b) { return key(a) < key(b); });
  std::vector<Ranked> ranked;
  for (std::size_t i = 0; i < count; ++i) ranked.push_back({order[i], m_missing[order[i]].total});
  return ranked;
}

}  // namespace bingo::tools
