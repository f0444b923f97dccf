// A hall end to end: the real console against the real simulator in a
// temporary folder (a root for the mapped Windows paths, a copy of the
// console with its own INI file and logs, a working folder holding net.ini),
// observed through the console's screen dump; every wait has a deadline.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <set>
#include <thread>

namespace bingo::e2e {
namespace {

using Millis = std::chrono::milliseconds;
constexpr Millis kStart{30000};
const QString kCellGrey = "#a0a0a4", kCellDrawn = "#b03030", kCellLastBall = "#e03030";

bool waitUntil(Millis timeout, const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(Millis(10));
  }
}

// One whole screen dump as the console wrote it.
struct Dump {
  QJsonObject json;
  int tick() const { return json.value("TimerCount").toInt(); }
  QString text(const QString& control) const {
    return json.value("controls").toObject().value(control).toObject().value("text").toString();
  }
  int number(const QString& control) const { return text(control).trimmed().toInt(); }  // empty: 0
  QString cell(int ball) const {
    return json.value("CifarskaBtn").toArray().at(ball - 1).toObject().value("bg").toString();
  }
  std::set<int> drawnCells() const {
    std::set<int> balls;
    for (int ball = 1; ball <= 90; ++ball)
      if (cell(ball) == kCellDrawn || cell(ball) == kCellLastBall) balls.insert(ball);
    return balls;
  }
};

// A child process whose output goes to a file (nobody reads a pipe while a
// test polls); SIGTERM, then SIGKILL, when dropped.
struct Child {
  QProcess process;
  bool started = false;
  Child(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
        const QString& folder, const QString& output) {
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.setStandardOutputFile(output, QIODevice::Append);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    started = process.waitForStarted(10000);
  }
  ~Child() {
    if (!running()) return;
    process.terminate();
    if (!waitForExit(Millis(10000))) {
      process.kill();
      process.waitForFinished(10000);
    }
  }
  bool running() { return process.state() != QProcess::NotRunning && !process.waitForFinished(0); }
  bool waitForExit(Millis timeout) {
    return waitUntil(timeout, [this] { return !running(); });
  }
  bool exitedNormally() const {
    return process.state() == QProcess::NotRunning && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
  }
};

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// `server` is the first line of net.ini; consoles run on `display`, or
// offscreen without one, and poll every 10 ms.
class Hall {
 public:
  explicit Hall(const QString& server = "localhost", const QString& display = {})
      : m_server(server), m_display(display), m_top(m_temporary.path()), m_root(m_top + "/root") {
    for (const char* folder : {"root", "console", "run", "xdg"})
      if (!QDir(m_top).mkpath(folder)) return;
    QFile::setPermissions(m_top + "/xdg", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // The console names its INI file and logs after its own executable, so
    // each hall runs its own copy: a hard link where the file system allows one.
    const std::string from = (m_binaries + "/clientbingo").toStdString();
    const std::string to = (m_top + "/console/clientbingo").toStdString();
    std::error_code error;
    std::filesystem::create_hard_link(from, to, error);
    if (error && !std::filesystem::copy_file(from, to, error)) return;
    // As a hall's Windows machine writes them: CR LF line ends.
    ready = writeFile(m_top + "/console/clientbingo.ini", "[Timer]\r\nInterval=10\r\n") &&
            writeFile(m_top + "/run/net.ini", (server + "\r\n").toLatin1());
  }
  ~Hall() {
    m_consoles.clear();  // consoles first, so none of them sees its server stop
    m_simulators.clear();
    if (!::testing::Test::HasFailure()) return;
    m_temporary.setAutoRemove(false);
    std::cout << "kept the hall in " << m_top.toStdString() << "\nconsole output:\n"
              << read("console.out").toStdString() << "simulator output:\n"
              << read("simulator.out").toStdString();
  }
  bool ready = false;

  bool makeCards() {  // the card file of game type 0
    const QString folder = m_root + "/c/Orma/Bingo/Arh/CfgW";
    std::vector<std::unique_ptr<Child>> tools;
    return QDir().mkpath(folder) &&
           start(tools, m_binaries + "/ticket-base",
                 {"generate", "--cards", "1944", "--seed", "1944", folder + "/A1944.3x5"}, "ticket-base.out")
               .waitForExit(Millis(30000)) &&
           tools.back()->exitedNormally();
  }
  Child& startSimulator(QStringList arguments) {
    return start(m_simulators, m_binaries + "/bingo-server-sim", arguments << "--server" << m_server,
                 "simulator.out");
  }
  Child& startConsole() { return start(m_consoles, m_top + "/console/clientbingo", {}, "console.out"); }
  std::optional<Dump> dump() const {
    QFile file(m_top + "/screen.json");
    const QJsonDocument document =
        QJsonDocument::fromJson(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    return document.isObject() ? std::optional<Dump>(Dump{document.object()}) : std::nullopt;
  }
  // Hands each new dump to `seen` until it returns true.
  bool watch(Millis timeout, const std::function<bool(const Dump&)>& seen) {
    int lastTick = -1;
    return waitUntil(timeout, [&] {
      const std::optional<Dump> now = dump();
      if (!now || now->tick() == lastTick) return false;
      lastTick = now->tick();
      return seen(*now);
    });
  }
  QString shareFile(const QString& name) const { return m_root + "/unc/" + m_server + "/net/" + name; }
  // A file below the hall's folder: "console/clientbingo.log", "simulator.out".
  QString read(const QString& name) const {
    QFile file(m_top + "/" + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  }

 private:
  Child& start(std::vector<std::unique_ptr<Child>>& group, const QString& program,
               const QStringList& arguments, const QString& output) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("BINGO_ROOT", m_root);
    environment.remove("BINGO_UNC_ROOT");
    environment.insert("BINGO_SCREEN_DUMP", m_top + "/screen.json");
    environment.insert("QT_QPA_PLATFORM", m_display.isEmpty() ? "offscreen" : "xcb");
    if (!m_display.isEmpty()) environment.insert("DISPLAY", m_display);
    environment.insert("XDG_RUNTIME_DIR", m_top + "/xdg");
    group.push_back(
        std::make_unique<Child>(program, arguments, environment, m_top + "/run", m_top + "/" + output));
    return *group.back();
  }
  QTemporaryDir m_temporary{QDir::tempPath() + "/bingo-e2e-XXXXXX"};
  QString m_server, m_display, m_binaries = qEnvironmentVariable("BINGO_E2E_BIN", BINGO_E2E_BIN_DIR), m_top,
                               m_root;
  std::vector<std::unique_ptr<Child>> m_consoles, m_simulators;
};

// The simulator's "round N: bingo at ball B, tickets T..." line of its first round.
struct RoundEnd {
  int bingoBall = 0;
  std::vector<int> winners;
};
std::optional<RoundEnd> bingoOfFirstRound(const QString& simulatorLog) {
  static const QRegularExpression line(R"(^round \d+: bingo at ball (\d+), tickets? ([\d ]+))",
                                       QRegularExpression::MultilineOption);
  const QRegularExpressionMatch match = line.match(simulatorLog);
  if (!match.hasMatch()) return std::nullopt;
  RoundEnd end{match.captured(1).toInt(), {}};
  for (const QString& ticket : match.captured(2).split(' ', Qt::SkipEmptyParts))
    end.winners.push_back(ticket.toInt());
  return end;
}

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

// A cashier whose only input is a numeric keypad, at a console whose X
// session runs nothing else: the console starts on a bare X server (no window
// manager), nobody clicks, and the keys arrive as the X server delivers them.
// After every range the screen dump must show what a cashier expects.
constexpr Millis kStep{10000};

// Xvfb on a display number it picks itself, and xdotool typing into it.
struct XServer {
  QTemporaryDir folder;
  QString xdotoolPath = QStandardPaths::findExecutable("xdotool"), display;
  std::unique_ptr<Child> server;

  XServer() {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb"), out = folder.filePath("xvfb.out");
    if (xvfb.isEmpty() || xdotoolPath.isEmpty()) return;
    server = std::make_unique<Child>(
        xvfb, QStringList{"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
        QProcessEnvironment::systemEnvironment(), folder.path(), out);
    waitUntil(Millis(30000), [&] {
      QFile file(out);
      const QString text = file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : "";
      if (text.endsWith('\n')) display = ":" + text.trimmed();
      return !display.isEmpty();
    });
  }
  // xdotool's output, trimmed; empty when it failed.
  QString xdotool(const QStringList& arguments) const {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", display);
    process.setProcessEnvironment(environment);
    process.start(xdotoolPath, arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0) return {};
    return QString::fromLatin1(process.readAllStandardOutput()).trimmed();
  }
  // Keys as a keypad sends them: digits, "*" (erase), "-", Enter.
  void type(const QString& keys) const {
    QStringList arguments{"key", "--delay", "30"};
    for (const QChar c : keys)
      arguments << (c.isDigit() ? QString(c)
                    : c == '*'  ? "KP_Multiply"
                    : c == '-'  ? "KP_Subtract"
                                : "KP_Enter");
    xdotool(arguments);
  }
};

// What the dump shows of the entry: ranges, count, amount, the near-win
// figures, the memo's "U: " lines and the two fields.
QString shown(const Dump& dump) {
  QStringList ranges;
  for (int slot = 1; slot <= 10; ++slot)
    if (const QString first = dump.text(slot == 3 ? "LabelTkKUpPoc3" : QString("LabelTkKupPoc%1").arg(slot));
        !first.isEmpty())
      ranges << first + "-" + dump.text(QString("LabelTkKupEnd%1").arg(slot));
  QStringList entries;
  for (const QJsonValue& line : dump.json.value("MemoINFO").toObject().value("lines").toArray())
    if (line.toString().startsWith("U: ")) entries << line.toString();
  return QStringList{ranges.join(' '),
                     dump.text("LabelTkKupCount"),
                     dump.text("LabelTkKupUplata"),
                     dump.text("LabelWaitLinCnt") + "/" + dump.text("LabelWaitLinMin"),
                     dump.text("LabelWaitBinCnt") + "/" + dump.text("LabelWaitBinMin"),
                     entries.join('|'),
                     dump.text("EditKupPoc") + "/" + dump.text("EditKupEnd")}
      .join(" ; ");
}

TEST(ConsoleKeypad, RangesTypedFromTheFirstSecondWithoutAWindowManager) {
  XServer x;
  if (!x.server) GTEST_SKIP() << "Xvfb or xdotool is not installed";
  ASSERT_FALSE(x.display.isEmpty()) << "Xvfb did not start";
  Hall hall("localhost", x.display);
  ASSERT_TRUE(hall.ready && hall.makeCards());
  // A long pause before the first ball: the tickets are sold (seed 11: not
  // 258-338 nor 1181-1268) at 100 each, and nothing is drawn.
  ASSERT_TRUE(hall.startSimulator({"--seed", "11", "--pause-ms", "600000"}).started);
  ASSERT_TRUE(hall.startConsole().started);
  ASSERT_TRUE(hall.watch(Millis(30000), [&](const Dump& dump) {
    return !dump.text("LabelProPoc1").isEmpty();
  })) << "the console never showed the server's first frame";
  const QString window = x.xdotool({"search", "--name", "^KVAROLA 2015$"});
  ASSERT_FALSE(window.isEmpty());

  // An entry, or "-" and a deletion in two boxes (which also drops the bought
  // tickets the server has not sold); "*" erases the digit before it. Before
  // the first ball every analysed ticket misses 5 numbers for a line and 15
  // for bingo; with none, the figures are 10 and 16.
  const struct {
    const char *keys, *entry, *shown;
  } steps[] = {
      {"258\n338\n", "258 338", "258-338 ; 81 ; 8100 ; /10 ; /16"},
      {"11289*\n1188\n", "1128 1188", "258-338 1128-1188 ; 142 ; 14200 ; 53/5 ; 53/15"},
      {"1158\n1268\n", "1158 1268", "258-338 1128-1268 ; 222 ; 22200 ; 53/5 ; 53/15"},
      {"-1140\n1150\n", nullptr, "1128-1139 1151-1180 ; 42 ; 4200 ; 42/5 ; 42/15"},
      {"20\n30\n", "20 30", "20-30 1128-1139 1151-1180 ; 53 ; 5300 ; 53/5 ; 53/15"},
      {"1700\n1705\n", "1700 1705", "20-30 1128-1139 1151-1180 1700-1705 ; 59 ; 5900 ; 59/5 ; 59/15"},
      {"1400\n1410\n", "1400 1410",
       "20-30 1128-1139 1151-1180 1400-1410 1700-1705 ; 70 ; 7000 ; 70/5 ; 70/15"},
  };
  QStringList entries;
  for (const auto& step : steps) {
    SCOPED_TRACE(step.keys);
    if (step.entry) {
      x.type(step.keys);
      entries << QString("U: ") + step.entry;
    } else {
      x.type("-");
      QString box;
      for (const QString& number : QString(step.keys + 1).split('\n', Qt::SkipEmptyParts)) {
        // Each box has the keyboard before a key goes to it; the root window,
        // which holds the focus while no window does, has no name.
        const QString before = box;
        ASSERT_TRUE(waitUntil(kStep, [&] {
          box = x.xdotool({"getwindowfocus"});
          return box != window && box != before && !x.xdotool({"getwindowname", box}).isEmpty();
        })) << "no deletion box took the keyboard";
        x.type(number + "\n");
      }
      ASSERT_TRUE(waitUntil(kStep, [&] { return x.xdotool({"getwindowfocus"}) == window; }));
    }
    const QString expected = QString(step.shown) + " ; " + entries.join('|') + " ; /";
    QString last;
    hall.watch(kStep, [&](const Dump& dump) { return (last = shown(dump)) == expected; });
    ASSERT_EQ(last.toStdString(), expected.toStdString());
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
