#include <gtest/gtest.h>

#include <functional>

#include "frame_test_support.h"
#include "support/hex.h"

namespace bingo {
namespace {

using test::acceptRecord;
using test::record;

TEST(FrameRecord, AllZeroRecordDecodesAsNothingNarrowAndFirstKind) {
  NullFrameEffects effects;
  Frame frame(effects);
  EXPECT_FALSE(acceptRecord(frame, FrameBytes{})) << "the drawn balls are as at start";
  for (int block = 1; block <= 8; ++block) EXPECT_TRUE(frame.BlockValid(block)) << block;
  EXPECT_FALSE(frame.IsWide());
  EXPECT_EQ(
      frame.LOP() + frame.MxL() + frame.KUG() + frame.PRO() + frame.BON() + frame.CEN() + frame.SoldCount(),
      0);
  EXPECT_EQ(frame.TicketBaseSize(), 1944);
  EXPECT_TRUE(!frame.BingoPhase() && frame.HintSwitch()) << "flag bit 4 clear: near-win marking on";
}

// Block 1 as the server writes it, checksum included; a wide record (BIN before
// LN2, 8-digit money) decodes from the second read.
TEST(FrameRecord, LiteralBlockOneDecodesInBothLayouts) {
  struct Row {
    const char* block1;
    std::vector<double> fields;  // LOP, MxL, BON, LN2, LIN, BIN, CEN, PRO, KUG
  };
  const Row rows[] = {
      // The leading 0x12 of the price is not part of it.
      {"00 12 90 012345 005000 001000 020000 12 0350 0045 77 00000000 0E",
       {12, 90, 12345, 5000, 1000, 20000, 350, 45, 77}},
      {"00 12 90 0012345678 00200000 00050000 00010000 99 012345 123456 88 00000000 02",
       {12, 90, 12345678, 50000, 10000, 200000, 12345, 123456, 88}},
  };
  for (const Row& row : rows) {
    FrameBytes r{};
    const auto block1 = test::hex(row.block1);
    std::copy(block1.begin(), block1.end(), r.begin());
    const bool wide = block1.size() == 33;
    if (wide) r[kOffsetProtokol] = r[383] = 9;  // block 8's checksum: its only non-zero byte
    NullFrameEffects effects;
    Frame frame(effects);
    acceptRecord(frame, r);
    if (wide) acceptRecord(frame, r);
    ASSERT_TRUE(frame.BlockValid(1)) << row.block1;
    EXPECT_EQ(std::vector<double>({double(frame.LOP()), double(frame.MxL()), double(frame.BON()),
                                   double(frame.LN2()), double(frame.LIN()), double(frame.BIN()), frame.CEN(),
                                   double(frame.PRO()), double(frame.KUG())}),
              row.fields);
    r[block1.size() - 1] ^= 1;  // one off
    acceptRecord(frame, r);
    EXPECT_FALSE(frame.BlockValid(1)) << row.block1;
  }
}

struct DecodeRow {
  const char* what;
  std::vector<std::pair<std::size_t, const char*>> fields;
  std::function<double(Frame&)> decode;
  double expected;
};

void checkRows(const std::vector<DecodeRow>& rows, bool wide) {
  for (const auto& row : rows) {
    const FrameBytes r = test::record(row.fields, wide);
    test::RecordingEffects effects;
    effects.loadedType = 2;
    Frame frame(effects);
    acceptRecord(frame, r);
    if (wide) acceptRecord(frame, r);  // the first read is checked with the narrow lengths
    EXPECT_EQ(row.decode(frame), row.expected) << row.what;
  }
}

TEST(FrameRecord, NarrowFieldsDecode) {
  const std::vector<DecodeRow> rows = {
      {"BCD 0x1A: low nibble above 9 counts as 0", {{1, "1A"}}, [](Frame& f) { return f.LOP(); }, 10},
      {"BCD 0x9F", {{1, "9F"}}, [](Frame& f) { return f.LOP(); }, 90},
      {"BCD 0xFF", {{1, "FF"}}, [](Frame& f) { return f.LOP(); }, 0},
      {"BCD 0xA5: high nibble above 9", {{2, "A5"}}, [](Frame& f) { return f.MxL(); }, 5},
      {"PRO: binary count wins", {{18, "0045"}, {350, "012C"}}, [](Frame& f) { return f.PRO(); }, 300},
      {"PRO: BCD wins", {{18, "9999"}, {350, "012C"}}, [](Frame& f) { return f.PRO(); }, 9999},
      {"PRO: binary is big-endian", {{350, "FF01"}}, [](Frame& f) { return f.PRO(); }, 65281},
      {"KugLast(3)", {{220, "07"}}, [](Frame& f) { return f.KugLast(3); }, 7},
      {"KugLast(4) is no previous ball", {{219, "07"}}, [](Frame& f) { return f.KugLast(4); }, 0},
      {"FND(6) is no fund", {{122, "07"}}, [](Frame& f) { return f.FND(6); }, 0},
      {"VI 12", {{339, "0C"}}, [](Frame& f) { return f.VI(); }, 12},
      {"VI 13 reads as 0", {{339, "0D"}}, [](Frame& f) { return f.VI(); }, 0},
      {"VT is what the ticket base holds", {{341, "03"}}, [](Frame& f) { return f.VT(); }, 2},
      {"TicketBaseSize follows the held type",
       {{341, "03"}},
       [](Frame& f) { return f.TicketBaseSize(); },
       2000},
  };
  checkRows(rows, false);
}

TEST(FrameRecord, WideFieldsDecode) {
  const std::vector<DecodeRow> rows = {
      {"ProPoc 24193 stays", {{146, "024193"}}, [](Frame& f) { return f.ProPoc(0); }, 24193},
      {"ProPoc 24194 is capped", {{146, "024194"}}, [](Frame& f) { return f.ProPoc(0); }, 24193},
      {"ProEnd 999999 is capped", {{184, "999999"}}, [](Frame& f) { return f.ProEnd(5); }, 24193},
      {"KugLast(3)", {{229, "11"}}, [](Frame& f) { return f.KugLast(3); }, 11},
      {"SoldCountShown is modulo 24193",
       {{146, "000001024193"}, {153, "000001000100"}},
       [](Frame& f) { return f.SoldCountShown(); },
       100},
  };
  checkRows(rows, true);
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
