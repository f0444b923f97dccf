#include <gtest/gtest.h>

#include "common/frame_encoder.h"
#include "frame/frame.h"

namespace bingo::tools {
namespace {

// A round in full swing, with a value in every field the console reads, read
// back by the console's own decoders in both layouts. The console reads a wide
// record against the narrow lengths until it has accepted block 8 with the new
// protocol byte, so it reads twice.
TEST(FrameEncoder, TheConsoleReadsBackEveryFieldInBothLayouts) {
  for (std::uint8_t protokol : {std::uint8_t{8}, std::uint8_t{9}}) {
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
    EXPECT_EQ(std::vector<double>({double(frame.LOP()), double(frame.MxL()), double(frame.KUG()),
                                   double(frame.KugLast(1)), double(frame.KugLast(3)), double(frame.BON()),
                                   double(frame.BIN()), double(frame.LN2()), double(frame.LIN()), frame.CEN(),
                                   double(frame.PRO()), frame.CENScaled(), double(frame.SoldCount()),
                                   double(frame.Kolo()), double(frame.VI()), double(frame.NovaSmena())}),
              std::vector<double>({27, 40, 90, 5, 63, 123456, 60000, 2500, 5000, 350, 1620, 350.0 / 100 / 6,
                                   270 + 325, 200, 7, 1}));
    for (int n = 0; n < 6; ++n) {
      const auto i = static_cast<std::size_t>(n);
      EXPECT_EQ(std::vector<std::uint32_t>({frame.FundMxL(n), frame.FND(n), frame.ProSer(n), frame.ProPoc(n),
                                            frame.ProEnd(n), frame.RLTk(n), frame.RLTkLop(n)}),
                std::vector<std::uint32_t>({s.funds[i].ballLimit, s.funds[i].amount, s.sold[i].series,
                                            s.sold[i].first, s.sold[i].last, s.rank[i].ticket,
                                            s.rank[i].ballsNeeded}))
          << n;
      if (n < 3) {
        EXPECT_EQ(frame.RLTkWait(n) * 100 + frame.RLTkWaitLop(n),
                  s.waiting[i].ticket * 100 + s.waiting[i].ballsNeeded);
      }
    }
    for (std::size_t ball = 1; ball <= 90; ++ball) EXPECT_EQ(frame.Drawn()[ball], s.drawn[ball]) << ball;
    EXPECT_TRUE(frame.BingoPhase() && !frame.HintSwitch());
    EXPECT_EQ(frame.HallText(), "SALA 1  ");
  }
}

}  // namespace
}  // namespace bingo::tools
