#include <gtest/gtest.h>

#include "common/bcd.h"
#include "common/frame_encoder.h"
#include "frame/frame.h"
#include "support/hex.h"

namespace bingo::tools {
namespace {

using test::hex;

// A round in full swing, with a value in every field the console reads.
FrameState sampleState(std::uint8_t protokol) {
  FrameState s;
  s.protokol = protokol;
  s.lop = 27, s.mxl = 40, s.kug = 90, s.kugLast = {5, 17, 63};
  s.bon = 123456, s.ln2 = 2500, s.lin = 5000, s.bin = 60000, s.price = 350, s.pro = 1620;
  for (int ball : {1, 8, 9, 90}) s.drawn[static_cast<std::size_t>(ball)] = true;
  s.funds[0] = {36, 12340}, s.funds[5] = {46, 999999};
  s.sold[0] = {1, 1, 270}, s.sold[5] = {6, 1620, 1944};
  s.rank[0] = {812, 1}, s.rank[5] = {1203, 2};
  s.waiting[0] = {77, 3}, s.waiting[2] = {1944, 4};
  s.kolo = 200, s.vi = 7, s.hintsOff = true, s.bingoPhase = true;
  s.priceDecimals = 2, s.perTicket = 1, s.novaSmena = 1, s.soldCount = 1620, s.hallText = "SALA 1";
  return s;
}

// Literal bytes of both layouts, checksums included where a block is given whole.
TEST(FrameEncoder, EveryFieldSitsAtItsOffsetInBothLayouts) {
  struct Row {
    std::uint8_t protokol;
    std::size_t at;
    std::string bytes;
  };
  const Row rows[] = {
      // Block 1: LOP, MxL, BON, LN2, LIN, BIN, CEN (first byte unused), PRO, KUG, checksum.
      {8, 0, "00 27 40 123456 002500 005000 060000 000350 1620 90 00000000 17"},
      // Block 2: balls 1 and 8 in byte 0, 9 in byte 1, 90 is bit 1 of byte 11.
      {8, 49, "81 01 000000000000000000 02 00"},
      {8, 73, "04"},
      {8, 97, "36 012340"},  // fund rows
      {8, 117, "46 999999"},
      {8, 145, "01 0001 0270"},  // series, first, last
      {8, 170, "06 1620 1944"},
      {8, 193, "08 12 01"},  // rank rows, waiting rows, the previous balls
      {8, 208, "12 03 02 0077 03"},
      {8, 217, "1944 04 63 17 05"},
      // Block 8: round, kind, flags (bits 4 and 6), type, protocol, price bytes,
      // shift, big-endian sold count, hall text, checksum.
      {8, 336,
       "00 C8 00 07 50 00 00 08 02 01 00 01 00 00 0654" + std::string(16 * 2, '0') +
           "53414C41 20312020 00000000000000 37"},
      // Wide: BON, BIN, LN2, LIN in four bytes each, CEN's last three bytes, PRO in three, KUG at 27.
      {9, 0, "00 27 40 0000123456 00060000 00002500 00005000 00000350 001620 90 00000000 17"},
      {9, 97, "36 00012340"},
      {9, 122, "46 00999999"},
      {9, 145, "01 000001 000270"},
      {9, 180, "06 001620 001944"},
      {9, 193, "00 0812 01"},
      {9, 213, "001203 02 000077 03"},
      {9, 225, "001944 04 63 17 05"},
      {9, 343, "09"},
  };
  for (const Row& row : rows) {
    const FrameRecord r = encodeFrame(sampleState(row.protokol));
    const auto expected = hex(row.bytes);
    EXPECT_EQ(std::vector<std::uint8_t>(r.begin() + static_cast<std::ptrdiff_t>(row.at),
                                        r.begin() + static_cast<std::ptrdiff_t>(row.at + expected.size())),
              expected)
        << int{row.protokol} << " at " << row.at;
  }
}

// The console reads a wide record against the narrow lengths until it has
// accepted block 8 with the new protocol byte, so every test reads twice.
TEST(FrameEncoder, ConsoleDecodersReadBackEveryField) {
  for (std::uint8_t protokol : {std::uint8_t{8}, std::uint8_t{9}}) {
    const FrameState s = sampleState(protokol);
    NullFrameEffects effects;
    Frame frame(effects);
    for (int read = 0; read < 2; ++read) {
      frame.keepPrevious();
      frame.readCopy() = encodeFrame(s);
      frame.acceptReadCopy();
    }
    SCOPED_TRACE(int{protokol});
    for (int block = 1; block <= 8; ++block) EXPECT_TRUE(frame.BlockValid(block)) << block;
    EXPECT_EQ(frame.IsWide(), protokol >= 9);
    EXPECT_EQ(
        std::vector<double>({double(frame.LOP()), double(frame.MxL()), double(frame.KUG()),
                             double(frame.KugLast(1)), double(frame.KugLast(2)), double(frame.KugLast(3)),
                             double(frame.BON()), double(frame.BIN()), double(frame.LN2()),
                             double(frame.LIN()), frame.CEN(), double(frame.PRO())}),
        std::vector<double>({27, 40, 90, 5, 17, 63, 123456, 60000, 2500, 5000, 350, 1620}));
    EXPECT_DOUBLE_EQ(frame.CENScaled(), 350.0 / 100 / 6);
    for (int n = 0; n < 6; ++n) {
      const auto i = static_cast<std::size_t>(n);
      EXPECT_EQ(frame.FundMxL(n), s.funds[i].ballLimit);
      EXPECT_EQ(frame.FND(n), s.funds[i].amount);
      EXPECT_EQ(frame.ProSer(n), s.sold[i].series);
      EXPECT_EQ(frame.ProPoc(n), s.sold[i].first);
      EXPECT_EQ(frame.ProEnd(n), s.sold[i].last);
      EXPECT_EQ(frame.RLTk(n), s.rank[i].ticket);
      EXPECT_EQ(frame.RLTkLop(n), s.rank[i].ballsNeeded);
      if (n < 3) {
        EXPECT_EQ(frame.RLTkWait(n), s.waiting[i].ticket);
        EXPECT_EQ(frame.RLTkWaitLop(n), s.waiting[i].ballsNeeded);
      }
    }
    for (std::size_t ball = 1; ball <= 90; ++ball) EXPECT_EQ(frame.Drawn()[ball], s.drawn[ball]) << ball;
    EXPECT_EQ(frame.SoldCount(), 270 + 325);
    EXPECT_EQ(frame.Kolo(), 200);
    EXPECT_EQ(frame.VI(), 7);
    EXPECT_TRUE(frame.BingoPhase());
    EXPECT_FALSE(frame.HintSwitch());
    EXPECT_EQ(frame.NovaSmena(), 1);
    EXPECT_EQ(frame.HallText(), "SALA 1  ");
  }
}

}  // namespace
}  // namespace bingo::tools
