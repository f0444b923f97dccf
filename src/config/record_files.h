#pragma once
// Load-or-create of the three record files of the configuration folder:
// "COMw.cfg" (36 bytes), "CfgC2.cfg" (240 bytes) and "ProtklW.cfg" (1 byte).
// A missing or malformed file is replaced by the defaults, written at once.

#include <cstdint>

#include "config/config_records.h"

namespace bingo {

// Serial-port record; traced as "CfgCOM_Ini". A failed write is passed over.
void ComConfig_Ini(const ConfigIo& io, ConfigRecords& records);
// Game configuration record; traced as "CFG_Ini". A valid file is loaded with
// the check rules applied in memory only, never written back.
void GameConfig_Ini(const ConfigIo& io, ConfigRecords& records);
// Protocol byte (default 8); returns it.
std::uint8_t Protocol_Main(const ConfigIo& io, ConfigRecords& records);

}  // namespace bingo
