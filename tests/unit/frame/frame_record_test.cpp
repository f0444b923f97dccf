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
      // A read of LOP raises the running maximum.
      {"LopMax", false, {{1, "17"}}, [](Frame& f) -> double { return f.LOP() ? f.LopMax() : 0; }, 17},
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

// The price decoder reads VT, so the ticket base is asked once by each call;
// a type above 3 is announced as 0, and a base holding no known type counts 1944.
TEST(FrameRecord, ScaledPriceAndTheTypeAnnounced) {
  // VT, the decimals and per-ticket bytes at 344, the type announced, the price
  const std::tuple<const char*, const char*, std::uint8_t, double> rows[] = {
      {"00", "0000", 0, 120}, {"01", "0100", 1, 12}, {"02", "0200", 2, 1.2}, {"03", "0300", 3, 120},
      {"04", "0001", 0, 20},  {"FF", "0101", 0, 2},  {"00", "0002", 0, 120}};
  for (const auto& [vt, bytes, announced, price] : rows) {
    test::RecordingEffects effects;
    effects.loadedType = 7;
    Frame frame(effects);
    acceptRecord(frame, record({{16, "0120"}, {kOffsetVT, vt}, {344, bytes}}));
    EXPECT_DOUBLE_EQ(frame.CENScaled(), price) << bytes;
    EXPECT_EQ(frame.TicketBaseSize(), 1944);
    EXPECT_EQ(effects.typesAsked, std::vector<std::uint8_t>(2, announced)) << vt;
  }
}

}  // namespace
}  // namespace bingo
