#pragma once
// A configuration folder on a fake disk, with the logs writing into it and
// the installation's own file names.

#include <sstream>
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
  // The trace log's messages, without their time stamps ("HH:MM:SS> ") and CR LF ends.
  std::vector<std::string> trace() const {
    std::vector<std::string> lines;
    std::istringstream in(fs.text(kTracePath));
    for (std::string line; std::getline(in, line, '\n');) lines.push_back(line.substr(10, line.size() - 11));
    return lines;
  }
};

}  // namespace bingo::test
