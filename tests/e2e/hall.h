#pragma once
// A hall in a temporary folder for the end-to-end tests: a root for the
// mapped Windows paths, a copy of the console with its own INI file and logs,
// a working folder holding net.ini, and the processes started in it. The
// console is watched through its screen dump; every wait has a deadline.

#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <vector>

namespace bingo::e2e {

using Millis = std::chrono::milliseconds;
inline const QString kCellGrey = "#a0a0a4", kCellDrawn = "#b03030", kCellLastBall = "#e03030";

// Calls `done` every few milliseconds until it holds or the time is up.
bool waitUntil(Millis timeout, const std::function<bool()>& done);

// One whole screen dump as the console wrote it.
struct Dump {
  QJsonObject json;
  int tick() const { return json.value("TimerCount").toInt(); }
  QString text(const QString& control) const;
  int number(const QString& control) const { return text(control).trimmed().toInt(); }  // empty: 0
  QString cell(int ball) const;
  std::set<int> drawnCells() const;
  QStringList memo() const;
};

// A child process whose output goes to a file; SIGTERM, then SIGKILL, when dropped.
struct Child {
  QProcess process;
  bool started = false;
  Child(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
        const QString& folder, const QString& output);
  ~Child();
  bool running();
  bool waitForExit(Millis timeout);
  bool exitedNormally() const;
};

class Hall {
 public:
  // `server` is the first line of net.ini; consoles run on `display`, or
  // offscreen without one, and poll every 10 ms.
  explicit Hall(const QString& server = "localhost", const QString& display = {});
  ~Hall();
  bool ready = false;
  bool makeCards();  // the card file of game type 0
  Child& startSimulator(QStringList arguments);
  Child& startConsole();
  std::optional<Dump> dump() const;
  // Hands each new dump to `seen` until it returns true.
  bool watch(Millis timeout, const std::function<bool(const Dump&)>& seen);
  QString shareFile(const QString& name) const { return m_root + "/unc/" + m_server + "/net/" + name; }
  // A file below the hall's folder: "console/clientbingo.log", "simulator.out".
  QString read(const QString& name) const;

 private:
  QProcessEnvironment environment() const;
  Child& start(std::vector<std::unique_ptr<Child>>& group, const QString& program,
               const QStringList& arguments, const QString& output);
  QTemporaryDir m_temporary;
  QString m_server, m_display, m_binaries, m_top, m_root;
  std::vector<std::unique_ptr<Child>> m_consoles, m_simulators;
};

// The simulator's "round N: bingo at ball B, tickets T..." line of its first round.
struct RoundEnd {
  int bingoBall = 0;
  std::vector<int> winners;
};
std::optional<RoundEnd> bingoOfFirstRound(const QString& simulatorLog);

}  // namespace bingo::e2e
