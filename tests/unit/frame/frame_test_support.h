#pragma once
// Building frame records for tests. Checksums made here are checked against
// literal records in frame_record_test.cpp, so this helper is never the only
// oracle of the checksum rule.

#include <string>
#include <vector>

#include "frame/frame.h"
#include "support/hex.h"

namespace bingo::test {

// Every block's checksum: the low 7 bits of the sum of its used bytes.
inline void sealAll(FrameBytes& record, bool wide) {
  for (int block = 1; block <= kFrameBlockCount; ++block) {
    const std::size_t start = kFrameBlockSize * static_cast<std::size_t>(block - 1);
    const std::size_t length = frameLayout(wide).blockLength[static_cast<std::size_t>(block)];
    unsigned sum = 0;
    for (std::size_t i = 0; i + 1 < length; ++i) sum += record[start + i];
    record[start + length - 1] = static_cast<std::uint8_t>(sum & 0x7F);
  }
}

// A record holding the bytes written as hex text at their offsets, every
// block sealed: {{146, "0001 0010"}}.
inline FrameBytes record(const std::vector<std::pair<std::size_t, const char*>>& fields, bool wide = false) {
  FrameBytes r{};
  if (wide) r[kOffsetProtokol] = kWideProtokol;
  for (const auto& [offset, text] : fields) {
    const auto bytes = hex(text);
    std::copy(bytes.begin(), bytes.end(), r.begin() + static_cast<std::ptrdiff_t>(offset));
  }
  sealAll(r, wide);
  return r;
}

// One accept cycle as Frame_Update runs it after a good read.
inline bool acceptRecord(Frame& frame, const FrameBytes& r) {
  frame.keepPrevious();
  frame.readCopy() = r;
  return frame.acceptReadCopy();
}

// Records every effect in order.
class RecordingEffects : public FrameEffects {
 public:
  std::vector<std::string> calls;
  std::vector<SoldRange> ranges;
  std::uint8_t lastBall = 0;
  std::uint8_t loadedType = 0;  // what the ticket base says it holds
  std::vector<std::uint8_t> typesAsked;

  std::uint8_t TicketBase_SelectType(std::uint8_t type) override {
    typesAsked.push_back(type);
    return loadedType;
  }
  void soldRangesAccepted(std::span<const SoldRange> r) override {
    calls.push_back("sold");
    ranges.assign(r.begin(), r.end());
  }
  void drawnBlockAccepted(const DrawnBalls&, std::uint8_t ball) override {
    calls.push_back("board");
    lastBall = ball;
  }
  void drawnBallsChanged() override { calls.push_back("changed"); }
};

}  // namespace bingo::test
