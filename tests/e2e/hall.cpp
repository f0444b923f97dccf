#include "hall.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <filesystem>
#include <iostream>
#include <thread>

namespace bingo::e2e {
namespace {

constexpr Millis kPoll{10};
constexpr Millis kStopGrace{10000};

QString binaryFolder() {
  const QString chosen = qEnvironmentVariable("BINGO_E2E_BIN");
  return chosen.isEmpty() ? QStringLiteral(BINGO_E2E_BIN_DIR) : chosen;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QString readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The console names its INI file and logs after its own executable, so each
// hall runs its own copy: a hard link where the file system allows one.
bool placeConsole(const QString& from, const QString& to) {
  std::error_code error;
  std::filesystem::create_hard_link(from.toStdString(), to.toStdString(), error);
  if (!error) return true;
  return std::filesystem::copy_file(from.toStdString(), to.toStdString(), error);
}

}  // namespace

bool waitUntil(Millis timeout, const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(kPoll);
  }
}

std::optional<ScreenDump> ScreenDump::read(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
  if (!document.isObject()) return std::nullopt;
  return ScreenDump(document.object());
}

int ScreenDump::timerCount() const { return m_json.value("TimerCount").toInt(); }

QString ScreenDump::text(const QString& control) const {
  return m_json.value("controls").toObject().value(control).toObject().value("text").toString();
}

int ScreenDump::number(const QString& control) const { return text(control).trimmed().toInt(); }

QString ScreenDump::cellBackground(int ball) const {
  return m_json.value("CifarskaBtn").toArray().at(ball - 1).toObject().value("bg").toString();
}

std::set<int> ScreenDump::drawnCells() const {
  std::set<int> balls;
  for (int ball = 1; ball <= 90; ++ball) {
    const QString bg = cellBackground(ball);
    if (bg == kCellDrawn || bg == kCellLastBall) balls.insert(ball);
  }
  return balls;
}

QStringList ScreenDump::memoLines() const {
  QStringList lines;
  for (const QJsonValue& line : m_json.value("MemoINFO").toObject().value("lines").toArray())
    lines << line.toString();
  return lines;
}

Child::Child(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
             const QString& workingFolder, const QString& outputFile) {
  m_process.setProgram(program);
  m_process.setArguments(arguments);
  m_process.setProcessEnvironment(environment);
  m_process.setWorkingDirectory(workingFolder);
  // Into a file, not a pipe: nobody reads a pipe while a test polls.
  m_process.setStandardOutputFile(outputFile, QIODevice::Append);
  m_process.setProcessChannelMode(QProcess::MergedChannels);
  m_process.start();
  m_started = m_process.waitForStarted(10000);
}

Child::~Child() { stop(); }

bool Child::running() {
  if (m_process.state() == QProcess::NotRunning) return false;
  return !m_process.waitForFinished(0);
}

bool Child::waitForExit(Millis timeout) {
  return waitUntil(timeout, [this] { return !running(); });
}

void Child::stop() {
  if (!running()) return;
  m_process.terminate();
  if (!waitForExit(kStopGrace)) {
    m_process.kill();
    m_process.waitForFinished(kStopGrace.count());
  }
}

bool Child::exitedNormally() const {
  return m_process.state() == QProcess::NotRunning && m_process.exitStatus() == QProcess::NormalExit &&
         m_process.exitCode() == 0;
}

std::optional<RoundEnd> bingoOfFirstRound(const QString& simulatorLog) {
  static const QRegularExpression line(
      QStringLiteral(R"(^round \d+: bingo at ball (\d+), tickets? ([\d ]+))"),
      QRegularExpression::MultilineOption);
  const QRegularExpressionMatch match = line.match(simulatorLog);
  if (!match.hasMatch()) return std::nullopt;
  RoundEnd end;
  end.bingoBall = match.captured(1).toInt();
  for (const QString& ticket : match.captured(2).split(' ', Qt::SkipEmptyParts))
    end.winners.push_back(ticket.toInt());
  return end;
}

Hall::Hall(const QString& server, int intervalMs)
    : m_temporary(QDir::tempPath() + "/bingo-e2e-XXXXXX"), m_server(server), m_binaries(binaryFolder()) {
  if (!m_temporary.isValid()) return;
  const QDir top(m_temporary.path());
  m_root = top.filePath("root");
  m_consoleFolder = top.filePath("console");
  m_runFolder = top.filePath("run");
  m_dumpPath = top.filePath("screen.json");
  for (const QString& folder : {m_root, m_consoleFolder, m_runFolder, top.filePath("xdg")})
    if (!top.mkpath(folder)) return;
  QFile::setPermissions(top.filePath("xdg"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  // As a hall's Windows machine writes them: CR LF line ends.
  m_ready =
      placeConsole(QDir(m_binaries).filePath("clientbingo"), QDir(m_consoleFolder).filePath("clientbingo")) &&
      writeFile(QDir(m_consoleFolder).filePath("clientbingo.ini"),
                QStringLiteral("[Timer]\r\nInterval=%1\r\n").arg(intervalMs).toLatin1()) &&
      writeFile(QDir(m_runFolder).filePath("net.ini"), (server + "\r\n").toLatin1());
}

Hall::~Hall() {
  // Consoles first, so none of them sees its server stop.
  for (auto* group : {&m_consoles, &m_simulators})
    for (auto& child : *group) child->stop();
  if (::testing::Test::HasFailure()) {
    keep();
    std::cout << "kept the hall in " << m_temporary.path().toStdString() << "\n"
              << "console output:\n"
              << consoleOutput().toStdString() << "simulator output:\n"
              << simulatorLog().toStdString();
  }
}

QProcessEnvironment Hall::environment() const {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("BINGO_ROOT", m_root);
  environment.remove("BINGO_UNC_ROOT");
  environment.insert("BINGO_SCREEN_DUMP", m_dumpPath);
  if (m_display.isEmpty()) {
    environment.insert("QT_QPA_PLATFORM", "offscreen");
  } else {
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("DISPLAY", m_display);
  }
  environment.insert("XDG_RUNTIME_DIR", QDir(m_temporary.path()).filePath("xdg"));
  return environment;
}

bool Hall::makeCards() {
  const QString folder = QDir(m_root).filePath("c/Orma/Bingo/Arh/CfgW");
  if (!QDir().mkpath(folder)) return false;
  Child tool(QDir(m_binaries).filePath("ticket-base"),
             {"generate", "--cards", "1944", "--seed", "1944", QDir(folder).filePath("A1944.3x5")},
             environment(), m_runFolder, QDir(m_temporary.path()).filePath("ticket-base.out"));
  return tool.started() && tool.waitForExit(Millis(30000)) && tool.exitedNormally();
}

Child& Hall::startSimulator(QStringList arguments) {
  arguments << "--server" << m_server;
  m_simulators.push_back(std::make_unique<Child>(QDir(m_binaries).filePath("bingo-server-sim"), arguments,
                                                 environment(), m_runFolder,
                                                 QDir(m_temporary.path()).filePath("simulator.out")));
  return *m_simulators.back();
}

Child& Hall::startConsole() {
  m_consoles.push_back(std::make_unique<Child>(QDir(m_consoleFolder).filePath("clientbingo"), QStringList{},
                                               environment(), m_runFolder,
                                               QDir(m_temporary.path()).filePath("console.out")));
  return *m_consoles.back();
}

bool Hall::watchDumps(Millis timeout, const std::function<bool(const ScreenDump&)>& seen) {
  int lastTick = -1;
  return waitUntil(timeout, [&] {
    const std::optional<ScreenDump> now = dump();
    if (!now || now->timerCount() == lastTick) return false;
    lastTick = now->timerCount();
    return seen(*now);
  });
}

QString Hall::shareFile(const QString& name) const {
  return QDir(m_root).filePath("unc/" + m_server + "/net/" + name);
}

QString Hall::runLog() const { return readFile(QDir(m_consoleFolder).filePath("clientbingo.log")); }

QString Hall::simulatorLog() const { return readFile(QDir(m_temporary.path()).filePath("simulator.out")); }

QString Hall::consoleOutput() const { return readFile(QDir(m_temporary.path()).filePath("console.out")); }

}  // namespace bingo::e2e
