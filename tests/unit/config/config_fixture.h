#pragma once
// A configuration folder on a fake disk, with the logs writing into it and
// the installation's own file names.

#include <string>
#include <vector>

#include "config/config_records.h"
#include "platform/folders.h"
#include "platform/housekeeping.h"
#include "platform/logs.h"
#include "support/fake_file_system.h"
#include "support/fakes.h"

namespace bingo::test {

inline constexpr const char* kTracePath = "C:\\Orma\\Bingo\\Arh\\Log\\261206.Txt";  // FakeClock's day
inline constexpr const char* kReportPath = "C:\\Orma\\Bingo\\Arh\\Log\\LogApp.txt";

// The CR LF lines of a text.
inline std::vector<std::string> crLfLines(const std::string& text) {
  std::vector<std::string> out;
  for (std::size_t at = 0; at < text.size();) {
    const auto end = text.find("\r\n", at);
    out.push_back(text.substr(at, end - at));
    if (end == std::string::npos) break;
    at = end + 2;
  }
  return out;
}

struct ConfigFixture {
  ConfigFixture() {
    fs.addFolder(kFolderLog);
    fs.addFolder(kFolderConfig);
    Housekeeping housekeeping(fs, logs);
    housekeeping.AppHalt_FileAndFold_Names_Make_Default();
    names = housekeeping.names();
  }
  FakeFileSystem fs;
  FakeClock clock;
  Logs logs{fs, clock, "C:\\Orma\\Bingo\\ClientBingo.exe"};
  FileNames names;
  ConfigIo io{fs, logs, names};
  // The trace log's messages, without their time stamps ("HH:MM:SS> ").
  std::vector<std::string> trace() const {
    auto lines = crLfLines(fs.text(kTracePath));
    for (auto& line : lines) line.erase(0, 10);
    return lines;
  }
};

}  // namespace bingo::test
