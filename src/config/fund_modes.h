#pragma once
// "RezDefW.txt": the start mode of every fund, one line of 27 right-aligned
// numbers per fund, kept in the fund rows of the game record.

#include <string>

#include "config/config_records.h"
#include "config/game_record.h"

namespace bingo {

inline constexpr const char* kFundModesFileName = "RezDefW.txt";
inline constexpr std::size_t kFundCount = 15;         // funds in the game record
inline constexpr std::size_t kFundModesWritten = 14;  // lines of a written file

// The start-up sub-step "uRezDef_Read": clears the fund area of the record,
// then loads the file, or fills the defaults when it cannot be opened, and
// writes them when the file does not exist. An unreadable number, a file that
// exists but would not open, or a failed read or write goes to Report_Error;
// the values already in memory stay.
void FundModes_Read(const ConfigIo& io, GameRecord& record);

// The built-in start modes of all 15 funds, into a record whose fund rows
// (bytes 21440..26239) are zero, as the read leaves them.
void FundModes_Defaults(GameRecord& record);
// The line of fund i, without line end.
std::string FundModes_Line(const GameRecord& record, std::size_t fund);

}  // namespace bingo
