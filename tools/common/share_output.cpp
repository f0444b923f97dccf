#include "common/share_output.h"

#include <chrono>
#include <thread>

namespace bingo::tools {

void SleepingPacer::waitMs(std::int64_t ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

HostShare::HostShare(const std::string& server, PathMapper map, WriteMode mode, Pacer& pacer, int tornPauseMs)
    : m_folder("\\\\" + server + "\\net"),
      m_map(std::move(map)),
      m_mode(mode),
      m_pacer(pacer),
      m_tornPauseMs(tornPauseMs) {}

bool HostShare::prepare() { return m_files.makeFolders(m_map(m_folder)); }

bool HostShare::writeFrame(std::span<const std::uint8_t> record) {
  return m_files.write(m_mode, m_map(windowsPath(kFrameFileName)), record, kTornRange,
                       [this] { m_pacer.waitMs(m_tornPauseMs); });
}

bool HostShare::putFile(const std::string& name, std::span<const std::uint8_t> bytes) {
  return m_files.writeAtomic(m_map(windowsPath(name)), bytes);
}

bool HostShare::removeFile(const std::string& name) { return m_files.removeFile(m_map(windowsPath(name))); }

}  // namespace bingo::tools
