#pragma once
// A whole console on the fakes, polling the share of server "srv", for the
// tests that drive it through many runs.

#include <string>
#include <vector>

#include "support/fake_platform.h"

namespace bingo::test {

struct ConsoleHall : FakePlatform {
  Console console{services()};

  void start() { console.FormCreate(); }
  void ticks(int n) {
    for (int i = 0; i < n; ++i) console.TimerFramesTimer();
  }
  std::string text(const char* name) const { return console.screen().control(name).text; }
  bool visible(const char* name) const { return console.screen().control(name).visible; }
  const std::vector<std::string>& memo() const { return console.screen().memoLines(); }
};

}  // namespace bingo::test
