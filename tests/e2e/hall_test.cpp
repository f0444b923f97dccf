// A hall end to end: the real console against the real simulator in a
// temporary folder (a root for the mapped Windows paths, a copy of the
// console with its own INI file and logs, a working folder holding net.ini),
// observed through the console's screen dump; every wait has a deadline.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <deque>
#include <functional>
#include <iostream>
#include <map>
#include <ranges>
#include <set>
#include <utility>

namespace bingo::e2e {
namespace {

constexpr int kStart = 30000, kStep = 10000;  // milliseconds
const QString kCellDrawn = "#b03030", kCellLastBall = "#e03030";

bool waitUntil(int milliseconds, const std::function<bool()>& done) {
  const QDeadlineTimer deadline(milliseconds);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents();
    QThread::msleep(10);
  }
  return true;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// One whole screen dump as the console wrote it (it replaces the file in one
// step); empty while there is none.
struct Dump {
  QJsonObject json;
  QString text(const QString& control) const { return json["controls"][control]["text"].toString(); }
  int number(const QString& control) const { return text(control).trimmed().toInt(); }  // empty: 0
  QString cell(int ball) const { return json["CifarskaBtn"][ball - 1]["bg"].toString(); }
};

// The simulator of the server "localhost" and consoles that poll every 10 ms,
// offscreen or on the hall's own bare X server (no window manager), each
// child's output in a file (nobody reads a pipe while a test polls).
class Hall {
 public:
  explicit Hall(bool onX = false) {
    for (const char* folder : {"root", "console", "run"}) QDir(m_top).mkpath(folder);
    m_environment.insert("BINGO_ROOT", m_top + "/root");
    m_environment.remove("BINGO_UNC_ROOT");
    m_environment.insert("BINGO_SCREEN_DUMP", m_top + "/screen.json");
    m_environment.insert("QT_QPA_PLATFORM", onX ? "xcb" : "offscreen");
    m_environment.insert("XDG_RUNTIME_DIR", m_top);  // the owner's alone, as a runtime folder must be
    // The console names its INI file and logs after its own executable, so
    // each hall runs its own copy; the files as a hall's Windows machine
    // writes them, with CR LF line ends.
    ready = QFile::copy(m_binaries + "/clientbingo", m_top + "/console/clientbingo") &&
            writeFile(m_top + "/console/clientbingo.ini", "[Timer]\r\nInterval=10\r\n") &&
            writeFile(m_top + "/run/net.ini", "localhost\r\n");
    if (!onX || !ready) return;
    // Xvfb picks a free display number and writes it.
    start("Xvfb", "-displayfd 1 -screen 0 1024x768x24 -nolisten tcp", "xvfb.out");
    ready = waitUntil(kStart, [&] { return read("xvfb.out").endsWith('\n'); });
    m_environment.insert("DISPLAY", ":" + read("xvfb.out").trimmed());
  }
  ~Hall() {
    // The newest first: consoles before the simulator they read (so none of
    // them sees its server stop), the X server last; any left are killed.
    for (QProcess& child : m_children | std::views::reverse) {
      child.terminate();
      child.waitForFinished(10000);
    }
    if (!::testing::Test::HasFailure()) return;
    m_temporary.setAutoRemove(false);
    std::cout << "kept the hall in " << m_top.toStdString() << "\nconsole output:\n"
              << read("console.out").toStdString() << "simulator output:\n"
              << read("simulator.out").toStdString();
  }
  bool ready = false;

  // The simulator makes the card file of game type 0 before its first frame,
  // which a console then finds.
  bool startSimulator(const QString& arguments) {
    start(m_binaries + "/bingo-server-sim", arguments, "simulator.out");
    return waitUntil(kStart, [&] { return QFile::exists(m_top + "/root/unc/localhost/net/Frame.dat"); });
  }
  QProcess& startConsole() { return start(m_top + "/console/clientbingo", {}, "console.out"); }
  // xdotool's output on the hall's display, trimmed; empty when it failed.
  QString xdotool(const QStringList& arguments) const {
    QProcess process;
    process.setProcessEnvironment(m_environment);
    process.start("xdotool", arguments);
    const bool done = process.waitForFinished(10000) && process.exitCode() == 0;
    return done ? QString::fromLatin1(process.readAllStandardOutput()).trimmed() : QString();
  }
  Dump dump() const { return {QJsonDocument::fromJson(read("screen.json").toUtf8()).object()}; }
  // A file below the hall's folder: "console/clientbingo.log", "simulator.out".
  QString read(const QString& name) const {
    QFile file(m_top + "/" + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  }

 private:
  QProcess& start(const QString& program, const QString& arguments, const QString& output) {
    QProcess& child = m_children.emplace_back();
    child.setProcessEnvironment(m_environment);
    child.setWorkingDirectory(m_top + "/run");
    child.setStandardOutputFile(m_top + "/" + output, QIODevice::Append);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(program, arguments.split(' ', Qt::SkipEmptyParts));
    child.waitForStarted(10000);
    return child;
  }
  QTemporaryDir m_temporary{QDir::tempPath() + "/bingo-e2e-XXXXXX"};
  QString m_binaries = qEnvironmentVariable("BINGO_E2E_BIN", BINGO_E2E_BIN_DIR), m_top = m_temporary.path();
  QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
  std::deque<QProcess> m_children;
};

// One round under torn writes, then the server's command file Off2.txt. The
// console shows only frames the server wrote (the balls drawn never go back,
// each count of balls has one last ball), ends the round with the whole board
// and a bingo ticket of the simulator in its rank list, and closes on the
// command file, which leaves its start and end lines in the run log.
TEST(EndToEnd, ARoundUnderTornWritesThenOff2ClosesTheConsole) {
  Hall hall;
  // The console starts during the pause before the first ball, so it sees the whole round.
  ASSERT_TRUE(hall.ready && hall.startSimulator("--games 1 --seed 11 --write-mode torn --torn-pause-ms 4 "
                                                "--ball-ms 20 --pause-ms 3000 --hold-ms 100 --off 2 "
                                                "--off-after-s 15 --off-hold-s 600"));
  QProcess& console = hall.startConsole();
  std::map<int, int> lastBallOfLop;
  QJsonValue tick = QJsonValue::Undefined;
  // Each new dump (one per tick that changed the screen); only the command file may close it.
  ASSERT_TRUE(waitUntil(60000, [&] {
    if (const Dump dump = hall.dump();
        dump.json["TimerCount"] != std::exchange(tick, dump.json["TimerCount"])) {
      const int lop = dump.number("LabelLOP"), kug = dump.number("LabelKUG");
      EXPECT_GE(lop, lastBallOfLop.empty() ? 0 : lastBallOfLop.rbegin()->first) << "balls drawn went back";
      EXPECT_EQ(lastBallOfLop.emplace(lop, kug).first->second, kug) << "two last balls at count " << lop;
    }
    return console.state() == QProcess::NotRunning;
  })) << "Off2.txt did not close the console";
  ASSERT_TRUE(console.exitStatus() == QProcess::NormalExit && console.exitCode() == 0);
  // The simulator's "round N: bingo at ball B, tickets T..." line.
  const QRegularExpressionMatch end =
      QRegularExpression(R"(\nround \d+: bingo at ball (\d+), tickets? ([\d ]+))")
          .match(hall.read("simulator.out"));
  const Dump last = hall.dump();
  const int balls = end.captured(1).toInt();
  ASSERT_TRUE(end.hasMatch());
  ASSERT_EQ(last.number("LabelLOP"), balls) << "it closed before the round's last ball";
  const auto drawn = [&](int ball) {
    return QStringList{kCellDrawn, kCellLastBall}.contains(last.cell(ball));
  };
  EXPECT_EQ(std::ranges::count_if(std::views::iota(1, 91), drawn), balls);
  EXPECT_EQ(last.cell(last.number("LabelKUG")), kCellLastBall);
  // No last ball at count 0; after it each a drawn ball, none shown at two counts.
  std::set<int> lastBalls;
  for (const auto& [lop, kug] : lastBallOfLop)
    EXPECT_TRUE(lop == 0 ? kug == 0 : drawn(kug) && lastBalls.insert(kug).second) << lop << ": " << kug;
  // Enough of the round seen for the checks to mean something.
  EXPECT_GE(lastBallOfLop.size(), static_cast<std::size_t>(balls / 2));
  // A bingo ticket of the simulator among the six of the rank list.
  const QStringList winners = end.captured(2).split(' ', Qt::SkipEmptyParts);
  EXPECT_TRUE(std::ranges::any_of(std::views::iota(1, 7), [&](int row) {
    return winners.contains(last.text(QString("LabelRLTk%1").arg(row)).trimmed());
  })) << end.captured(0).toStdString();
  // The run log: the start line naming the console's path, then the end line, each after its time stamp.
  const QString log = hall.read("console/clientbingo.log");
  EXPECT_TRUE(log.contains(QRegularExpression(
      R"(^\d\d:\d\d:\d\d:\d\d\d RUN Bingo \S*/clientbingo\r\n\d\d:\d\d:\d\d:\d\d\d END Bingo\r\n\z)")))
      << log.toStdString();
}

// A cashier whose only input is a numeric keypad, at a console whose X
// session runs nothing else: the console starts on a bare X server, nobody
// clicks, and the keys arrive as the X server delivers them, typed ahead of
// the boxes they open and close, fast (1 ms a key) and slowly (100 ms a key).
// After every line the screen dump must show what a cashier expects, the same
// at either speed.
TEST(ConsoleKeypad, KeysTypedAheadOfTheBoxesLandWhereTheyWereMeant) {
  if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
    GTEST_SKIP() << "Xvfb or xdotool is not installed";
  // Keys as a keypad sends them: digits, "*" (erase), "-", Enter; E Escape,
  // N the close key F9 (its question answered by Enter: No), S the Alt S key F5.
  const std::map<QChar, QString> names{{'*', "KP_Multiply"}, {'-', "KP_Subtract"}, {'\n', "KP_Enter"},
                                       {'E', "Escape"},      {'N', "F9"},          {'S', "F5"}};
  // What the dump shows of the entry: ranges, count, the memo's "U: " lines
  // and the two fields.
  const auto shown = [](const Dump& dump) {
    QStringList ranges, entries;
    for (int slot = 1; slot <= 10; ++slot)
      if (const QString first =
              dump.text(slot == 3 ? "LabelTkKUpPoc3" : QString("LabelTkKupPoc%1").arg(slot));
          !first.isEmpty())
        ranges << first + "-" + dump.text(QString("LabelTkKupEnd%1").arg(slot));
    for (const QJsonValue& line : dump.json["MemoINFO"]["lines"].toArray())
      if (line.toString().startsWith("U: ")) entries << line.toString().mid(3);
    return ranges.join(' ') + " ; " + dump.text("LabelTkKupCount") + " ; " + entries.join('|') + " ; " +
           dump.text("EditKupPoc") + "/" + dump.text("EditKupEnd");
  };
  // Entries, "*" erasing the digit before it, deletions in two boxes (which
  // also drop the bought tickets the server has not sold; seed 11 sells
  // neither 258-338 nor 1181-1268), an error box for a number out of range
  // closed by Enter before the first box asks again, and boxes left by
  // Escape and No, which leave nothing behind.
  const struct {
    const char *keys, *shown;
  } steps[] = {
      {"258\n338\n", "258-338 ; 81 ; 258 338"},
      {"11289*\n1188\n", "258-338 1128-1188 ; 142 ; 258 338|1128 1188"},
      {"1158\n1268\n-1140\n1150\n", "1128-1139 1151-1180 ; 42 ; 258 338|1128 1188|1158 1268"},
      {"-99999\n\n1151\n1155\n20\n30\n",
       "20-30 1128-1139 1156-1180 ; 48 ; 258 338|1128 1188|1158 1268|20 30"},
      {"-E40\nN\n45\nS50\n55\n",
       "20-30 40-45 50-55 1128-1139 1156-1180 ; 60 ; 258 338|1128 1188|1158 1268|20 30|40 45|50 55"},
  };
  for (const int delay : {100, 1}) {
    SCOPED_TRACE(delay);
    Hall hall(true);
    // A long pause before the first ball: the tickets are sold and nothing is drawn.
    ASSERT_TRUE(hall.ready && hall.startSimulator("--seed 11 --pause-ms 600000"));
    hall.startConsole();
    ASSERT_TRUE(waitUntil(kStart, [&] { return !hall.dump().text("LabelProPoc1").isEmpty(); }))
        << "the console never showed the server's first frame";
    for (const auto& step : steps) {
      SCOPED_TRACE(step.keys);
      QStringList keys{"key", "--delay", QString::number(delay)};
      for (const QChar c : QString(step.keys)) keys << (c.isDigit() ? QString(c) : names.at(c));
      hall.xdotool(keys);
      const QString expected = QString(step.shown) + " ; /";
      QString last;
      waitUntil(kStep, [&] { return (last = shown(hall.dump())) == expected; });
      ASSERT_EQ(last.toStdString(), expected.toStdString());
    }
  }
}

}  // namespace
}  // namespace bingo::e2e

// QProcess wants an application object, which needs no display.
int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
