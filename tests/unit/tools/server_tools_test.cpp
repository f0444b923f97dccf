// What a hall takes from the server tools: valid strips of cards, the same
// for the same seed, and frames the console reads as they were meant.

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "common/card_check.h"
#include "common/card_generator.h"
#include "common/frame_encoder.h"
#include "frame/frame.h"

namespace bingo::tools {
namespace {

// The checker holds every strip rule (rows of five ascending numbers in
// distinct columns, columns ascending down the card, a strip of six holding
// 1..90 once); it is shown to refuse a row out of order and a card repeated
// in its strip before it judges the generated strips.
TEST(CardGenerator, ValidStripsTheSameForTheSameSeedAndALastStripCut) {
  const auto a = generateCards(2000, 7), shorter = generateCards(1944, 7);
  ASSERT_EQ(a.size(), 2000u);  // 333 strips and two cards
  EXPECT_EQ(a, generateCards(2000, 7));
  EXPECT_TRUE(std::equal(shorter.begin(), shorter.end(), a.begin()));
  EXPECT_NE(shorter, generateCards(1944, 8));
  auto swapped = a, repeated = a;
  std::swap(swapped[7][3], swapped[7][4]);
  repeated[8] = repeated[7];
  EXPECT_EQ(std::make_tuple(checkCardFile(cardFileBytes(a)).ok, checkCardFile(cardFileBytes(swapped)).ok,
                            checkCardFile(cardFileBytes(repeated)).ok),
            std::make_tuple(true, false, false));
}

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
    std::string got;
    const auto put = [&](auto... values) { ((got += std::to_string(values) + " "), ...); };
    for (int block = 1; block <= 8; ++block) put(frame.BlockValid(block));
    put(frame.IsWide(), frame.LOP(), frame.MxL(), frame.KUG(), frame.KugLast(1), frame.KugLast(3),
        frame.BON(), frame.BIN(), frame.LN2(), frame.LIN(), frame.CEN(), frame.PRO(), frame.CENScaled(),
        frame.SoldCount(), frame.Kolo(), frame.VI(), frame.NovaSmena(), frame.BingoPhase(),
        frame.HintSwitch());
    for (int n : {0, 5})
      put(frame.FundMxL(n), frame.FND(n), frame.ProSer(n), frame.ProPoc(n), frame.ProEnd(n), frame.RLTk(n),
          frame.RLTkLop(n));
    for (int n : {0, 2}) put(frame.RLTkWait(n), frame.RLTkWaitLop(n));
    for (std::size_t ball = 1; ball <= 90; ++ball)
      if (frame.Drawn()[ball]) put(ball);
    EXPECT_EQ(got + frame.HallText(),
              "1 1 1 1 1 1 1 1 " + std::to_string(protokol >= 9) +
                  " 27 40 90 5 63 123456 60000 2500 5000 350.000000 1620 0.583333 595 "
                  "200 7 1 1 0 36 12340 1 1 270 812 1 46 999999 6 1620 1944 1203 2 "
                  "77 3 1944 4 1 8 9 90 SALA 1  ");
  }
}

}  // namespace
}  // namespace bingo::tools
