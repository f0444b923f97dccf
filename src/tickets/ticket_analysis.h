#pragma once
// The console's own win check: every ticket that is bought here and sold by
// the server is counted against the drawn balls, the tickets are ranked best
// first, and the six best fill the ticket panel.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tickets/bought_tickets.h"
#include "tickets/card_tally.h"
#include "tickets/rank_sort.h"
#include "tickets/ticket_base.h"

namespace bingo {

// Drawn balls, index 1..90 (index 0 unused).
using BallFlags = std::array<bool, 91>;

// What the frame tells the ticket check at the moment of a call.
struct FrameFacts {
  BallFlags Drawn{};
  int LOP = 0;
  bool BingoPhase = false;  // the line is won, only the bingo remains
  bool HintSwitch = false;  // the near-win switch
};

// One of the six ticket displays: number field and 3 x 9 cells, row by row.
struct TicketDisplay {
  std::string header;
  std::array<std::string, 27> cells;
  std::array<bool, 27> Hit{};
};
using BestTicketsView = std::array<TicketDisplay, 6>;

class TicketAnalysis {
 public:
  static constexpr std::size_t kMissCounts = 17;

  TicketAnalysis();

  // Every record as a ticket that was not analysed, every count and figure 0,
  // the six displays blank.
  void clear();

  // The whole check: the drawn balls, the ranking and the six displays.
  void TicketAnalysis_Run(const TicketBase& base, const BoughtTickets& bought, const FrameFacts& facts);
  void TicketAnalysis_Rank(bool hint, bool BingoPhase, const TicketBase& base, const BoughtTickets& bought);
  // Rewrites RankTable in ticket order with the misses of the bought and sold tickets.
  void TicketAnalysis_Count(const TicketBase& base, const BoughtTickets& bought);

  // The check exactly as the system describes it, step by step: the reference
  // of the tests and the benchmark.
  void runLiteral(const TicketBase& base, const BoughtTickets& bought, const FrameFacts& facts);

  // Position 1..24193 of the ranking.
  const TicketRank& RankTable(std::size_t position) const { return m_rank.at(position); }
  std::uint16_t RowMissCount(std::size_t miss) const { return m_rowMissCount.at(miss); }
  std::uint16_t TotalMissCount(std::size_t miss) const { return m_totalMissCount.at(miss); }
  std::uint8_t LineWaitMin() const { return m_lineWaitMin; }
  std::uint8_t BingoWaitMin() const { return m_bingoWaitMin; }
  std::uint16_t LineWaitCount() const { return m_rowMissCount[m_lineWaitMin]; }
  std::uint16_t BingoWaitCount() const { return m_totalMissCount[m_bingoWaitMin]; }
  // Number of tickets the last count analysed.
  std::uint32_t analysedCount() const { return m_analysed; }
  const BestTicketsView& bestTickets() const { return m_view; }

 private:
  void setBalls(const BallFlags& drawn);
  void finishCount();
  void markAnalysed(const BoughtTickets& bought);
  void countLiteral(const TicketBase& base, const BoughtTickets& bought);
  void fillView(const TicketBase& base, const BoughtTickets& bought);

  std::vector<TicketRank> m_rank;  // RankTable[0..24193], position 0 unused
  BallFlags m_balls{};             // the ball table: Drawn at the start of the run
  CardTally m_tally;
  std::vector<std::uint64_t> m_analysedBits = std::vector<std::uint64_t>(KeyBits::kWords);  // bought and sold
  std::array<std::uint16_t, kMissCounts> m_rowMissCount{};
  std::array<std::uint16_t, kMissCounts> m_totalMissCount{};
  std::uint8_t m_lineWaitMin = 0;
  std::uint8_t m_bingoWaitMin = 0;
  std::uint32_t m_analysed = 0;
  BestTicketsView m_view;
  RankSorter m_sorter;
};

}  // namespace bingo
