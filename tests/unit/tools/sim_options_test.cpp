#include <gtest/gtest.h>

#include "common/sim_options.h"

namespace bingo::tools {
namespace {

TEST(SimOptions, ReadsValuesAsTheHallNeedsThem) {
  const auto parsed =
      parseSimOptions({"--language", "a", "--write-mode", "torn", "--protocol", "9", "--game-type", "3",
                       "--price", "120000", "--kolo", "255", "--seed", "18446744073709551"});
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.options.language, 'A');
  EXPECT_EQ(parsed.options.writeMode, WriteMode::Torn);
  EXPECT_EQ(parsed.options.hall.gameType, 3);
  EXPECT_EQ(parsed.options.hall.price, 120000u);
  EXPECT_EQ(parsed.options.hall.firstKolo, 255);
  EXPECT_EQ(parsed.options.seed, 18446744073709551u);
  EXPECT_EQ(parseSimOptions({}).options.writeMode, WriteMode::InPlace);
  const auto removing = parseSimOptions({"--language", "none", "--game-kinds", "none"});
  EXPECT_TRUE(removing.options.removeLanguage);
  EXPECT_TRUE(removing.options.removeGameKinds);
  EXPECT_EQ(removing.options.gameKindsFile, "");
  EXPECT_EQ(parseSimOptions({"--frame-log", "/tmp/frames.log"}).options.frameLog, "/tmp/frames.log");
}

TEST(SimOptions, RefusesWhatTheRecordOrTheShareCannotTake) {
  struct Row {
    std::vector<std::string> args;
    const char* error;
  };
  const Row rows[] = {
      {{"--game-type", "3"}, "game type 3 (24192 tickets) needs the wide layout"},
      {{"--price", "10000"}, "at most 9999"},
      {{"--off", "4"}, "bad value for --off: 4"},
      {{"--kolo", "0"}, "bad value for --kolo"},
      {{"--price-decimals", "3"}, "bad value"},
      {{"--write-mode", "slow"}, "bad value"},
      {{"--language", "X"}, "bad value"},
      {{"--hall", "NINE CHAR"}, "bad value"},
      {{"--server", "a\\b"}, "bad value"},
      {{"--city-letter", "*"}, "bad value"},
      {{"--ball-ms", "-1"}, "bad value"},
      {{"--games", "2x"}, "bad value"},
      {{"--games"}, "--games needs a value"},
      {{"--frame-log", ""}, "bad value"},
      {{"--fast"}, "unknown option --fast"},
  };
  for (const auto& row : rows) {
    const auto parsed = parseSimOptions(row.args);
    EXPECT_NE(parsed.error.find(row.error), std::string::npos) << row.args[0] << ": " << parsed.error;
  }
}

}  // namespace
}  // namespace bingo::tools
