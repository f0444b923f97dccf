#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/card_generator.h"
#include "common/hall_game.h"
#include "common/host_files.h"
#include "common/share_output.h"
#include "frame/frame.h"
#include "unit/platform/temp_folder.h"

namespace bingo::tools {
namespace {

FrameBytes readHostFrame(const std::string& file) {
  FrameBytes bytes{};
  std::ifstream(file, std::ios::binary).read(reinterpret_cast<char*>(bytes.data()), bytes.size());
  return bytes;
}

bool sameBlock(const FrameBytes& a, const FrameRecord& b, int block) {
  const auto start = static_cast<std::ptrdiff_t>(kBlockSize * static_cast<std::size_t>(block - 1));
  return std::equal(a.begin() + start, a.begin() + start + kBlockSize, b.begin() + start);
}

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
      console.readCopy() = readHostFrame(file);
      console.acceptReadCopy();
    };
    read();
    read();  // the second read is tested against the layout the first accepted
    ASSERT_EQ(console.accepted(), before);

    int rejected = 0;
    ASSERT_TRUE(files.writeTorn(file, after, HostShare::kTornRange, [&] {
      read();
      for (int block = 1; block <= 8; ++block) {
        EXPECT_TRUE(sameBlock(console.accepted(), before, block) ||
                    sameBlock(console.accepted(), after, block))
            << "protocol " << int{protokol} << " block " << block;
        if (!console.BlockValid(block)) ++rejected;
      }
    }));
    read();
    EXPECT_EQ(console.accepted(), after);
    EXPECT_GT(rejected, 0) << "no read met a torn block";
  }
}

}  // namespace
}  // namespace bingo::tools
