#include "config/record_files.h"

#include <algorithm>

#include "config/game_config.h"

namespace bingo {
namespace {

// Reads exactly one record when the file holds exactly that many bytes.
template <std::size_t N>
bool readExactRecord(FileSystem& fs, const std::string& path, std::array<std::uint8_t, N>& record) {
  if (fs.fileSize(path) != std::optional<std::uint64_t>(N)) return false;
  const auto bytes = readFileBytes(fs, path, N);
  if (!bytes || bytes->size() != N) return false;
  std::copy(bytes->begin(), bytes->end(), record.begin());
  return true;
}

}  // namespace

void ComConfig_Ini(const ConfigIo& io, ConfigRecords& records) {
  io.logs.Trace_Begin("CfgCOM_Ini");
  const std::string& path = io.names.PathComConfig;
  ComConfigRecord copy{};
  if (readExactRecord(io.fs, path, copy)) {
    records.ComConfig = copy;
  } else {
    records.ComConfig[20] = 1;
    records.ComConfig[21] = 1;
    io.fs.writeFile(path, records.ComConfig);
  }
  io.logs.Trace_Write("Ucitan  je: CfgCOM_Ini");
}

void GameConfig_Ini(const ConfigIo& io, ConfigRecords& records) {
  io.logs.Trace_Begin("CFG_Ini");
  const std::string& path = io.names.PathGameConfig;
  GameConfigRecord copy{};
  if (readExactRecord(io.fs, path, copy) && GameConfig_Check(copy)) {
    records.GameConfig = copy;
  } else {
    records.GameConfig = GameConfig_Defaults();
    if (GameConfig_Check(records.GameConfig) && !io.fs.writeFile(path, records.GameConfig).ok())
      io.logs.Trace_Write("Neuspesno snimanje fajla : " + path);
  }
  io.logs.Trace_Write("Ucitan  je: CFG_Ini");
}

std::uint8_t Protocol_Main(const ConfigIo& io, ConfigRecords& records) {
  const std::string& path = io.names.PathProtocol;
  records.ProtocolByte = kDefaultProtocolByte;
  const auto bytes = readFileBytes(io.fs, path, 1);
  if (bytes && !bytes->empty()) {
    records.ProtocolByte = bytes->front();
    return records.ProtocolByte;
  }
  // An empty file counts as a failed read and is rewritten with the default.
  io.logs.Trace_Write("Protokol.cfg READ : " + path);
  const std::uint8_t byte[1] = {records.ProtocolByte};
  if (!io.fs.writeFile(path, byte).ok()) io.logs.Trace_Write("Protokol.cfg SAVE : " + path);
  return records.ProtocolByte;
}

}  // namespace bingo
