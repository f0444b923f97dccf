// The server's command file Off2.txt closes the console program, which leaves
// its start and end lines in the run log; while the file stays, a console
// started again closes again.

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "hall.h"

namespace bingo::e2e {
namespace {

constexpr Millis kFrame{30000};
constexpr Millis kClose{40000};

// The run log's lines without their time stamps ("HH:MM:SS:mmm ").
QStringList runLogEntries(const QString& log) {
  static const QRegularExpression stamp(QStringLiteral(R"(^\d\d:\d\d:\d\d:\d\d\d )"));
  QStringList entries;
  for (const QString& line : log.split(QRegularExpression("\r?\n"), Qt::SkipEmptyParts)) {
    const QRegularExpressionMatch match = stamp.match(line);
    entries << (match.hasMatch() ? line.mid(match.capturedLength()) : "unstamped: " + line);
  }
  return entries;
}

TEST(ConsoleCommands, Off2ClosesTheConsoleAndAgainAfterARestart) {
  Hall hall;
  ASSERT_TRUE(hall.ready());
  ASSERT_TRUE(hall.makeCards());
  ASSERT_TRUE(hall.startSimulator({"--ball-ms", "200", "--pause-ms", "100", "--hold-ms", "200", "--off", "2",
                                   "--off-after-s", "3", "--off-hold-s", "600"})
                  .started());
  ASSERT_TRUE(waitUntil(kFrame, [&] { return QFile::exists(hall.shareFile("Frame.dat")); }));

  Child& first = hall.startConsole();
  ASSERT_TRUE(first.started());
  // Only the command file may close it.
  ASSERT_TRUE(waitUntil(kFrame, [&] {
    EXPECT_TRUE(first.running()) << "the console ended before the server asked it to";
    return HasFailure() || QFile::exists(hall.shareFile("Off2.txt"));
  }));
  ASSERT_FALSE(HasFailure());
  ASSERT_TRUE(first.waitForExit(kClose)) << "Off2.txt did not close the console";
  EXPECT_TRUE(first.exitedNormally());
  const auto seenByFirst = hall.dump();
  ASSERT_TRUE(seenByFirst);
  // The command files are looked at every 100th tick, after a good frame read.
  EXPECT_GE(seenByFirst->timerCount(), 100);

  Child& second = hall.startConsole();
  ASSERT_TRUE(second.started());
  ASSERT_TRUE(second.waitForExit(kClose)) << "a console started while Off2.txt exists kept running";
  EXPECT_TRUE(second.exitedNormally());

  const QStringList entries = runLogEntries(hall.runLog());
  ASSERT_EQ(entries.size(), 4) << hall.runLog().toStdString();
  for (int run = 0; run < 2; ++run) {
    EXPECT_TRUE(entries[2 * run].startsWith("RUN Bingo ")) << entries[2 * run].toStdString();
    EXPECT_TRUE(entries[2 * run].endsWith("clientbingo")) << entries[2 * run].toStdString();
    EXPECT_EQ(entries[2 * run + 1], "END Bingo");
  }
}

}  // namespace
}  // namespace bingo::e2e
