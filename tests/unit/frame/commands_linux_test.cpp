#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
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
// the mounted share, the installation's script started detached. A started
// program is reported only once its exec succeeded.
TEST(CommandsOnLinux, ShutdownCommandStartsTheInstalledScript) {
  test::TempFolder root;
  const HostRoots roots{root.path(), root / "unc"};
  root.file("unc/SRV/net/Off1.txt");
  root.file("unc/SRV/net/Off3.txt");
  root.file("c/Orma/Bingo/Arh/Bat/ShutDown.bat", kNoting);
  ::chmod((root / "c/Orma/Bingo/Arh/Bat/ShutDown.bat").c_str(), 0755);
  root.file("c/Orma/Bingo/Arh/Bat/ShutDownR.bat", kNoting);  // not executable: fails silently

  LinuxFileSystem fs{HostPaths(roots)};
  int quitRequests = 0;
  LinuxShell shell(HostPaths(roots), [&] { ++quitRequests; });
  test::FakeSystemInfo info;  // major version 6: the scripts alone switch the PC off
  ConsoleConfig config;
  config.FilesOff1 = "\\\\SRV\\net\\Off1.txt";
  config.FilesOff2 = "\\\\SRV\\net\\Off2.txt";
  config.FilesOff3 = "\\\\SRV\\net\\Off3.txt";

  // The shell forks: each start runs in a child of the test that must reach
  // its own end with 42 (a faulty fork could end this very program, and with
  // success).
  EXPECT_EXIT(
      {
        Commands commands;
        commands.Commands_Check(config, fs, shell, info);
        std::_Exit(quitRequests == 2 && shell.terminationRequested() ? 42 : 1);
      },
      ::testing::ExitedWithCode(42), "");
  EXPECT_EQ(waitForFile(root, "c/Orma/Bingo/Arh/Bat/ran"), "0 \n") << "started without arguments";
  EXPECT_TRUE(std::filesystem::exists(root / "unc/SRV/net/Off1.txt")) << "the server removes its commands";
  std::filesystem::remove(root / "c/Orma/Bingo/Arh/Bat/ran");
  const std::string bat = "C:\\Orma\\Bingo\\Arh\\Bat\\";
  EXPECT_EXIT(
      {
        const bool refused = !shell.startDetached(bat + "missing.sh", {}) &&
                             !shell.startDetached(bat + "ShutDownR.bat", {}) &&
                             !shell.startDetached(bat + std::string("ShutDown.bat\0x", 14), {});
        std::_Exit(refused && shell.startDetached(bat + "ShutDown.bat", {"two words", "b"}) ? 42 : 1);
      },
      ::testing::ExitedWithCode(42), "");
  EXPECT_EQ(waitForFile(root, "c/Orma/Bingo/Arh/Bat/ran"), "2 two words\n");
  EXPECT_FALSE(shell.requestPowerOff(false) || shell.requestPowerOff(true));
}

}  // namespace
}  // namespace bingo
