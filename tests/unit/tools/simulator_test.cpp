#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "common/card_generator.h"
#include "common/simulator.h"
#include "config/game_record.h"
#include "frame/frame.h"
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

// A share in memory that notes when each write happened.
class FakeShare : public ShareOutput {
 public:
  explicit FakeShare(const FakePacer& pacer) : m_pacer(pacer) {}
  struct Frame {
    std::int64_t at;
    FrameRecord record;
  };
  std::vector<Frame> frames;  // with the virtual time of each write
  std::map<std::string, std::vector<std::uint8_t>> files;
  std::vector<std::string> events;  // "put NAME @ms" / "remove NAME @ms"
  bool failing = false;

  bool writeFrame(std::span<const std::uint8_t> record) override {
    if (failing) return false;
    Frame f{m_pacer.now, {}};
    std::copy(record.begin(), record.end(), f.record.begin());
    frames.push_back(f);
    return true;
  }
  bool putFile(const std::string& name, std::span<const std::uint8_t> bytes) override {
    files[name].assign(bytes.begin(), bytes.end());
    return note("put " + name);
  }
  bool removeFile(const std::string& name) override {
    files.erase(name);
    return note("remove " + name);
  }
  bool note(const std::string& event) {
    events.push_back(event + " @" + std::to_string(m_pacer.now));
    return !failing;
  }
  std::string lastError() const override { return "share gone"; }

 private:
  const FakePacer& m_pacer;
};

struct SimRun {
  FakePacer pacer;
  FakeShare share{pacer};
  test::FakeClock clock;
  std::ostringstream log;
  void play(const SimOptions& options, std::optional<std::vector<std::uint8_t>> gameKinds = {}) {
    Simulator simulator(options, 9, kCards, std::move(gameKinds), share, pacer, clock, log);
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

TEST(Simulator, IssuesTheCommandFileOnTimeAndWaitsToTakeItBack) {
  SimOptions options = quietOptions(1);
  options.off = 3;
  options.offAfterS = 600;  // later than the round's end
  options.offHoldS = 5;
  SimRun run;
  run.play(options);
  // Left-overs of an earlier run are removed first.
  EXPECT_EQ(run.share.events,
            (std::vector<std::string>{"remove Off1.txt @0", "remove Off2.txt @0", "remove Off3.txt @0",
                                      "put Off3.txt @600000", "remove Off3.txt @605000"}));
  EXPECT_EQ(run.pacer.now, 605000);
}

TEST(Simulator, LeavesLanguageGameKindsAndAGameRecordPerRoundInTheShare) {
  SimOptions options = quietOptions(2);
  options.language = 'M';
  options.dg = true;
  options.cityLetter = 'K';
  SimRun run;
  const std::string kindsText = "0 1 J1 JACK1\r\n";
  const std::vector<std::uint8_t> kinds(kindsText.begin(), kindsText.end());
  run.play(options, kinds);

  EXPECT_EQ(run.share.files["cJezik.txt"], (std::vector<std::uint8_t>{'M', '\r', '\n'}));
  EXPECT_EQ(run.share.files["cVIw.Txt"], kinds);
  // The fake clock stands at 2026-12-06 09:30:15.
  for (const char* name : {"261206K093015001.DG", "261206K093015002.DG"}) {
    ASSERT_EQ(run.share.files.count(name), 1u) << name;
    EXPECT_EQ(run.share.files[name].size(), GameRecord::kSize);
  }
  // The record of round 2 carries that round's type, city and sold ranges.
  const auto& record = run.share.files["261206K093015002.DG"];
  const ByteReader dg(record);
  const auto round2 = std::find_if(run.share.frames.begin(), run.share.frames.end(),
                                   [](const FakeShare::Frame& f) { return f.record[337] == 2; });
  ASSERT_NE(round2, run.share.frames.end());
  const ByteReader frame(round2->record);
  EXPECT_EQ(dg.u8(9), 0);
  EXPECT_EQ(dg.shortString(43, 8), "K");
  EXPECT_EQ(dg.shortString(68 + 6 * 3, 5), "PR3 ");
  EXPECT_EQ(dg.u16le(1968), bcdNumber(std::span(round2->record).subspan(146, 2)));  // first of range 1
  EXPECT_EQ(dg.i32le(1880), frame.u16be(350));                                      // tickets sold
}

TEST(Simulator, ReportsALostShareOnceAndGoesOn) {
  SimRun run;
  run.share.failing = true;
  run.play(quietOptions(1));
  const std::string log = run.log.str();
  const auto first = log.find("write failed");
  ASSERT_NE(first, std::string::npos);
  EXPECT_EQ(log.find("write failed", first + 1), std::string::npos) << log;
  EXPECT_NE(log.find("bingo at ball"), std::string::npos);
}

}  // namespace
}  // namespace bingo::tools
