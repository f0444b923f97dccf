// A server name that does not resolve must not freeze the window: the name
// lookup is bounded, each tick counts one failed ping and the ticks go on.

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "hall.h"

namespace bingo::e2e {
namespace {

constexpr Millis kConsoleStart{30000};
// At 10 ms per tick, 100 ticks take about a second; a lookup that blocked
// for seconds would need minutes.
constexpr Millis kHundredTicks{15000};

struct PingCounters {
  int reachable = -1, ok = -1, failed = -1;
};

// "reachable : ok : failed", as LblTest_Info_LAN_PCSR_Cont shows them.
std::optional<PingCounters> pingCounters(const ScreenDump& dump) {
  static const QRegularExpression form(QStringLiteral(R"(^(\d+) : (\d+) : (\d+)$)"));
  const QRegularExpressionMatch match = form.match(dump.text("LblTest_Info_LAN_PCSR_Cont"));
  if (!match.hasMatch()) return std::nullopt;
  return PingCounters{match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt()};
}

TEST(ConsoleNetwork, AServerNameThatDoesNotResolveKeepsTheTicksGoing) {
  Hall hall(QStringLiteral("nohost.invalid"));
  ASSERT_TRUE(hall.ready());
  ASSERT_TRUE(hall.startConsole().started());

  std::optional<ScreenDump> first;
  ASSERT_TRUE(hall.watchDumps(kConsoleStart, [&](const ScreenDump& dump) {
    first = dump;
    return dump.number("LblTest_Info_Timer_Count") >= 1;
  })) << "the console never ticked";
  const int firstTicks = first->number("LblTest_Info_Timer_Count");
  const auto before = pingCounters(*first);
  ASSERT_TRUE(before) << first->text("LblTest_Info_LAN_PCSR_Cont").toStdString();

  std::optional<ScreenDump> later;
  ASSERT_TRUE(hall.watchDumps(kHundredTicks,
                              [&](const ScreenDump& dump) {
                                later = dump;
                                return dump.number("LblTest_Info_Timer_Count") >= firstTicks + 100;
                              }))
      << "ticks stalled at " << (later ? later->number("LblTest_Info_Timer_Count") : 0);
  const auto after = pingCounters(*later);
  ASSERT_TRUE(after) << later->text("LblTest_Info_LAN_PCSR_Cont").toStdString();
  EXPECT_EQ(after->reachable, 0);
  EXPECT_EQ(after->ok, 0);
  EXPECT_GE(after->failed - before->failed, 100);
  EXPECT_EQ(later->text("LblTest_Info_LAN_PCSR_Name"), "nohost.invalid");
}

}  // namespace
}  // namespace bingo::e2e
