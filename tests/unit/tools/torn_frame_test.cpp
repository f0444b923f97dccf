#include <gtest/gtest.h>

#include <fstream>

#include "common/card_generator.h"
#include "common/hall_game.h"
#include "common/host_files.h"
#include "common/share_output.h"
#include "frame/frame.h"
#include "unit/platform/temp_folder.h"

namespace bingo::tools {
namespace {

// A console reading between the ranges of a torn write accepts each block
// either as it was or as it becomes, never a mixture, and holds the whole new
// record after the write.
TEST(TornFrame, AConsoleReadingMidWriteAcceptsOnlyWholeBlocks) {
  test::TempFolder tmp;
  const std::string file = tmp / "Frame.dat";
  for (std::uint8_t protokol : {std::uint8_t{8}, std::uint8_t{9}}) {
    HallSettings settings;
    settings.protokol = protokol;
    HallGame game(settings, generateCards(1944, 1), 3);
    game.startRound();
    for (int i = 0; i < 30; ++i) game.drawBall();
    const FrameRecord before = encodeFrame(game.frame());
    game.drawBall();
    const FrameRecord after = encodeFrame(game.frame());

    HostFiles files;
    ASSERT_TRUE(files.writeAtomic(file, before));
    NullFrameEffects effects;
    Frame console(effects);
    const auto read = [&] {
      console.keepPrevious();
      std::ifstream(file, std::ios::binary)
          .read(reinterpret_cast<char*>(console.readCopy().data()), kFrameSize);
      console.acceptReadCopy();
    };
    read();
    read();  // the second read is tested against the layout the first accepted
    ASSERT_EQ(console.accepted(), before);

    int rejected = 0;
    ASSERT_TRUE(files.writeTorn(file, after, HostShare::kTornRange, [&] {
      read();
      for (std::size_t block = 0; block < 8; ++block) {
        const auto at = [&](const auto& r) {
          return r.begin() + static_cast<std::ptrdiff_t>(block * kBlockSize);
        };
        EXPECT_TRUE(std::equal(at(before), at(before) + kBlockSize, at(console.accepted())) ||
                    std::equal(at(after), at(after) + kBlockSize, at(console.accepted())))
            << "protocol " << int{protokol} << " block " << block + 1;
        if (!console.BlockValid(static_cast<int>(block) + 1)) ++rejected;
      }
    }));
    read();
    EXPECT_EQ(console.accepted(), after);
    EXPECT_GT(rejected, 0) << "no read met a torn block";
  }
}

}  // namespace
}  // namespace bingo::tools
