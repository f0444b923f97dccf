#include <gtest/gtest.h>

#include "frame_test_support.h"

namespace bingo {
namespace {

using test::acceptRecord;
using test::record;

// Whole literal records of both layouts are decoded by the frame-dump tests;
// here the odd values of single fields. A wide record is read twice: the
// first read is checked with the narrow lengths.
TEST(FrameRecord, OddFieldValuesDecode) {
  struct Row {
    const char* what;
    bool wide;
    std::vector<std::pair<std::size_t, const char*>> fields;
    double (*decode)(Frame&);
    double expected;
  };
  const auto LOP = [](Frame& f) -> double { return f.LOP(); };
  const auto PRO = [](Frame& f) -> double { return f.PRO(); };
  const auto VI = [](Frame& f) -> double { return f.VI(); };
  const Row rows[] = {
      {"BCD 0x1A: low nibble above 9 counts as 0", false, {{1, "1A"}}, LOP, 10},
      {"BCD 0x9F", false, {{1, "9F"}}, LOP, 90},
      {"BCD 0xFF", false, {{1, "FF"}}, LOP, 0},
      {"BCD 0xA5: high nibble above 9", false, {{2, "A5"}}, [](Frame& f) -> double { return f.MxL(); }, 5},
      {"PRO: a greater binary count wins, big-endian", false, {{18, "0045"}, {350, "FF01"}}, PRO, 65281},
      {"PRO: a greater BCD count wins", false, {{18, "9999"}, {350, "012C"}}, PRO, 9999},
      {"KugLast(4): none", false, {{219, "07"}}, [](Frame& f) -> double { return f.KugLast(4); }, 0},
      {"FND(6): none", false, {{122, "07"}}, [](Frame& f) -> double { return f.FND(6); }, 0},
      {"VI 12", false, {{339, "0C"}}, VI, 12},
      {"VI 13 reads as 0", false, {{339, "0D"}}, VI, 0},
      {"VT: the type held", false, {{341, "03"}}, [](Frame& f) -> double { return f.VT(); }, 2},
      {"its size", false, {{341, "03"}}, [](Frame& f) -> double { return f.TicketBaseSize(); }, 2000},
      {"ProPoc 24193 stays", true, {{146, "024193"}}, [](Frame& f) -> double { return f.ProPoc(0); }, 24193},
  };
  for (const auto& [what, wide, fields, decode, expected] : rows) {
    const FrameBytes r = record(fields, wide);
    test::RecordingEffects effects;
    effects.loadedType = 2;
    Frame frame(effects);
    acceptRecord(frame, r);
    if (wide) acceptRecord(frame, r);
    EXPECT_EQ(decode(frame), expected) << what;
  }
}

// The price decoder reads VT, so the ticket base is asked once.
TEST(FrameRecord, ScaledPriceAppliesDecimalsThenPerTicket) {
  const std::pair<const char*, double> rows[] = {
      // decimals and per-ticket bytes at 344
      {"0000", 120}, {"0100", 12}, {"0200", 1.2}, {"0300", 120}, {"0001", 20}, {"0101", 2}, {"0002", 120}};
  for (const auto& [bytes, expected] : rows) {
    test::RecordingEffects effects;
    Frame frame(effects);
    acceptRecord(frame, record({{16, "0120"}, {344, bytes}}));
    EXPECT_DOUBLE_EQ(frame.CENScaled(), expected) << bytes;
    EXPECT_EQ(frame.CEN() + effects.typesAsked.size(), 121.0) << bytes;
  }
}

TEST(FrameRecord, GameTypeAboveThreeIsAnnouncedAsZero) {
  const std::pair<const char*, std::uint8_t> rows[] = {{"00", 0}, {"01", 1}, {"02", 2},
                                                       {"03", 3}, {"04", 0}, {"FF", 0}};
  for (const auto& [vt, announced] : rows) {
    test::RecordingEffects effects;
    Frame frame(effects);
    acceptRecord(frame, record({{kOffsetVT, vt}}));
    effects.loadedType = 7;  // a ticket base that holds no known type
    EXPECT_EQ(frame.TicketBaseSize(), 1944);
    EXPECT_EQ(effects.typesAsked, std::vector<std::uint8_t>{announced}) << vt;
  }
}

// Only a read of LOP raises the running maximum; SetLopMax lowers it.
TEST(FrameRecord, LopRaisesTheRunningMaximum) {
  NullFrameEffects effects;
  Frame frame(effects);
  acceptRecord(frame, record({{1, "17"}}));
  std::vector<int> seen{frame.LopMax(), frame.LOP(), frame.LopMax()};
  acceptRecord(frame, record({{1, "02"}}));
  seen.insert(seen.end(), {frame.LOP(), frame.LopMax()});
  frame.SetLopMax(0);
  seen.insert(seen.end(), {frame.LOP(), frame.LopMax()});
  EXPECT_EQ(seen, (std::vector<int>{0, 17, 17, 2, 17, 2, 2}));
}

}  // namespace
}  // namespace bingo
