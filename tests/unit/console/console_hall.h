#pragma once
// A whole console on the fakes, with the share of server "srv" and literal
// frame records, for the tests that drive it through many runs.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/console/console.h"
#include "support/fake_file_system.h"
#include "support/fakes.h"

// A namespace of its own: the shared test support has classes of the same names.
namespace bingo::test::hall {

inline constexpr const char* kHallProgram = "/opt/bingo/clientbingo";
inline constexpr const char* kHallShare = "\\\\srv\\net";
inline constexpr const char* kHallFrame = "\\\\srv\\net\\Frame.dat";

// Answers the operator's questions from a script; an empty script cancels.
class HallPrompts : public OperatorPrompts {
 public:
  std::deque<std::optional<std::string>> answers;
  std::vector<std::string> errors;
  std::optional<std::string> inputText(const std::string&, const std::string&, const std::string&) override {
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void errorBox(const std::string&, const std::string& text) override { errors.push_back(text); }
  bool askYesNo(const std::string&, const std::string&) override { return false; }
  void infoBox(const std::string&, const std::string&) override {}
};

// A narrow frame record written field by field into its 384 bytes.
struct FrameRecordBytes {
  std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(384, 0);
  static std::uint8_t bcd(int n) { return static_cast<std::uint8_t>(((n / 10) % 10) << 4 | (n % 10)); }
  FrameRecordBytes& lop(int n) { return set(1, bcd(n)); }
  FrameRecordBytes& kug(int n) { return set(20, bcd(n)); }
  FrameRecordBytes& kolo(int n) { return set(337, static_cast<std::uint8_t>(n)); }
  FrameRecordBytes& drawn(std::initializer_list<int> balls) {
    for (int ball : balls) bytes[49 + (ball - 1) / 8] |= static_cast<std::uint8_t>(1 << ((ball - 1) % 8));
    return *this;
  }
  FrameRecordBytes& sold(int row, int first, int last) {
    const std::size_t at = 146 + 5 * static_cast<std::size_t>(row);
    return set(at, bcd(first / 100))
        .set(at + 1, bcd(first % 100))
        .set(at + 2, bcd(last / 100))
        .set(at + 3, bcd(last % 100));
  }
  FrameRecordBytes& set(std::size_t at, std::uint8_t value) {
    bytes[at] = value;
    return *this;
  }
  // Every block's checksum: the low 7 bits of the sum of its used bytes.
  std::vector<std::uint8_t> sealed() const {
    constexpr int kUsed[8] = {26, 26, 26, 32, 33, 7, 10, 48};
    std::vector<std::uint8_t> out = bytes;
    for (int block = 0; block < 8; ++block) {
      unsigned sum = 0;
      for (int i = 0; i < kUsed[block] - 1; ++i) sum += out[48 * block + i];
      out[48 * block + kUsed[block] - 1] = static_cast<std::uint8_t>(sum & 0x7F);
    }
    return out;
  }
};

// A card file of type 0 with 1944 cards of valid ball numbers.
inline std::vector<std::uint8_t> hallCardFile() {
  std::vector<std::uint8_t> cards(1944 * 15, 0);
  for (int card = 0; card < 1944; ++card)
    for (int row = 0; row < 3; ++row)
      for (int pos = 0; pos < 5; ++pos)
        cards[15 * card + 5 * row + pos] =
            static_cast<std::uint8_t>(1 + (card % 5) + 10 * (row + 3 * (card % 2)) + 2 * pos);
  return cards;
}

struct ConsoleHall {
  FakeFileSystem fs;
  FakeClock clock;
  FakeNetwork network;
  FakeShell shell;
  FakeSystemInfo info;
  HallPrompts prompts;
  Console console{ConsoleServices{fs, clock, network, shell, info, prompts, kHallProgram}};

  ConsoleHall() {
    fs.addFolder("/opt/bingo");
    fs.addTextFile("net.ini", "srv");
    fs.addFile("C:\\Orma\\Bingo\\Arh\\CfgW\\A1944.3x5", hallCardFile());
  }
  void frame(const FrameRecordBytes& record) { fs.addFile(kHallFrame, record.sealed()); }
  void ticks(int n) {
    for (int i = 0; i < n; ++i) console.TimerFramesTimer();
  }
  std::string text(const char* name) const { return console.screen().control(name).text; }
};

}  // namespace bingo::test::hall
