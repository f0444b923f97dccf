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
constexpr Millis kStart{30000}, kStep{10000};
const QString kCellDrawn = "#b03030", kCellLastBall = "#e03030";

bool waitUntil(Millis timeout, const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(Millis(10));
  }
}

QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
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
    if (!waitUntil(Millis(10000), [this] { return !running(); })) {
      process.kill();
      process.waitForFinished(10000);
    }
  }
  bool running() { return process.state() != QProcess::NotRunning && !process.waitForFinished(0); }
};

// The simulator of the server "localhost" and consoles that run on `display`,
// or offscreen without one, and poll every 10 ms.
class Hall {
 public:
  explicit Hall(const QString& display = {}) : m_display(display) {
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
            writeFile(m_top + "/run/net.ini", "localhost\r\n");
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

  // The simulator makes the card file of game type 0 before its first frame,
  // which a console then finds.
  bool startSimulator(const QString& arguments) {
    return start(m_simulators, m_binaries + "/bingo-server-sim", arguments.split(' '), "simulator.out")
               .started &&
           waitUntil(kStart, [&] { return QFile::exists(m_top + "/root/unc/localhost/net/Frame.dat"); });
  }
  Child& startConsole() { return start(m_consoles, m_top + "/console/clientbingo", {}, "console.out"); }
  std::optional<Dump> dump() const {
    const QJsonDocument document = QJsonDocument::fromJson(readFile(m_top + "/screen.json"));
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
  // A file below the hall's folder: "console/clientbingo.log", "simulator.out".
  QString read(const QString& name) const { return QString::fromUtf8(readFile(m_top + "/" + name)); }

 private:
  Child& start(std::vector<std::unique_ptr<Child>>& group, const QString& program,
               const QStringList& arguments, const QString& output) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("BINGO_ROOT", m_top + "/root");
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
  QString m_display, m_binaries = qEnvironmentVariable("BINGO_E2E_BIN", BINGO_E2E_BIN_DIR),
                     m_top = m_temporary.path();
  std::vector<std::unique_ptr<Child>> m_consoles, m_simulators;
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
  Child& console = hall.startConsole();
  std::map<int, std::set<int>> lastBallsOfLop;
  int lop = 0, tick = -1;
  // Only the command file may close it.
  ASSERT_TRUE(waitUntil(Millis(60000), [&] {
    if (const std::optional<Dump> dump = hall.dump(); dump && dump->tick() != tick) {
      tick = dump->tick();
      EXPECT_GE(dump->number("LabelLOP"), lop) << "balls drawn went back";
      lop = dump->number("LabelLOP");
      lastBallsOfLop[lop].insert(dump->number("LabelKUG"));
    }
    return !console.running();
  })) << "Off2.txt did not close the console";
  ASSERT_TRUE(console.process.exitStatus() == QProcess::NormalExit && console.process.exitCode() == 0);
  // The simulator's "round N: bingo at ball B, tickets T..." line.
  const QRegularExpressionMatch end =
      QRegularExpression(R"(\nround \d+: bingo at ball (\d+), tickets? ([\d ]+))")
          .match(hall.read("simulator.out"));
  const std::optional<Dump> last = hall.dump();
  ASSERT_TRUE(end.hasMatch() && last);
  ASSERT_EQ(last->number("LabelLOP"), end.captured(1).toInt()) << "it closed before the round's last ball";
  const auto balls = static_cast<std::size_t>(end.captured(1).toInt());
  const std::set<int> drawn = last->drawnCells();
  EXPECT_EQ(drawn.size(), balls);
  EXPECT_EQ(last->cell(last->number("LabelKUG")), kCellLastBall);
  std::map<int, int> lopOfBall;
  for (const auto& [count, kugs] : lastBallsOfLop) {
    ASSERT_EQ(kugs.size(), 1u) << "one count of balls shown with different last balls: " << count;
    const int kug = *kugs.begin();
    EXPECT_EQ(count == 0, kug == 0);
    EXPECT_TRUE(kug == 0 || (drawn.count(kug) && lopOfBall.emplace(kug, count).second)) << kug;
  }
  // Enough of the round seen for the checks to mean something.
  EXPECT_GE(lastBallsOfLop.size(), balls / 2);
  QStringList ranked;
  for (int row = 1; row <= 6; ++row) ranked << last->text(QString("LabelRLTk%1").arg(row)).trimmed();
  const QStringList winners = end.captured(2).split(' ', Qt::SkipEmptyParts);
  EXPECT_TRUE(std::ranges::any_of(winners, [&](const QString& t) { return ranked.contains(t); }))
      << "no bingo ticket of the simulator in the rank list: " << ranked.join(' ').toStdString();
  // The run log's lines without their time stamps.
  QString log = hall.read("console/clientbingo.log");
  log.replace(QRegularExpression(R"((^|\n)\d\d:\d\d:\d\d:\d\d\d )"), "\\1");
  log.replace(QRegularExpression(R"(RUN Bingo \S*/clientbingo\r\n)"), "RUN\n");
  EXPECT_EQ(log.toStdString(), "RUN\nEND Bingo\r\n");
}

// A cashier whose only input is a numeric keypad, at a console whose X
// session runs nothing else: the console starts on a bare X server (no window
// manager), nobody clicks, and the keys arrive as the X server delivers them.
// After every range the screen dump must show what a cashier expects.

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
    waitUntil(kStart, [&] {
      const QByteArray text = readFile(out);
      if (text.endsWith('\n')) display = ":" + QString::fromLatin1(text).trimmed();
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

// What the dump shows of the entry: ranges, count, the memo's "U: " lines
// and the two fields.
QString shown(const Dump& dump) {
  QStringList ranges, entries;
  for (int slot = 1; slot <= 10; ++slot)
    if (const QString first = dump.text(slot == 3 ? "LabelTkKUpPoc3" : QString("LabelTkKupPoc%1").arg(slot));
        !first.isEmpty())
      ranges << first + "-" + dump.text(QString("LabelTkKupEnd%1").arg(slot));
  for (const QJsonValue& line : dump.json.value("MemoINFO").toObject().value("lines").toArray())
    if (line.toString().startsWith("U: ")) entries << line.toString();
  return ranges.join(' ') + " ; " + dump.text("LabelTkKupCount") + " ; " + entries.join('|') + " ; " +
         dump.text("EditKupPoc") + "/" + dump.text("EditKupEnd");
}

TEST(ConsoleKeypad, RangesTypedFromTheFirstSecondWithoutAWindowManager) {
  XServer x;
  if (!x.server) GTEST_SKIP() << "Xvfb or xdotool is not installed";
  ASSERT_FALSE(x.display.isEmpty()) << "Xvfb did not start";
  Hall hall(x.display);
  // A long pause before the first ball: the tickets are sold (seed 11: not
  // 258-338 nor 1181-1268) at 100 each, and nothing is drawn.
  ASSERT_TRUE(hall.ready && hall.startSimulator("--seed 11 --pause-ms 600000"));
  ASSERT_TRUE(hall.startConsole().started);
  ASSERT_TRUE(hall.watch(Millis(30000), [&](const Dump& dump) {
    return !dump.text("LabelProPoc1").isEmpty();
  })) << "the console never showed the server's first frame";
  const QString window = x.xdotool({"search", "--name", "^KVAROLA 2015$"});
  ASSERT_FALSE(window.isEmpty());

  // An entry, or "-" and a deletion in two boxes (which also drops the bought
  // tickets the server has not sold); "*" erases the digit before it.
  const struct {
    const char *keys, *entry, *shown;
  } steps[] = {
      {"258\n338\n", "258 338", "258-338 ; 81"},
      {"11289*\n1188\n", "1128 1188", "258-338 1128-1188 ; 142"},
      {"1158\n1268\n", "1158 1268", "258-338 1128-1268 ; 222"},
      {"-1140\n1150\n", nullptr, "1128-1139 1151-1180 ; 42"},
      {"20\n30\n", "20 30", "20-30 1128-1139 1151-1180 ; 53"},
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
