#pragma once
// A whole console on the fakes, polling the share of server "srv", for the
// tests that drive it through many runs.

#include <string>

#include "app/console/console.h"
#include "support/fake_file_system.h"
#include "support/fakes.h"
#include "support/scripted_prompts.h"
#include "support/test_frames.h"

namespace bingo::test {

inline constexpr const char* kHallProgram = "/opt/bingo/clientbingo";
inline constexpr const char* kHallFrame = "\\\\srv\\net\\Frame.dat";

struct ConsoleHall {
  FakeFileSystem fs;
  FakeClock clock;
  FakeNetwork network;
  FakeShell shell;
  FakeSystemInfo info;
  ScriptedPrompts prompts;
  Console console{ConsoleServices{fs, clock, network, shell, info, prompts, kHallProgram}};

  ConsoleHall() {
    fs.addFolder("/opt/bingo");
    fs.addTextFile("net.ini", "srv");
    fs.addFile("C:\\Orma\\Bingo\\Arh\\CfgW\\A1944.3x5", cardFile());
  }
  void frame(const Record& record) { fs.addFile(kHallFrame, record.sealed()); }
  void ticks(int n) {
    for (int i = 0; i < n; ++i) console.TimerFramesTimer();
  }
  std::string text(const char* name) const { return console.screen().control(name).text; }
};

}  // namespace bingo::test
