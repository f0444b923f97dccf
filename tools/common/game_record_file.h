#pragma once
// The server's game-record file of one round: one 81256-byte record named
// six characters, the city letter, anything, ".DG". Consoles take the newest
// one (by name) early in each game, so names must grow with time.

#include <string>

#include "common/hall_game.h"
#include "config/game_record.h"
#include "platform/clock.h"

namespace bingo::tools {

// YYMMDD, the city letter, HHMMSS and the round number in three digits:
// "261206N093015007.DG". Date and time first, so a later round sorts later.
std::string gameRecordName(const LocalTime& at, char cityLetter, std::uint8_t kolo);

// The record of the round just opened: game type, city, sellers and sold ranges.
GameRecord makeGameRecord(const FrameState& round, char cityLetter);

}  // namespace bingo::tools
