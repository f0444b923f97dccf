#pragma once
// The 240-byte game configuration record of "CfgC2.cfg": its defaults and the
// check rules that every program of the installation applies to it.

#include <cstdint>

#include "config/config_records.h"

namespace bingo {

// Offsets the console reads or writes.
inline constexpr std::size_t kGameConfigFundRow = 8;       // row of the built-in fund definitions
inline constexpr std::size_t kGameConfigBaseResult = 16;   // + game type: last ticket-base check
inline constexpr std::size_t kGameConfigTicketCount = 22;  // + 2 x game type: u16 number of tickets

// The defaults of the record, the check rules not yet applied.
GameConfigRecord GameConfig_Defaults();

// Applies the check rules in place; true when the ticket counts of game types
// 0 and 1 both lie within 10..10000.
bool GameConfig_Check(GameConfigRecord& record);

// Number of tickets of game type 0..3 (a type above 3 counts as 0).
std::uint16_t GameConfig_TicketCount(const GameConfigRecord& record, std::uint8_t gameType);

}  // namespace bingo
