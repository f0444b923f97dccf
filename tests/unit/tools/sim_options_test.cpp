#include <gtest/gtest.h>

#include "common/sim_options.h"

namespace bingo::tools {
namespace {

TEST(SimOptions, DefaultsAreAHallOfProtocol8WritingInPlace) {
  const auto parsed = parseSimOptions({});
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.options.server, "localhost");
  EXPECT_EQ(parsed.options.ballMs, 1500);
  EXPECT_EQ(parsed.options.hall.protokol, 8);
  EXPECT_EQ(parsed.options.hall.price, 100u);
  EXPECT_EQ(parsed.options.writeMode, WriteMode::InPlace);
  EXPECT_EQ(parsed.options.cityLetter, 'N');
  EXPECT_FALSE(parsed.options.seed);
}

TEST(SimOptions, ReadsEveryOption) {
  const auto parsed = parseSimOptions({"--server",
                                       "SRV7",
                                       "--games",
                                       "3",
                                       "--seed",
                                       "99",
                                       "--ball-ms",
                                       "50",
                                       "--pause-ms",
                                       "200",
                                       "--hold-ms",
                                       "0",
                                       "--protocol",
                                       "9",
                                       "--game-type",
                                       "3",
                                       "--price",
                                       "120",
                                       "--price-decimals",
                                       "1",
                                       "--per-ticket",
                                       "1",
                                       "--kolo",
                                       "250",
                                       "--hall",
                                       "SALA 7",
                                       "--hints-off",
                                       "--write-mode",
                                       "torn",
                                       "--torn-pause-ms",
                                       "5",
                                       "--off",
                                       "2",
                                       "--off-after-s",
                                       "60",
                                       "--off-hold-s",
                                       "15",
                                       "--language",
                                       "a",
                                       "--game-kinds",
                                       "kinds.txt",
                                       "--dg",
                                       "--city-letter",
                                       "B"});
  ASSERT_EQ(parsed.error, "");
  const SimOptions& o = parsed.options;
  EXPECT_EQ(o.server, "SRV7");
  EXPECT_EQ(o.games, 3);
  EXPECT_EQ(o.seed, 99u);
  EXPECT_EQ(o.ballMs, 50);
  EXPECT_EQ(o.pauseMs, 200);
  EXPECT_EQ(o.holdMs, 0);
  EXPECT_EQ(o.hall.protokol, 9);
  EXPECT_EQ(o.hall.gameType, 3);
  EXPECT_EQ(o.hall.price, 120u);
  EXPECT_EQ(o.hall.priceDecimals, 1);
  EXPECT_EQ(o.hall.perTicket, 1);
  EXPECT_EQ(o.hall.firstKolo, 250);
  EXPECT_EQ(o.hall.hallText, "SALA 7");
  EXPECT_TRUE(o.hall.hintsOff);
  EXPECT_EQ(o.writeMode, WriteMode::Torn);
  EXPECT_EQ(o.tornPauseMs, 5);
  EXPECT_EQ(o.off, 2);
  EXPECT_EQ(o.offAfterS, 60);
  EXPECT_EQ(o.offHoldS, 15);
  EXPECT_EQ(o.language, 'A');
  EXPECT_EQ(o.gameKindsFile, "kinds.txt");
  EXPECT_TRUE(o.dg);
  EXPECT_EQ(o.cityLetter, 'B');
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
      {{"--fast"}, "unknown option --fast"},
  };
  for (const auto& row : rows) {
    const auto parsed = parseSimOptions(row.args);
    EXPECT_NE(parsed.error.find(row.error), std::string::npos) << row.args[0] << ": " << parsed.error;
  }
  EXPECT_EQ(parseSimOptions({"--protocol", "9", "--game-type", "3", "--price", "10000"}).error, "");
  EXPECT_TRUE(parseSimOptions({"--help"}).help);
  const auto removing = parseSimOptions({"--language", "none", "--game-kinds", "none"});
  EXPECT_TRUE(removing.options.removeLanguage);
  EXPECT_TRUE(removing.options.removeGameKinds);
  EXPECT_EQ(removing.options.gameKindsFile, "");
}

}  // namespace
}  // namespace bingo::tools
