#include <gtest/gtest.h>

#include "frame/commands.h"
#include "frame/frame_file.h"
#include "platform/folders.h"
#include "support/fake_file_system.h"
#include "support/fakes.h"

namespace bingo {
namespace {

TEST(Commands, EachCommandFileIsObeyedInOrder) {
  // what, command files, major version, terminations, programs started, power-offs (true: reboot)
  using Row = std::tuple<const char*, std::vector<const char*>, std::uint32_t, int, std::vector<std::string>,
                         std::vector<bool>>;
  const Row rows[] = {
      {"nothing there", {}, 6, 0, {}, {}},
      {"Off2 closes the program only", {"Off2.txt"}, 6, 1, {}, {}},
      {"Off1 from version 5 on: the batch file alone", {"Off1.txt"}, 5, 1, {kShutDownBat}, {}},
      {"Off1 below version 5: the platform too", {"Off1.txt"}, 4, 1, {kShutDownBat}, {false}},
      {"Off3 below version 5", {"Off3.txt"}, 4, 1, {kShutDownRBat}, {true}},
      {"Off1 and Off3: shut down first", {"Off3.txt", "Off1.txt"}, 6, 2, {kShutDownBat, kShutDownRBat}, {}},
      {"all three", {"Off1.txt", "Off2.txt", "Off3.txt"}, 4, 3, {kShutDownBat, kShutDownRBat}, {false, true}},
  };
  for (const auto& [what, files, major, terminations, programs, powerOffs] : rows) {
    test::FakeFileSystem fs;
    fs.addFolder("\\\\SRV\\net");
    for (const char* name : files) fs.addTextFile(std::string("\\\\SRV\\net\\") + name, "");
    test::FakeShell shell;
    shell.startSucceeds = false;  // a missing batch file changes nothing
    test::FakeSystemInfo info;
    info.version.major = major;
    ConsoleConfig config;  // the server's paths as the console settles them
    config.NetPC = "SRV";
    FramePaths_Settle(config, fs);
    Commands commands;
    commands.Commands_Check(config, fs, shell, info);
    std::vector<std::string> started;
    for (const auto& s : shell.started)
      started.push_back(s.program + (s.args.empty() ? "" : " with arguments"));
    // Command files are left for the server.
    EXPECT_EQ(
        std::tuple(shell.terminations, started, shell.powerOffs, commands.WinVer5Up, fs.filePaths().size()),
        std::tuple(terminations, programs, powerOffs, major >= 5, files.size()))
        << what;
  }
}

}  // namespace
}  // namespace bingo
