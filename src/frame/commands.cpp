#include "frame/commands.h"

#include "platform/folders.h"
#include "platform/sys_info_text.h"

namespace bingo {

void Commands::Commands_Check(const ConsoleConfig& config, FileSystem& fs, Shell& shell,
                              const SystemInfo& info) {
  WinVer5Up = WindowsMajorVersion(info.osVersion()) >= 5;
  if (fs.exists(config.FilesOff2)) shell.requestTermination();
  if (fs.exists(config.FilesOff1)) {
    shell.requestTermination();
    if (!WinVer5Up) shell.requestPowerOff(false);
    // A missing batch file fails silently: the program closes all the same.
    shell.startDetached(kShutDownBat, {});
  }
  if (fs.exists(config.FilesOff3)) {
    shell.requestTermination();
    if (!WinVer5Up) shell.requestPowerOff(true);
    shell.startDetached(kShutDownRBat, {});
  }
}

}  // namespace bingo
