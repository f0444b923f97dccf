#pragma once
// The fund-definition tables: a built-in table of two rows, chosen by byte 8
// of the game configuration record, and the file "cVIw.txt" of the
// configuration folder that replaces it. The console keeps them for the other
// programs' sake and reads nothing of them itself.

#include <cstdint>
#include <optional>
#include <string_view>

#include "config/config_records.h"

namespace bingo {

inline constexpr const char* kFundDefsFileName = "cVIw.txt";

// The start-up sub-step "uVI_Default": the built-in row (0 or 1; a higher row counts modulo 2).
void FundDefs_Default(FundDefinitions& defs, std::uint8_t row);

// The file part of "uVI_Read": reads the 14 lines of the file. True when every
// read and the close worked; otherwise the tables keep their values and the
// failure goes to Report_Error.
bool FundDefs_Read(const ConfigIo& io, ConfigRecords& records);

// One line: 2 skipped characters, the code, a separator, 2 characters of short
// code, a separator, 5 characters of name, a separator and up to 20
// characters of long name; the rest is passed over. Nothing when the code is
// no number.
std::optional<FundDefinition> FundDefs_ParseLine(std::string_view line);

}  // namespace bingo
