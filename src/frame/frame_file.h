#pragma once
// Reading the frame file from the server's share, once per tick whose ping
// succeeded, with the counters and log lines by which a technician tells a
// missing share from a locked or short file. The next tick is the retry.

#include <cstdint>
#include <string>

#include "config/console_config.h"
#include "frame/frame_layout.h"
#include "platform/file_system.h"
#include "platform/logs.h"

namespace bingo {

class FrameFile {
 public:
  FrameFile(FileSystem& fs, Logs& logs) : m_fs(fs), m_logs(logs) {}

  // One read attempt of the first record of FilesFrame. On success the record
  // is copied into readCopy; on failure readCopy is untouched, the failure is
  // counted and one line goes to the error log.
  bool Frame_Read(const std::string& FilesFrame, FrameBytes& readCopy);

  // The last read attempt succeeded; true until the first failure.
  bool FrameReadOk = true;
  std::int32_t FrameFailCount = 0;
  std::int32_t FrameMissingCount = 0;
  std::int32_t FrameOpenErrCount = 0;
  std::int32_t FrameReadErrCount = 0;
  std::int32_t FrameCloseErrCount = 0;

 private:
  FileSystem& m_fs;
  Logs& m_logs;
  FrameBytes m_readBuffer{};
};

inline constexpr const char* kNetIdentityFile = "net.ini";

// Settles, once at start, where the frame and command files are: the server
// named on the first line of "net.ini" wins, else NetPC from the INI file
// stays, else the default server; FoldersNet and the six Files paths are then
// derived from NetPC, whatever the INI file said. Returns FilesFrame.
std::string FramePaths_Settle(ConsoleConfig& config, FileSystem& fs);

}  // namespace bingo
