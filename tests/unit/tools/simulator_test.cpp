#include <gtest/gtest.h>

#include <sstream>

#include "common/card_generator.h"
#include "common/simulator.h"
#include "frame/frame.h"
#include "platform/bytes.h"
#include "support/fakes.h"

namespace bingo::tools {
namespace {

const std::vector<Card> kCards = generateCards(1944, 1);

// Virtual time: waiting only moves the clock on.
class FakePacer : public Pacer {
 public:
  std::int64_t now = 0;
  void waitMs(std::int64_t ms) override { now += ms; }
};

// A share in memory that notes when each frame was written.
class FakeShare : public ShareOutput {
 public:
  explicit FakeShare(const FakePacer& pacer) : m_pacer(pacer) {}
  struct Frame {
    std::int64_t at;
    FrameRecord record;
  };
  std::vector<Frame> frames;
  bool writeFrame(std::span<const std::uint8_t> record) override {
    frames.push_back({m_pacer.now, {}});
    std::copy(record.begin(), record.end(), frames.back().record.begin());
    return true;
  }
  bool putFile(const std::string&, std::span<const std::uint8_t>) override { return true; }
  bool removeFile(const std::string&) override { return true; }
  std::string lastError() const override { return ""; }

 private:
  const FakePacer& m_pacer;
};

struct SimRun {
  FakePacer pacer;
  FakeShare share{pacer};
  test::FakeClock clock;
  std::ostringstream log;
  void play(const SimOptions& options) {
    Simulator simulator(options, 9, kCards, {}, share, pacer, clock, log);
    simulator.run();
  }
};

SimOptions quietOptions(int games) {
  SimOptions o;
  o.games = games;
  return o;
}

TEST(Simulator, PlaysTheRoundsAskedForWithTheirPausesThenStops) {
  SimOptions options = quietOptions(2);
  options.ballMs = 1500;
  options.pauseMs = 8000;
  options.holdMs = 4000;
  SimRun run;
  run.play(options);

  const auto& frames = run.share.frames;
  ASSERT_GT(frames.size(), 30u);
  std::vector<int> kolos;
  for (std::size_t i = 0; i < frames.size(); ++i) {
    const FrameRecord& r = frames[i].record;
    for (int block = 1; block <= 8; ++block)
      ASSERT_TRUE(frameBlockChecksumOk(r, block, false)) << i << " " << block;
    const int lop = bcdByte(r[1]);
    if (lop == 0) {
      kolos.push_back(r[337]);
      EXPECT_EQ(r[340], 0) << "a new round starts outside the bingo phase";
      if (i > 0) {
        EXPECT_EQ(frames[i].at - frames[i - 1].at, 4000) << "the bingo stays shown";
      }
    } else {
      EXPECT_EQ(bcdByte(frames[i - 1].record[1]), lop - 1) << "one ball at a time";
      const std::int64_t gap = frames[i].at - frames[i - 1].at;
      // The sale pause before the first ball; a line holds the next ball back.
      const bool lineBefore = frames[i].record[340] == 0x40 && frames[i - 1].record[340] == 0;
      EXPECT_EQ(gap, lop == 1 ? 8000 : lineBefore ? 4000 : 1500) << "ball " << lop;
    }
  }
  EXPECT_EQ(kolos, (std::vector<int>{1, 2}));
  // The run ends after the last bingo has been shown.
  EXPECT_EQ(run.pacer.now, frames.back().at + 4000);
  EXPECT_NE(run.log.str().find("round 2: bingo at ball"), std::string::npos) << run.log.str();
}

}  // namespace
}  // namespace bingo::tools
