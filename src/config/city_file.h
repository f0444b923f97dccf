#pragma once
// "GradW.txt": the hall's city, at most 8 characters on the first line, kept
// in the game record as a length byte and 8 characters at offset 43.

#include <string>

#include "config/config_records.h"
#include "config/game_record.h"

namespace bingo {

inline constexpr const char* kDefaultCity = "NOVISAD";
inline constexpr std::size_t kCityMaxLength = 8;

// The start-up sub-step "uGrad_Find": true when the city was read from the
// file. Otherwise the default city is used and written as the whole file
// (without line end; a failed write is passed over). The name is kept in
// capitals (letters a..z only).
bool City_Find(const ConfigIo& io, GameRecord& record);

// The city name held in the record.
std::string City_Name(const GameRecord& record);

}  // namespace bingo
