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

// A script that notes its argument count and first argument in "ran" beside itself.
constexpr const char* kNoting =
    "#!/bin/sh\necho \"$# $1\" > \"$(dirname \"$0\")/ran.tmp\" && mv \"$(dirname \"$0\")/ran.tmp\" "
    "\"$(dirname \"$0\")/ran\"\n";

std::string waitForFile(const test::TempFolder& root, const std::string& relative) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!std::filesystem::exists(root / relative) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return root.read(relative);
}

// The whole road of a shutdown command on this host: the server's Off1.txt in
// the mounted share, the installation's script started detached.
TEST(CommandsOnLinux, ShutdownCommandStartsTheInstalledScript) {
  test::TempFolder root;
  const HostRoots roots{root.path(), root / "unc"};
  root.file("unc/SRV/net/Off1.txt");
  root.file("unc/SRV/net/Off3.txt");
  root.file("c/Orma/Bingo/Arh/Bat/ShutDown.bat", kNoting);
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
  EXPECT_EQ(waitForFile(root, "c/Orma/Bingo/Arh/Bat/ran"), "0 \n") << "started without arguments";
  EXPECT_TRUE(std::filesystem::exists(root / "unc/SRV/net/Off1.txt")) << "the server removes its commands";
}

// A started program is reported only once its exec succeeded.
TEST(CommandsOnLinux, ShellReportsWhatCouldNotStart) {
  test::TempFolder root;
  root.file("c/Bat/run.sh", kNoting);
  ::chmod((root / "c/Bat/run.sh").c_str(), 0755);
  root.file("c/Bat/plain.sh", kNoting);
  LinuxShell shell(HostPaths(HostRoots{root.path(), root / "unc"}));
  EXPECT_FALSE(shell.startDetached("C:\\Bat\\missing.sh", {}));
  EXPECT_FALSE(shell.startDetached("C:\\Bat\\plain.sh", {}));
  EXPECT_FALSE(shell.startDetached(std::string("C:\\Bat\\run.sh\0x", 15), {}));
  EXPECT_TRUE(shell.startDetached("C:\\Bat\\run.sh", {"two words", "b"}));
  EXPECT_EQ(waitForFile(root, "c/Bat/ran"), "2 two words\n");
  EXPECT_FALSE(shell.requestPowerOff(false));
  EXPECT_FALSE(shell.requestPowerOff(true));
  EXPECT_FALSE(shell.terminationRequested());
}

}  // namespace
}  // namespace bingo
