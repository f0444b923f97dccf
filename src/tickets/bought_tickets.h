#pragma once
// The tickets bought at this console: one flag per ticket (the truth), the
// sold flags of the last accepted frame, and the compact view of the bought
// flags as at most nine ranges with their count. Runs beyond the ninth stay
// bought, checked, counted and charged; the tenth line shows their span.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "tickets/ticket_base.h"

namespace bingo {

// A range of ticket numbers, both ends included.
struct TicketRange {
  std::uint16_t first = 0;
  std::uint16_t last = 0;
  bool operator==(const TicketRange&) const = default;
};

// The texts of the bought-ticket panel.
struct BoughtTicketsView {
  // LabelTkKupPoc1..10 and LabelTkKupEnd1..10: the nine runs, then the first
  // and the last bought ticket beyond the ninth run.
  std::array<std::string, 10> Poc;
  std::array<std::string, 10> End;
  std::string Count;   // LabelTkKupCount
  std::string Uplata;  // LabelTkKupUplata
};

class BoughtTickets {
 public:
  static constexpr std::size_t kSlots = 10;
  // A rebuild lists at most nine runs; slot 9 is shown but never filled.
  static constexpr std::size_t kRuns = 9;

  BoughtTickets();

  // No bought and no sold tickets, all ranges and the tenth line empty, slot 0.
  // LastKolo is kept.
  void clear();

  // Table operations.
  void TkKup_MarkRanges();
  void TkKup_DropUnsold();
  // Lists the first nine runs of bought tickets in the slots and keeps the
  // span of any later runs for the tenth line. No bought ticket is dropped: a
  // ticket bought here and sold stays checked, counted and charged.
  void TkKup_Rebuild();
  // BoughtCount: every bought ticket, listed or beyond the ninth run.
  void TkKup_Count();
  // The sold ranges of a newly accepted frame (rows whose first ticket is below
  // their last; any record with `first` and `last`): SoldSet is cleared,
  // exactly these tickets are set, and the bought tickets are counted again.
  template <typename Range>
  void SoldSet_Rebuild(std::span<const Range> soldRanges) {
    clearSold();
    for (const Range& range : soldRanges) markSold(range.first, range.last);
    TkKup_Count();
  }
  void SoldSet_Rebuild(std::span<const TicketRange> soldRanges) { SoldSet_Rebuild<TicketRange>(soldRanges); }

  // Drop the unsold tickets (when asked), rebuild the ranges, count them and
  // drop the unsold once more, as after every change.
  void refresh(bool dropUnsold);
  // The tick's upkeep: from the second drawn ball on, unsold tickets are dropped.
  void TkKup_Upkeep(int LOP) { refresh(LOP >= 2); }

  // Stores an entered range in the current slot and marks it. Nothing is stored
  // when the range is empty, reversed or outside 1..24192 (Refused), or when it
  // would add a tenth run once unsold tickets are dropped (TooManyRuns).
  enum class Entry { Stored, Refused, TooManyRuns };
  Entry storeRange(std::int32_t first, std::int32_t last, bool dropUnsold);
  // Forgets the bought and sold flags of first..last (the sold flags come back
  // with the next accepted frame), however many runs that leaves.
  void deleteRange(TicketRange range);
  void advanceSlot() { m_slot = (m_slot + 1) % static_cast<int>(kRuns); }

  // Number of separate runs the bought tickets would form with `extra` added
  // (when given) and, with onlySold, the unsold ones dropped.
  std::size_t runsAfter(std::optional<TicketRange> extra, bool onlySold) const;

  BoughtTicketsView UpDateTIkup(double CENScaled) const;

  void clearSold();
  // Sets the sold flags of first..last (ends above 24193 count as 24193);
  // nothing unless first is below last.
  void markSold(std::uint32_t first, std::uint32_t last);

  bool Bought(std::size_t t) const { return t < kTicketTableSize && m_bought[t]; }
  bool SoldSet(std::size_t t) const { return t < kTicketTableSize && m_sold[t]; }
  std::span<const std::uint8_t> boughtFlags() const { return m_bought; }
  std::span<const std::uint8_t> soldFlags() const { return m_sold; }
  std::uint16_t TkKupPoc(std::size_t i) const { return m_poc.at(i); }
  std::uint16_t TkKupEnd(std::size_t i) const { return m_end.at(i); }
  std::uint16_t BoughtCount() const { return m_count; }
  // First and last bought ticket beyond the ninth run, when there are any.
  std::optional<TicketRange> beyondNinthRun() const { return m_beyond; }
  int TkKupSlot() const { return m_slot; }
  std::int32_t LastKolo() const { return m_lastKolo; }
  void setLastKolo(std::int32_t kolo) { m_lastKolo = kolo; }

 private:
  std::vector<std::uint8_t> m_bought;  // Bought[0..24193], 0 or 1
  std::vector<std::uint8_t> m_sold;    // SoldSet[0..24193], 0 or 1
  std::array<std::uint16_t, kSlots> m_poc{};
  std::array<std::uint16_t, kSlots> m_end{};
  std::optional<TicketRange> m_beyond;
  std::uint16_t m_count = 0;
  int m_slot = 0;
  std::int32_t m_lastKolo = 0;
};

}  // namespace bingo
