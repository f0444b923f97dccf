#pragma once
// Every platform effect of one console as a fake, with the files a console of
// the server "srv" finds at its first start: "net.ini" naming the server and
// the card file of game type 0.

#include "app/console/console.h"
#include "support/fake_file_system.h"
#include "support/fakes.h"
#include "support/scripted_prompts.h"
#include "support/test_frames.h"

namespace bingo::test {

struct FakePlatform {
  static constexpr const char* kProgram = "/opt/bingo/clientbingo";
  static constexpr const char* kFrameFile = "\\\\srv\\net\\Frame.dat";

  FakeFileSystem fs;
  FakeClock clock;
  FakeNetwork network;
  FakeShell shell;
  FakeSystemInfo info;
  ScriptedPrompts prompts;

  FakePlatform() {
    fs.addFolder("/opt/bingo");
    fs.addTextFile("net.ini", "srv");
    fs.addFile("C:\\Orma\\Bingo\\Arh\\CfgW\\A1944.3x5", cardFile());
  }
  ConsoleServices services() { return ConsoleServices{fs, clock, network, shell, info, prompts, kProgram}; }
  // The server writes a new frame record into its share.
  void frame(const Record& record) { fs.addFile(kFrameFile, record.sealed()); }
};

}  // namespace bingo::test
