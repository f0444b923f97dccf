#pragma once
// The server's command files in its share folder: their mere presence is the
// command. Off2.txt closes the console program, Off1.txt also shuts the PC
// down, Off3.txt also restarts it. The console never deletes them; the server
// removes them, so a console started while one is still there obeys it again.

#include "config/console_config.h"
#include "platform/file_system.h"
#include "platform/shell.h"
#include "platform/system_info.h"

namespace bingo {

class Commands {
 public:
  // Looks for the three command files in the order Off2, Off1, Off3, each test
  // independent of the others. Termination is only requested: the rest of the
  // check and of the tick still run. Below major version 5 the platform's own
  // shutdown or reboot is asked for before the batch file is started.
  void Commands_Check(const ConsoleConfig& config, FileSystem& fs, Shell& shell, const SystemInfo& info);

  // Whether the platform's major version was 5 or more at the last check;
  // false until the first check.
  bool WinVer5Up = false;
};

}  // namespace bingo
