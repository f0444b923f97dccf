#include "tickets/bought_tickets.h"

#include <algorithm>

#include "platform/text.h"

namespace bingo {

namespace {

bool inRange(std::optional<TicketRange> range, std::size_t t) {
  return range && range->first <= t && t <= range->last;
}

}  // namespace

BoughtTickets::BoughtTickets() : m_bought(kTicketTableSize, 0), m_sold(kTicketTableSize, 0) {}

void BoughtTickets::clear() {
  std::fill(m_bought.begin(), m_bought.end(), std::uint8_t{0});
  std::fill(m_sold.begin(), m_sold.end(), std::uint8_t{0});
  m_poc.fill(0);
  m_end.fill(0);
  m_beyond.reset();
  m_count = 0;
  m_slot = 0;
}

void BoughtTickets::TkKup_MarkRanges() {
  for (std::size_t i = 0; i < kSlots; ++i) {
    if (m_poc[i] == 0 || m_end[i] == 0 || m_poc[i] > m_end[i]) continue;
    const std::size_t last = std::min<std::size_t>(m_end[i], kTicketMax);
    for (std::size_t t = m_poc[i]; t <= last; ++t) m_bought[t] = 1;
  }
}

void BoughtTickets::TkKup_DropUnsold() {
  for (std::size_t t = 0; t < kTicketTableSize; ++t) m_bought[t] &= m_sold[t];
}

// A slot left without a last ticket loses its first one in TkKup_Count, which
// always follows.
void BoughtTickets::TkKup_Rebuild() {
  m_end.fill(0);
  m_beyond.reset();
  m_bought[0] = 0;
  m_bought[kTicketSentinel] = 0;
  std::size_t r = 0;
  for (std::size_t t = 1; t <= kTicketMax; ++t) {
    if (!m_bought[t]) continue;
    const auto ticket = static_cast<std::uint16_t>(t);
    if (r == kRuns) {
      // Slot 9 stays empty, so no later mark fills the gaps of this span.
      if (!m_beyond) m_beyond = TicketRange{ticket, ticket};
      m_beyond->last = ticket;
      continue;
    }
    if (!m_bought[t - 1]) m_poc[r] = ticket;
    if (!m_bought[t + 1]) m_end[r++] = ticket;
  }
}

void BoughtTickets::TkKup_Count() {
  for (std::size_t i = 0; i < kSlots; ++i)
    if (m_poc[i] == 0 || m_end[i] == 0) m_poc[i] = m_end[i] = 0;
  // The flags are what the win check reads, so they are what is counted and charged.
  std::size_t count = 0;
  for (std::size_t t = 1; t <= kTicketMax; ++t) count += m_bought[t];
  m_count = static_cast<std::uint16_t>(count);
}

void BoughtTickets::clearSold() { std::fill(m_sold.begin(), m_sold.end(), std::uint8_t{0}); }

void BoughtTickets::markSold(std::uint32_t first, std::uint32_t last) {
  if (first >= last) return;
  const std::size_t end = std::min<std::size_t>(last, kTicketSentinel);
  for (std::size_t t = first; t <= end; ++t) m_sold[t] = 1;
}

void BoughtTickets::refresh(bool dropUnsold) {
  if (dropUnsold) TkKup_DropUnsold();
  TkKup_Rebuild();
  TkKup_Count();
  if (dropUnsold) TkKup_DropUnsold();
}

std::size_t BoughtTickets::runsAfter(std::optional<TicketRange> extra, bool onlySold) const {
  std::size_t runs = 0;
  bool previous = false;
  for (std::size_t t = 1; t <= kTicketMax; ++t) {
    const bool bought = (m_bought[t] || inRange(extra, t)) && (!onlySold || m_sold[t]);
    if (bought && !previous) ++runs;
    previous = bought;
  }
  return runs;
}

BoughtTickets::Entry BoughtTickets::storeRange(std::int32_t first, std::int32_t last, bool dropUnsold) {
  // Numbers above the last ticket are refused like any other wrong entry,
  // never folded onto another ticket.
  if (first < 1 || first > last || last > kTicketMax) return Entry::Refused;
  const TicketRange range{static_cast<std::uint16_t>(first), static_cast<std::uint16_t>(last)};
  const std::size_t runs = runsAfter(range, dropUnsold);
  if (runs > kRuns && runs > runsAfter(std::nullopt, dropUnsold)) return Entry::TooManyRuns;
  m_poc[static_cast<std::size_t>(m_slot)] = range.first;
  m_end[static_cast<std::size_t>(m_slot)] = range.last;
  TkKup_MarkRanges();
  return Entry::Stored;
}

void BoughtTickets::deleteRange(TicketRange range) {
  const std::size_t last = std::min<std::size_t>(range.last, kTicketMax);
  for (std::size_t t = range.first; t <= last; ++t) m_bought[t] = m_sold[t] = 0;
}

BoughtTicketsView BoughtTickets::UpDateTIkup(double CENScaled) const {
  BoughtTicketsView view;
  for (std::size_t i = 0; i < kSlots; ++i) {
    view.Poc[i] = NumberOrBlank(m_poc[i]);
    view.End[i] = NumberOrBlank(m_end[i]);
  }
  if (m_beyond) {
    view.Poc[kRuns] = NumberOrBlank(m_beyond->first);
    view.End[kRuns] = NumberOrBlank(m_beyond->last);
  }
  view.Count = NumberOrBlank(m_count);
  view.Uplata = formatText("%3.0f", static_cast<double>(m_count) * CENScaled);
  return view;
}

}  // namespace bingo
