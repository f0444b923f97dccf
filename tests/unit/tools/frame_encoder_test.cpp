#include <gtest/gtest.h>

#include <vector>

#include "common/bcd.h"
#include "common/frame_encoder.h"
#include "frame/frame.h"

namespace bingo::tools {
namespace {

// A round in full swing, with a value in every field the console reads.
FrameState sampleState(std::uint8_t protokol) {
  FrameState s;
  s.protokol = protokol;
  s.lop = 27;
  s.mxl = 40;
  s.kug = 90;
  s.kugLast = {5, 17, 63};
  s.bon = 123456;
  s.ln2 = 2500;
  s.lin = 5000;
  s.bin = 60000;
  s.price = 350;
  s.pro = 1620;
  for (int ball : {1, 8, 9, 90}) s.drawn[static_cast<std::size_t>(ball)] = true;
  s.funds[0] = {36, 12340};
  s.funds[5] = {46, 999999};
  s.sold[0] = {1, 1, 270};
  s.sold[5] = {6, 1620, 1944};
  s.rank[0] = {812, 1};
  s.rank[5] = {1203, 2};
  s.waiting[0] = {77, 3};
  s.waiting[2] = {1944, 4};
  s.kolo = 200;
  s.vi = 7;
  s.hintsOff = true;
  s.bingoPhase = true;
  s.priceDecimals = 2;
  s.perTicket = 1;
  s.novaSmena = 1;
  s.soldCount = 1620;
  s.hallText = "SALA 1";
  return s;
}

std::vector<std::uint8_t> slice(const FrameRecord& r, std::size_t from, std::size_t count) {
  return {r.begin() + static_cast<std::ptrdiff_t>(from),
          r.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

TEST(Bcd, EncodesTwoDigitsPerByteAndCapsAtTheFieldsDigits) {
  struct Row {
    std::uint32_t value;
    std::vector<std::uint8_t> bytes;
  };
  const Row rows[] = {
      {0, {0x00}},
      {7, {0x07}},
      {10, {0x10}},
      {99, {0x99}},
      {100, {0x99}},
      {350, {0x03, 0x50}},
      {123456, {0x12, 0x34, 0x56}},
      {1000000, {0x99, 0x99, 0x99}},
      {24192, {0x00, 0x02, 0x41, 0x92}},
  };
  for (const auto& row : rows) {
    std::vector<std::uint8_t> run(row.bytes.size(), 0xEE);
    bcdEncode(run, row.value);
    EXPECT_EQ(run, row.bytes) << row.value;
  }
}

TEST(FrameEncoder, NarrowRecordHoldsEveryFieldAtItsOffset) {
  const FrameRecord r = encodeFrame(sampleState(8));
  // Block 1: LOP, MxL, then BON, LN2, LIN, BIN, CEN (first byte unused), PRO, KUG, checksum.
  EXPECT_EQ(slice(r, 0, 26), (std::vector<std::uint8_t>{0x00, 0x27, 0x40, 0x12, 0x34, 0x56, 0x00, 0x25, 0x00,
                                                        0x00, 0x50, 0x00, 0x06, 0x00, 0x00, 0x00, 0x03, 0x50,
                                                        0x16, 0x20, 0x90, 0x00, 0x00, 0x00, 0x00, 0x17}));
  // Block 2: balls 1 and 8 in byte 0, 9 in byte 1, 90 is bit 1 of byte 11.
  EXPECT_EQ(slice(r, 49, 13), (std::vector<std::uint8_t>{0x81, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x02, 0}));
  EXPECT_EQ(r[73], 0x04);
  // Block 3: fund rows of four bytes.
  EXPECT_EQ(slice(r, 97, 4), (std::vector<std::uint8_t>{0x36, 0x01, 0x23, 0x40}));
  EXPECT_EQ(slice(r, 117, 4), (std::vector<std::uint8_t>{0x46, 0x99, 0x99, 0x99}));
  // Block 4: series, first, last in rows of five bytes.
  EXPECT_EQ(slice(r, 145, 5), (std::vector<std::uint8_t>{0x01, 0x00, 0x01, 0x02, 0x70}));
  EXPECT_EQ(slice(r, 170, 5), (std::vector<std::uint8_t>{0x06, 0x16, 0x20, 0x19, 0x44}));
  // Block 5: rank rows of three bytes, waiting rows, the previous balls below 223.
  EXPECT_EQ(slice(r, 193, 3), (std::vector<std::uint8_t>{0x08, 0x12, 0x01}));
  EXPECT_EQ(slice(r, 208, 3), (std::vector<std::uint8_t>{0x12, 0x03, 0x02}));
  EXPECT_EQ(slice(r, 211, 3), (std::vector<std::uint8_t>{0x00, 0x77, 0x03}));
  EXPECT_EQ(slice(r, 217, 3), (std::vector<std::uint8_t>{0x19, 0x44, 0x04}));
  EXPECT_EQ(slice(r, 220, 3), (std::vector<std::uint8_t>{0x63, 0x17, 0x05}));
  // Block 8: binary round, kind, flags (bits 4 and 6), type, protocol, price
  // bytes, shift, big-endian sold count, hall text, checksum.
  EXPECT_EQ(slice(r, 336, 48), (std::vector<std::uint8_t>{
                                   0x00, 0xC8, 0x00, 0x07, 0x50, 0x00, 0x00, 0x08, 0x02, 0x01, 0x00, 0x01,
                                   0x00, 0x00, 0x06, 0x54, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                   0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 'S',  'A',  'L',  'A',
                                   ' ',  '1',  ' ',  ' ',  0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x37}));
}

TEST(FrameEncoder, WideRecordWidensMoneyAndRowsAndReordersPrizes) {
  const FrameRecord r = encodeFrame(sampleState(9));
  // BON, BIN, LN2, LIN in four bytes each, CEN's last three bytes, PRO in three, KUG at 27.
  EXPECT_EQ(slice(r, 0, 33),
            (std::vector<std::uint8_t>{0x00, 0x27, 0x40, 0x00, 0x00, 0x12, 0x34, 0x56, 0x00, 0x06, 0x00,
                                       0x00, 0x00, 0x00, 0x25, 0x00, 0x00, 0x00, 0x50, 0x00, 0x00, 0x00,
                                       0x03, 0x50, 0x00, 0x16, 0x20, 0x90, 0x00, 0x00, 0x00, 0x00, 0x17}));
  EXPECT_EQ(slice(r, 97, 5), (std::vector<std::uint8_t>{0x36, 0x00, 0x01, 0x23, 0x40}));
  EXPECT_EQ(slice(r, 122, 5), (std::vector<std::uint8_t>{0x46, 0x00, 0x99, 0x99, 0x99}));
  EXPECT_EQ(slice(r, 145, 7), (std::vector<std::uint8_t>{0x01, 0x00, 0x00, 0x01, 0x00, 0x02, 0x70}));
  EXPECT_EQ(slice(r, 180, 7), (std::vector<std::uint8_t>{0x06, 0x00, 0x16, 0x20, 0x00, 0x19, 0x44}));
  EXPECT_EQ(slice(r, 193, 4), (std::vector<std::uint8_t>{0x00, 0x08, 0x12, 0x01}));
  EXPECT_EQ(slice(r, 213, 4), (std::vector<std::uint8_t>{0x00, 0x12, 0x03, 0x02}));
  EXPECT_EQ(slice(r, 217, 4), (std::vector<std::uint8_t>{0x00, 0x00, 0x77, 0x03}));
  EXPECT_EQ(slice(r, 225, 4), (std::vector<std::uint8_t>{0x00, 0x19, 0x44, 0x04}));
  EXPECT_EQ(slice(r, 229, 3), (std::vector<std::uint8_t>{0x63, 0x17, 0x05}));
  EXPECT_EQ(r[343], 9);
}

TEST(FrameEncoder, EveryBlockChecksumSitsAtItsLayoutsLength) {
  for (std::uint8_t protokol : {std::uint8_t{8}, std::uint8_t{9}}) {
    const bool wide = isWideProtocol(protokol);
    const FrameRecord r = encodeFrame(sampleState(protokol));
    const auto& lengths = wide ? kBlockLengthWide : kBlockLengthNarrow;
    for (std::size_t block = 0; block < kBlocks; ++block) {
      const std::size_t start = block * kBlockSize;
      unsigned sum = 0;
      for (std::size_t i = 0; i + 1 < lengths[block]; ++i) sum += r[start + i];
      EXPECT_EQ(r[start + lengths[block] - 1], sum % 256 & 0x7F)
          << "protocol " << int{protokol} << " block " << block + 1;
      EXPECT_TRUE(frameBlockChecksumOk(r, static_cast<int>(block + 1), wide));
    }
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
    EXPECT_EQ(frame.LOP(), s.lop);
    EXPECT_EQ(frame.MxL(), s.mxl);
    EXPECT_EQ(frame.KUG(), s.kug);
    for (int n = 1; n <= 3; ++n) EXPECT_EQ(frame.KugLast(n), s.kugLast[static_cast<std::size_t>(n - 1)]);
    EXPECT_EQ(frame.BON(), s.bon);
    EXPECT_EQ(frame.BIN(), s.bin);
    EXPECT_EQ(frame.LN2(), s.ln2);
    EXPECT_EQ(frame.LIN(), s.lin);
    EXPECT_EQ(frame.CEN(), 350.0);
    EXPECT_DOUBLE_EQ(frame.CENScaled(), 350.0 / 100 / 6);
    EXPECT_EQ(frame.PRO(), 1620u);
    for (int n = 0; n < 6; ++n) {
      const auto i = static_cast<std::size_t>(n);
      EXPECT_EQ(frame.FundMxL(n), s.funds[i].ballLimit);
      EXPECT_EQ(frame.FND(n), s.funds[i].amount);
      EXPECT_EQ(frame.ProSer(n), s.sold[i].series);
      EXPECT_EQ(frame.ProPoc(n), s.sold[i].first);
      EXPECT_EQ(frame.ProEnd(n), s.sold[i].last);
      EXPECT_EQ(frame.RLTk(n), s.rank[i].ticket);
      EXPECT_EQ(frame.RLTkLop(n), s.rank[i].ballsNeeded);
    }
    for (int n = 0; n < 3; ++n) {
      EXPECT_EQ(frame.RLTkWait(n), s.waiting[static_cast<std::size_t>(n)].ticket);
      EXPECT_EQ(frame.RLTkWaitLop(n), s.waiting[static_cast<std::size_t>(n)].ballsNeeded);
    }
    for (int ball = 1; ball <= 90; ++ball)
      EXPECT_EQ(frame.Drawn()[static_cast<std::size_t>(ball)], s.drawn[static_cast<std::size_t>(ball)])
          << ball;
    EXPECT_EQ(frame.SoldCount(), 270 + 325);
    EXPECT_EQ(frame.Kolo(), 200);
    EXPECT_EQ(frame.VI(), 7);
    EXPECT_EQ(frame.VT(), 0);
    EXPECT_TRUE(frame.BingoPhase());
    EXPECT_FALSE(frame.HintSwitch());
    EXPECT_EQ(frame.NovaSmena(), 1);
    EXPECT_EQ(frame.HallText(), "SALA 1  ");
  }
}

}  // namespace
}  // namespace bingo::tools
