#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "frame/commands.h"
#include "platform/linux_file_system.h"
#include "platform/linux_shell.h"
#include "support/fakes.h"
#include "unit/platform/temp_folder.h"

namespace bingo {
namespace {

// The whole road of a shutdown command on this host: the server's Off1.txt in
// the mounted share, the installation's script started detached.
TEST(CommandsOnLinux, ShutdownCommandStartsTheInstalledScript) {
  test::TempFolder root;
  const HostRoots roots{root.path(), root / "unc"};
  root.file("unc/SRV/net/Off1.txt");
  root.file("unc/SRV/net/Off3.txt");
  root.file("c/Orma/Bingo/Arh/Bat/ShutDown.bat",
            "#!/bin/sh\necho \"$#\" > \"$(dirname \"$0\")/ran.tmp\" && mv \"$(dirname \"$0\")/ran.tmp\" "
            "\"$(dirname \"$0\")/ran\"\n");
  ::chmod((root / "c/Orma/Bingo/Arh/Bat/ShutDown.bat").c_str(), 0755);
  root.file("c/Orma/Bingo/Arh/Bat/ShutDownR.bat", "#!/bin/sh\n");  // not executable: fails silently

  LinuxFileSystem fs{HostPaths(roots)};
  int quitRequests = 0;
  LinuxShell shell(HostPaths(roots), [&] { ++quitRequests; });
  test::FakeSystemInfo info;  // major version 6: the scripts alone switch the PC off
  ConsoleConfig config;
  config.FilesOff1 = "\\\\SRV\\net\\Off1.txt";
  config.FilesOff2 = "\\\\SRV\\net\\Off2.txt";
  config.FilesOff3 = "\\\\SRV\\net\\Off3.txt";

  Commands commands;
  commands.Commands_Check(config, fs, shell, info);
  EXPECT_EQ(quitRequests, 2);
  EXPECT_TRUE(shell.terminationRequested());
  EXPECT_TRUE(commands.WinVer5Up);

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!std::filesystem::exists(root / "c/Orma/Bingo/Arh/Bat/ran") &&
         std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(root.read("c/Orma/Bingo/Arh/Bat/ran"), "0\n") << "started without arguments";
  EXPECT_TRUE(std::filesystem::exists(root / "unc/SRV/net/Off1.txt")) << "the server removes its commands";
}

TEST(CommandsOnLinux, ShellReportsWhatCouldNotStart) {
  test::TempFolder root;
  LinuxShell shell(HostPaths(HostRoots{root.path(), root / "unc"}));
  EXPECT_FALSE(shell.startDetached("C:\\Orma\\Bingo\\Arh\\Bat\\ShutDown.bat", {}));
  EXPECT_FALSE(shell.requestPowerOff(false));
  EXPECT_FALSE(shell.requestPowerOff(true));
  EXPECT_FALSE(shell.terminationRequested());
}

}  // namespace
}  // namespace bingo
