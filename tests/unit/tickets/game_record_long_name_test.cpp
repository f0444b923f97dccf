// The latest game record with a name too long to handle: nothing is filed,
// and the trace says why, once.

#include <gtest/gtest.h>

#include "support/fake_file_system.h"
#include "support/fakes.h"
#include "tickets/game_record_copy.h"

namespace bingo {
namespace {

TEST(GameRecordName, ATooLongLatestNameMovesNothingAndIsTracedOnce) {
  test::FakeFileSystem fs;
  test::FakeClock clock;
  fs.addFolder("C:\\Orma\\Bingo\\Arh\\Log");
  const std::string longName = "150102N1" + std::string(50, 'x') + ".DG";
  for (const std::string& name : {std::string("150101N1.DG"), longName})
    fs.addFile("\\\\SRV\\net\\" + name, std::vector<std::uint8_t>(GameRecord::kSize));
  Logs logs{fs, clock, "C:\\Orma\\Bingo\\ClientBingo.exe"};
  GameRecordCopy copy{fs, logs};
  ConsoleConfig config;
  config.NetDGEnabled = true;
  config.FoldersNet = "\\\\SRV\\net";
  for (int tick = 0; tick < 3; ++tick) copy.CheckGameOver_Copy(config, 3, 8, 'N');
  EXPECT_EQ(fs.count(FileOp::Move), 0);
  EXPECT_EQ(fs.text("C:\\Orma\\Bingo\\Arh\\Log\\261206.Txt").substr(10),
            "Predugo ime fajla igre, nije preuzet: " + longName + "\r\n");
}

}  // namespace
}  // namespace bingo
