#include "platform/logs.h"

#include "platform/folders.h"
#include "platform/text.h"

namespace bingo {
namespace {

// The logs are read on Windows too, so every line ends in CR LF.
constexpr std::string_view kLineEnd = "\r\n";
// Trace and error-report file names, folder included, and error reports are cut here.
constexpr std::size_t kNameLimit = 60;
constexpr std::size_t kReportLimit = 60;

std::string parentOf(const std::string& windowsPath) {
  const auto pos = windowsPath.find_last_of('\\');
  return pos == std::string::npos ? std::string() : windowsPath.substr(0, pos);
}

}  // namespace

std::string programSiblingPath(std::string_view programPath, std::string_view extension) {
  // Only a dot after the last separator starts an extension; a name without one gets it appended.
  const auto separator = programPath.find_last_of("\\/:");
  const auto dot = programPath.find_last_of('.');
  const bool hasExtension =
      dot != std::string_view::npos && (separator == std::string_view::npos || dot > separator);
  std::string path(hasExtension ? programPath.substr(0, dot) : programPath);
  path += extension;
  return toLowerAscii(path);
}

Logs::Logs(FileSystem& fs, const Clock& clock, std::string programPath)
    : Logs(fs, clock, std::move(programPath), kFolderLog) {}

Logs::Logs(FileSystem& fs, const Clock& clock, std::string programPath, std::string logFolder)
    : m_fs(fs),
      m_clock(clock),
      m_programPath(std::move(programPath)),
      m_installFolder(parentOf(logFolder)),
      m_logFolder(std::move(logFolder)) {}

void Logs::appendBesideProgram(std::string_view extension, std::string_view message) {
  const LocalTime t = m_clock.now();
  std::string line = formatText("%02d:%02d:%02d:%03d ", t.hour, t.minute, t.second, t.millisecond);
  line += message;
  line += kLineEnd;
  // A refused write loses the entry; nothing is shown and nothing is raised.
  m_fs.appendFile(programSiblingPath(m_programPath, extension), line);
}

void Logs::Log_Run(std::string_view message) { appendBesideProgram(".log", message); }

void Logs::Log_Error(std::string_view message) { appendBesideProgram(".err", message); }

bool Logs::folderAvailable(const std::string& folder) {
  if (m_fs.isFolder(folder)) return true;
  return m_fs.makeFolder(folder).ok();
}

std::string Logs::logFileName(bool folderAvailable, const std::string& name) const {
  if (!folderAvailable) return name;
  return (m_logFolder + "\\" + name).substr(0, kNameLimit);
}

void Logs::Trace_Write(std::string_view message) {
  const LocalTime t = m_clock.now();
  // Only the last level is made; with its parent missing the entry goes to the working directory.
  const bool inFolder = folderAvailable(m_logFolder);
  const std::string file =
      logFileName(inFolder, formatText("%02d%02d%02d.Txt", t.year % 100, t.month, t.day));
  std::string line = formatText("%02d:%02d:%02d> ", t.hour, t.minute, t.second);
  line += message;
  line += kLineEnd;
  // appendFile creates a missing file; an existing file that refuses the
  // append is never replaced by an empty one, so earlier entries survive.
  m_fs.appendFile(file, line);
}

void Logs::Report_Error(std::string_view message) {
  const std::string_view cut = message.substr(0, std::min(message.size(), kReportLimit));
  Trace_Write(cut);
  folderAvailable(m_installFolder);
  const bool inFolder = folderAvailable(m_logFolder);
  const LocalTime t = m_clock.now();
  // No line end: every report of every run follows the last on one line.
  std::string entry = formatText("  %02d%02d %02d:%02d:%02d> ", t.month, t.day, t.hour, t.minute, t.second);
  entry += cut;
  m_fs.appendFile(logFileName(inFolder, "LogApp.txt"), entry);
}

void Logs::Trace_Begin(std::string_view step) {
  std::string text = "Ucitava se: ";
  text += step;
  text += "...";
  Trace_Write(text);
}

void Logs::Trace_End(std::string_view step) {
  std::string text = "Ucitan  je: ";
  text += step;
  text += ".";
  Trace_Write(text);
}

}  // namespace bingo
