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

bool waitUntil(Millis timeout, const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(Millis(10));
  }
}

QString Dump::text(const QString& control) const {
  return json.value("controls").toObject().value(control).toObject().value("text").toString();
}

QString Dump::cell(int ball) const {
  return json.value("CifarskaBtn").toArray().at(ball - 1).toObject().value("bg").toString();
}

std::set<int> Dump::drawnCells() const {
  std::set<int> balls;
  for (int ball = 1; ball <= 90; ++ball)
    if (cell(ball) == kCellDrawn || cell(ball) == kCellLastBall) balls.insert(ball);
  return balls;
}

QStringList Dump::memo() const {
  QStringList lines;
  for (const QJsonValue& line : json.value("MemoINFO").toObject().value("lines").toArray())
    lines << line.toString();
  return lines;
}

Child::Child(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
             const QString& folder, const QString& output) {
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(folder);
  // Into a file, not a pipe: nobody reads a pipe while a test polls.
  process.setStandardOutputFile(output, QIODevice::Append);
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, arguments);
  started = process.waitForStarted(10000);
}

Child::~Child() {
  if (!running()) return;
  process.terminate();
  if (!waitForExit(Millis(10000))) {
    process.kill();
    process.waitForFinished(10000);
  }
}

bool Child::running() { return process.state() != QProcess::NotRunning && !process.waitForFinished(0); }

bool Child::waitForExit(Millis timeout) {
  return waitUntil(timeout, [this] { return !running(); });
}

bool Child::exitedNormally() const {
  return process.state() == QProcess::NotRunning && process.exitStatus() == QProcess::NormalExit &&
         process.exitCode() == 0;
}

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

namespace {
bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
}  // namespace

Hall::Hall(const QString& server, const QString& display)
    : m_temporary(QDir::tempPath() + "/bingo-e2e-XXXXXX"),
      m_server(server),
      m_display(display),
      m_binaries(qEnvironmentVariable("BINGO_E2E_BIN", BINGO_E2E_BIN_DIR)),
      m_top(m_temporary.path()),
      m_root(m_top + "/root") {
  const QDir top(m_top);
  for (const char* folder : {"root", "console", "run", "xdg"})
    if (!top.mkpath(folder)) return;
  QFile::setPermissions(m_top + "/xdg", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  // The console names its INI file and logs after its own executable, so each
  // hall runs its own copy: a hard link where the file system allows one.
  const std::string from = (m_binaries + "/clientbingo").toStdString(),
                    to = (m_top + "/console/clientbingo").toStdString();
  std::error_code error;
  std::filesystem::create_hard_link(from, to, error);
  if (error && !std::filesystem::copy_file(from, to, error)) return;
  // As a hall's Windows machine writes them: CR LF line ends.
  ready = writeFile(m_top + "/console/clientbingo.ini", "[Timer]\r\nInterval=10\r\n") &&
          writeFile(m_top + "/run/net.ini", (server + "\r\n").toLatin1());
}

Hall::~Hall() {
  // Consoles first, so none of them sees its server stop.
  m_consoles.clear();
  m_simulators.clear();
  if (::testing::Test::HasFailure()) {
    m_temporary.setAutoRemove(false);
    std::cout << "kept the hall in " << m_top.toStdString() << "\nconsole output:\n"
              << read("console.out").toStdString() << "simulator output:\n"
              << read("simulator.out").toStdString();
  }
}

QString Hall::read(const QString& name) const {
  QFile file(m_top + "/" + name);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QProcessEnvironment Hall::environment() const {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("BINGO_ROOT", m_root);
  environment.remove("BINGO_UNC_ROOT");
  environment.insert("BINGO_SCREEN_DUMP", m_top + "/screen.json");
  environment.insert("QT_QPA_PLATFORM", m_display.isEmpty() ? "offscreen" : "xcb");
  if (!m_display.isEmpty()) environment.insert("DISPLAY", m_display);
  environment.insert("XDG_RUNTIME_DIR", m_top + "/xdg");
  return environment;
}

Child& Hall::start(std::vector<std::unique_ptr<Child>>& group, const QString& program,
                   const QStringList& arguments, const QString& output) {
  group.push_back(
      std::make_unique<Child>(program, arguments, environment(), m_top + "/run", m_top + "/" + output));
  return *group.back();
}

bool Hall::makeCards() {
  const QString folder = m_root + "/c/Orma/Bingo/Arh/CfgW";
  std::vector<std::unique_ptr<Child>> tools;
  return QDir().mkpath(folder) &&
         start(tools, m_binaries + "/ticket-base",
               {"generate", "--cards", "1944", "--seed", "1944", folder + "/A1944.3x5"}, "ticket-base.out")
             .waitForExit(Millis(30000)) &&
         tools.back()->exitedNormally();
}

Child& Hall::startSimulator(QStringList arguments) {
  return start(m_simulators, m_binaries + "/bingo-server-sim", arguments << "--server" << m_server,
               "simulator.out");
}

Child& Hall::startConsole() { return start(m_consoles, m_top + "/console/clientbingo", {}, "console.out"); }

std::optional<Dump> Hall::dump() const {
  QFile file(m_top + "/screen.json");
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
  return document.isObject() ? std::optional<Dump>(Dump{document.object()}) : std::nullopt;
}

bool Hall::watch(Millis timeout, const std::function<bool(const Dump&)>& seen) {
  int lastTick = -1;
  return waitUntil(timeout, [&] {
    const std::optional<Dump> now = dump();
    if (!now || now->tick() == lastTick) return false;
    lastTick = now->tick();
    return seen(*now);
  });
}

}  // namespace bingo::e2e

// QProcess wants an application object, which needs no display.
int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
