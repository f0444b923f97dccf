#pragma once
// A whole console on the fakes, polling the share of server "srv", for the
// tests that drive it through many runs.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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
  // The server writes a record; a tick reads it and the next one shows it.
  void show(const Record& record) {
    frame(record);
    ticks(2);
  }
  void startOn(const Record& record) {
    frame(record);
    start();
    ticks(2);
  }
  std::string text(const char* name) const { return console.screen().control(name).text; }
  bool visible(const char* name) const { return console.screen().control(name).visible; }
  const std::vector<std::string>& memo() const { return console.screen().memoLines(); }
};

// Compares with a reviewed file in testdata/ beside this file (BINGO_TEST_DATA
// names tests/data); BINGO_UPDATE_GOLDEN=1 rewrites the file instead.
inline void compareWithGolden(const std::string& name, const std::string& actual) {
  const std::string path =
      (std::filesystem::path(BINGO_TEST_DATA).parent_path() / "unit/console/testdata" / name).string();
  if (std::getenv("BINGO_UPDATE_GOLDEN")) {
    std::ofstream(path, std::ios::binary) << actual;
    return;
  }
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << path << " is missing: run with BINGO_UPDATE_GOLDEN=1 and review it";
  const std::string golden{std::istreambuf_iterator<char>(in), {}};
  // The first difference, with what stands before it.
  const std::size_t at = std::ranges::mismatch(golden, actual).in1 - golden.begin(),
                    from = at < 80 ? 0 : at - 80;
  EXPECT_EQ(golden.substr(from, 200), actual.substr(from, 200)) << name << " differs at byte " << at;
}

}  // namespace bingo::test
