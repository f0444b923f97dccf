#include <gtest/gtest.h>

#include "common/sim_options.h"

namespace bingo::tools {
namespace {

TEST(SimOptions, ReadsTheHallsValuesAndRefusesWhatTheRecordCannotTake) {
  const auto parsed =
      parseSimOptions({"--language", "a", "--write-mode", "torn", "--protocol", "9", "--game-type", "3",
                       "--price", "120000", "--seed", "18446744073709551"});
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.options.language, 'A');
  EXPECT_EQ(parsed.options.writeMode, WriteMode::Torn);
  EXPECT_EQ(parsed.options.hall.gameType, 3);
  EXPECT_EQ(parsed.options.hall.price, 120000u);
  EXPECT_EQ(parsed.options.seed, 18446744073709551u);
  EXPECT_EQ(parseSimOptions({}).options.writeMode, WriteMode::InPlace);

  const std::pair<std::vector<std::string>, const char*> refused[] = {
      {{"--game-type", "3"}, "game type 3 (24192 tickets) needs the wide layout"},
      {{"--price", "10000"}, "at most 9999"},
      {{"--off", "4"}, "bad value for --off: 4"},
      {{"--games"}, "--games needs a value"},
      {{"--fast"}, "unknown option --fast"},
  };
  for (const auto& [args, error] : refused)
    EXPECT_NE(parseSimOptions(args).error.find(error), std::string::npos) << args[0];
}

}  // namespace
}  // namespace bingo::tools
