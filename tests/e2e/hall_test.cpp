// A hall end to end: the real console (offscreen) against the real simulator,
// observed through the console's screen dump.

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <map>

#include "hall.h"

namespace bingo::e2e {
namespace {

constexpr Millis kStart{30000};

// The simulator pauses between the 16-byte ranges of every write, so the
// console often reads a frame whose blocks are half old and half new. A block
// whose checksum fails keeps its old contents: the balls drawn and the last
// ball (one block) always come from the same write, and the board ends
// showing every drawn ball and the server's rank list naming the winner.
TEST(EndToEnd, AGameUnderTornWritesShowsOnlyWhatTheServerWrote) {
  Hall hall;
  ASSERT_TRUE(hall.ready && hall.makeCards());
  // The console is up before the first ball, so it sees the whole game.
  ASSERT_TRUE(hall.startConsole().started);
  ASSERT_TRUE(waitUntil(kStart, [&] { return hall.dump() && hall.dump()->tick() > 0; }));
  ASSERT_TRUE(hall.startSimulator({"--games", "1", "--seed", "11", "--write-mode", "torn", "--torn-pause-ms",
                                   "4", "--ball-ms", "20", "--pause-ms", "200", "--hold-ms", "100"})
                  .started);
  std::map<int, std::set<int>> lastBallsOfLop;
  int lop = 0;
  std::optional<RoundEnd> end;
  std::optional<Dump> last;
  const auto observe = [&](const Dump& dump) {
    EXPECT_GE(dump.number("LabelLOP"), lop) << "balls drawn went back";
    lop = dump.number("LabelLOP");
    lastBallsOfLop[lop].insert(dump.number("LabelKUG"));
    last = dump;
  };
  ASSERT_TRUE(hall.watch(Millis(90000), [&](const Dump& dump) {
    observe(dump);
    if (!end) end = bingoOfFirstRound(hall.read("simulator.out"));
    return end && lop == end->bingoBall;
  })) << "the console never showed the round's last ball";
  // The labels show a frame from the tick after its read; the board may be a
  // tick ahead of them or, under torn writes, a few reads behind.
  const auto balls = static_cast<std::size_t>(end->bingoBall);
  hall.watch(Millis(5000), [&](const Dump& dump) {
    observe(dump);
    return dump.drawnCells().size() == balls;
  });

  const std::set<int> drawn = last->drawnCells();
  EXPECT_EQ(drawn.size(), balls);
  for (int ball = 1; ball <= 90; ++ball)
    EXPECT_TRUE(last->cell(ball) == (ball == last->number("LabelKUG") ? kCellLastBall
                                     : drawn.count(ball)              ? kCellDrawn
                                                                      : kCellGrey))
        << ball;
  std::map<int, int> lopOfBall;
  for (const auto& [count, kugs] : lastBallsOfLop) {
    ASSERT_EQ(kugs.size(), 1u) << "one count of balls shown with different last balls: " << count;
    const int kug = *kugs.begin();
    EXPECT_EQ(count == 0, kug == 0);
    EXPECT_TRUE(kug == 0 || (drawn.count(kug) && lopOfBall.emplace(kug, count).second)) << kug;
  }
  // Enough of the game seen for the checks to mean something.
  EXPECT_GE(lastBallsOfLop.size(), balls / 2);
  bool winnerRanked = false;
  for (int row = 1; row <= 6; ++row)
    for (int ticket : end->winners) winnerRanked |= last->number(QString("LabelRLTk%1").arg(row)) == ticket;
  EXPECT_TRUE(winnerRanked) << "no bingo ticket of the simulator in the rank list";
}

// The server's command file Off2.txt closes the console, which leaves its
// start and end lines in the run log; while the file stays, a console started
// again closes again.
TEST(EndToEnd, Off2ClosesTheConsoleAndAgainAfterARestart) {
  Hall hall;
  ASSERT_TRUE(hall.ready && hall.makeCards());
  ASSERT_TRUE(hall.startSimulator({"--ball-ms", "200", "--pause-ms", "100", "--hold-ms", "200", "--off", "2",
                                   "--off-after-s", "3", "--off-hold-s", "600"})
                  .started);
  ASSERT_TRUE(waitUntil(kStart, [&] { return QFile::exists(hall.shareFile("Frame.dat")); }));
  Child& first = hall.startConsole();
  // Only the command file may close it.
  ASSERT_TRUE(
      waitUntil(kStart, [&] { return !first.running() || QFile::exists(hall.shareFile("Off2.txt")); }));
  ASSERT_TRUE(first.running()) << "the console ended before the server asked it to";
  ASSERT_TRUE(first.waitForExit(Millis(40000)) && first.exitedNormally())
      << "Off2.txt did not close the console";
  // The command files are looked at every 100th tick, after a good frame read.
  EXPECT_GE(hall.dump()->tick(), 100);
  Child& second = hall.startConsole();
  EXPECT_TRUE(second.waitForExit(Millis(40000)) && second.exitedNormally());
  // The run log's lines without their time stamps.
  QString log = hall.read("console/clientbingo.log");
  log.replace(QRegularExpression(R"((^|\n)\d\d:\d\d:\d\d:\d\d\d )"), "\\1");
  log.replace(QRegularExpression(R"(RUN Bingo \S*/clientbingo\r\n)"), "RUN\n");
  EXPECT_EQ(log.toStdString(), "RUN\nEND Bingo\r\nRUN\nEND Bingo\r\n");
}

// A server name that does not resolve must not freeze the window: the name
// lookup is bounded, each tick counts one failed ping and the ticks go on.
TEST(EndToEnd, AServerNameThatDoesNotResolveKeepsTheTicksGoing) {
  Hall hall("nohost.invalid");
  ASSERT_TRUE(hall.ready && hall.startConsole().started);
  std::optional<Dump> first, later;
  ASSERT_TRUE(hall.watch(
      kStart, [&](const Dump& dump) { return (first = dump)->number("LblTest_Info_Timer_Count") >= 1; }));
  // At 10 ms per tick, 100 ticks take about a second; a lookup that blocked
  // for seconds would need minutes.
  const int ticks = first->number("LblTest_Info_Timer_Count");
  ASSERT_TRUE(hall.watch(Millis(15000), [&](const Dump& dump) {
    return (later = dump)->number("LblTest_Info_Timer_Count") >= ticks + 100;
  }));
  // "reachable : ok : failed"
  const auto failed = [](const Dump& dump) {
    const QStringList counters = dump.text("LblTest_Info_LAN_PCSR_Cont").split(" : ");
    return counters.size() == 3 && counters[0] == "0" && counters[1] == "0" ? counters[2].toInt() : -1;
  };
  EXPECT_GE(failed(*first), 0) << first->text("LblTest_Info_LAN_PCSR_Cont").toStdString();
  EXPECT_GE(failed(*later) - failed(*first), 100) << later->text("LblTest_Info_LAN_PCSR_Cont").toStdString();
  EXPECT_EQ(later->text("LblTest_Info_LAN_PCSR_Name").toStdString(), "nohost.invalid");
}

}  // namespace
}  // namespace bingo::e2e
