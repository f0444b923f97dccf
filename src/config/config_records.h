#pragma once
// The record-structured configuration the start-up sequence loads: the
// serial-port record, the game configuration record, the protocol byte and the
// fund-definition tables. Loaded once per start, kept for the whole run.

#include <array>
#include <cstdint>
#include <string>

#include "platform/file_system.h"
#include "platform/housekeeping.h"
#include "platform/logs.h"

namespace bingo {

inline constexpr std::size_t kComConfigSize = 36;
inline constexpr std::size_t kGameConfigSize = 240;
inline constexpr std::uint8_t kDefaultProtocolByte = 8;
inline constexpr std::size_t kFundDefinitionCount = 14;

using ComConfigRecord = std::array<std::uint8_t, kComConfigSize>;
using GameConfigRecord = std::array<std::uint8_t, kGameConfigSize>;

// One line of the fund-definition file: code, short code, name, long name.
struct FundDefinition {
  std::int32_t code = 0;
  std::string shortCode;  // 2 characters
  std::string name;       // 5 characters
  std::string longName;   // up to 20 characters
  bool operator==(const FundDefinition&) const = default;
};
using FundDefinitions = std::array<FundDefinition, kFundDefinitionCount>;

struct ConfigRecords {
  ComConfigRecord ComConfig{};
  GameConfigRecord GameConfig{};
  std::uint8_t ProtocolByte = kDefaultProtocolByte;
  FundDefinitions FundDefs{};
};

// What the configuration readers need: the files, the logs and the file names
// settled by the housekeeping step.
struct ConfigIo {
  FileSystem& fs;
  Logs& logs;
  const FileNames& names;
};

}  // namespace bingo
