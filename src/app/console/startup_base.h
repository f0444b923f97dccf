#pragma once
// The start-up ticket-base check and the start-up sold marks: a second card
// table loaded once at start, whose result is kept in the game configuration
// record, and the sold flags rebuilt from the six sold ranges of the game record.
// The ticket check of the frame loop uses neither.

#include <cstdint>
#include <vector>

#include "config/config_records.h"
#include "config/game_record.h"

namespace bingo {

inline constexpr std::size_t kBazaTikCards = 24193;  // tickets 1..24193
inline constexpr std::size_t kBazaTikCardSize = 15;
inline constexpr std::size_t kBazaTikFlags = 24194;  // entries 0..24193

struct StartupTicketBase {
  // Card of ticket n (1..24193) at (n - 1) x 15.
  std::vector<std::uint8_t> BazaTikTable;
  // Sold flag of ticket n at n; 0 and 24193 are sentinels.
  std::vector<std::uint8_t> BazaTikSold;

  // The work areas of "uPoint_Ini", cleared.
  void allocate() {
    BazaTikTable.assign(kBazaTikCards * kBazaTikCardSize, 0);
    BazaTikSold.assign(kBazaTikFlags, 0);
  }
};

// Loads the card file of game type t (a type above 3 counts as 0) into the
// table, writes its own trace lines and stores the result in GameConfig byte
// 16 + t. True when exactly the expected number of cards (GameConfig u16 at
// 22 + 2t) was read without an I/O error.
bool BazaTik_Check(const ConfigIo& io, ConfigRecords& records, StartupTicketBase& base,
                   std::uint8_t gameType);

// The start-up sold marks ("uIntervl_UpDate"): the sold flags, the counts of
// the six sold ranges, up to seven merged runs and the two totals, all from
// and into the game record.
void rebuildStartupSoldMarks(StartupTicketBase& base, GameRecord& record, const GameConfigRecord& gameConfig);

}  // namespace bingo
