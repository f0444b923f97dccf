#pragma once
// BINGO_SCREEN_DUMP: after every tick that changed the screen model the whole
// model is written as JSON to that host file, through a temporary name and a
// rename, so a reader never sees half a dump.

#include <cstdint>
#include <string>

namespace bingo {

class ScreenModel;

class ScreenDumpFile {
 public:
  // Takes the path from BINGO_SCREEN_DUMP; without it nothing is ever written.
  static ScreenDumpFile fromEnvironment();
  explicit ScreenDumpFile(std::string path) : m_path(std::move(path)) {}

  // Writes the model when it changed since the last write.
  void update(const ScreenModel& model, std::int32_t TimerCount);

 private:
  std::string m_path;
  std::uint64_t m_writtenRevision = 0;
};

}  // namespace bingo
