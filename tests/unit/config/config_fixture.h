#pragma once
// A configuration folder on a fake disk, with the logs writing into it.

#include <string>
#include <vector>

#include "config/config_records.h"
#include "platform/folders.h"
#include "platform/logs.h"
#include "support/fake_file_system.h"
#include "support/fakes.h"

namespace bingo::test {

inline constexpr const char* kProgramPath = "C:\\Orma\\Bingo\\ClientBingo.exe";
inline constexpr const char* kTracePath = "C:\\Orma\\Bingo\\Arh\\Log\\261206.Txt";  // FakeClock's day
inline constexpr const char* kReportPath = "C:\\Orma\\Bingo\\Arh\\Log\\LogApp.txt";

inline FileNames configFileNames() {
  const std::string cfg = std::string(kFolderConfig) + "\\";
  FileNames n;
  n.PathTicketBase = {cfg + "A1944.3x5", cfg + "A5952.3x5", cfg + "A2000.3x5", cfg + "A6000.3x5"};
  n.PathGameConfig = cfg + "CfgC2.cfg";
  n.PathComConfig = cfg + "COMw.cfg";
  n.PathProtocol = cfg + "ProtklW.cfg";
  n.PathCity = cfg + "GradW.txt";
  n.PathFundModes = cfg + "RezDefW.txt";
  n.PathFundDefs = cfg + "cVIw.txt";
  return n;
}

// The CR LF lines of a text, each without its first `skip` characters.
inline std::vector<std::string> crLfLines(const std::string& text, std::size_t skip = 0) {
  std::vector<std::string> out;
  for (std::size_t at = 0; at < text.size();) {
    const auto end = text.find("\r\n", at);
    const std::string line = text.substr(at, end - at);
    out.push_back(line.size() >= skip ? line.substr(skip) : line);
    if (end == std::string::npos) break;
    at = end + 2;
  }
  return out;
}

// The trace log's messages, without their time stamps ("HH:MM:SS> ").
inline std::vector<std::string> traceMessages(const FakeFileSystem& fs) {
  return crLfLines(fs.text(kTracePath), 10);
}

struct ConfigFixture {
  ConfigFixture() {
    fs.addFolder(kFolderLog);
    fs.addFolder(kFolderConfig);
  }
  FakeFileSystem fs;
  FakeClock clock;
  Logs logs{fs, clock, kProgramPath};
  FileNames names = configFileNames();
  ConfigIo io{fs, logs, names};
  std::vector<std::string> trace() const { return traceMessages(fs); }
};

}  // namespace bingo::test
