#pragma once
// A hall in a temporary folder for the end-to-end tests: a root for the
// mapped Windows paths, a copy of the console with its own INI file and logs,
// a working folder holding net.ini, and the processes started in it. The
// console is watched through its screen dump; every wait has a deadline.

#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <vector>

// Failure messages show texts, not arrays of UTF-16 units.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace bingo::e2e {

using Millis = std::chrono::milliseconds;

// Board colours of the number board cells.
inline const QString kCellGrey = QStringLiteral("#a0a0a4");
inline const QString kCellDrawn = QStringLiteral("#b03030");
inline const QString kCellLastBall = QStringLiteral("#e03030");

// Calls `done` every few milliseconds until it holds or the time is up.
bool waitUntil(Millis timeout, const std::function<bool()>& done);

// One whole screen dump as the console wrote it.
class ScreenDump {
 public:
  static std::optional<ScreenDump> read(const QString& path);

  int timerCount() const;
  QString text(const QString& control) const;
  // A numeric label's value; an empty label shows 0.
  int number(const QString& control) const;
  QString cellBackground(int ball) const;
  // Balls whose cell is painted drawn or last-drawn.
  std::set<int> drawnCells() const;
  QStringList memoLines() const;

 private:
  explicit ScreenDump(QJsonObject json) : m_json(std::move(json)) {}
  QJsonObject m_json;
};

// A child process whose output goes to a file; stopped when dropped.
class Child {
 public:
  Child(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
        const QString& workingFolder, const QString& outputFile);
  ~Child();
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  bool started() const { return m_started; }
  bool running();
  bool waitForExit(Millis timeout);
  // SIGTERM, then SIGKILL when it does not end in time.
  void stop();
  bool exitedNormally() const;

 private:
  QProcess m_process;
  bool m_started = false;
};

// What the simulator's log says about the round it played.
struct RoundEnd {
  int bingoBall = 0;
  std::vector<int> winners;
};
std::optional<RoundEnd> bingoOfFirstRound(const QString& simulatorLog);

class Hall {
 public:
  // `server` is the first line of net.ini; the console polls it every
  // `intervalMs` milliseconds.
  explicit Hall(const QString& server = QStringLiteral("localhost"), int intervalMs = 10);
  ~Hall();

  bool ready() const { return m_ready; }
  // The card file of game type 0, as the server's and the consoles' copies.
  bool makeCards();
  Child& startSimulator(QStringList arguments);
  Child& startConsole();

  std::optional<ScreenDump> dump() const { return ScreenDump::read(m_dumpPath); }
  // Waits for dumps and hands each new one to `seen` until it returns true.
  bool watchDumps(Millis timeout, const std::function<bool(const ScreenDump&)>& seen);

  // Host path of a file in the share `\\server\net`.
  QString shareFile(const QString& name) const;
  QString runLog() const;
  QString simulatorLog() const;
  QString consoleOutput() const;
  // Consoles started from now on run on this X display instead of offscreen.
  void useDisplay(const QString& display) { m_display = display; }

  // Kept for a look after a failure.
  void keep() { m_temporary.setAutoRemove(false); }

 private:
  QProcessEnvironment environment() const;

  QTemporaryDir m_temporary;
  QString m_server;
  QString m_display;
  QString m_binaries;
  QString m_root, m_consoleFolder, m_runFolder, m_dumpPath;
  bool m_ready = false;
  std::vector<std::unique_ptr<Child>> m_consoles, m_simulators;
};

}  // namespace bingo::e2e
