#pragma once
// The console's four logs. Every entry opens its file, writes and closes it,
// so a log survives a crash up to its last entry; no entry ever raises an error.
//   run log      <program path>.log  "hh:nn:ss:zzz message" + line end
//   error log    <program path>.err  same format
//   trace log    <log folder>\YYMMDD.Txt  "HH:MM:SS> message" + line end
//   error report <log folder>\LogApp.txt  "  MMDD HH:MM:SS> message", never a line end

#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/file_system.h"

namespace bingo {

class Logs {
 public:
  // programPath: full path of the running program (the run and error logs sit beside it).
  Logs(FileSystem& fs, const Clock& clock, std::string programPath);
  // The same with another log folder, whose parent stands for the installation folder.
  Logs(FileSystem& fs, const Clock& clock, std::string programPath, std::string logFolder);

  void Log_Run(std::string_view message);
  void Log_Error(std::string_view message);
  void Trace_Write(std::string_view message);
  void Report_Error(std::string_view message);
  // "Ucitava se: " + step + "..." and "Ucitan  je: " + step + "." (two spaces).
  void Trace_Begin(std::string_view step);
  void Trace_End(std::string_view step);

  const std::string& programPath() const { return m_programPath; }
  FileSystem& fileSystem() { return m_fs; }
  const Clock& clock() const { return m_clock; }

 private:
  void appendBesideProgram(std::string_view extension, std::string_view message);
  // Makes the folder one level when it is missing; true when it is there now.
  bool folderAvailable(const std::string& folder);
  // File name in the log folder, or in the working directory when the folder is not available.
  std::string logFileName(bool folderAvailable, const std::string& name) const;

  FileSystem& m_fs;
  const Clock& m_clock;
  std::string m_programPath;
  std::string m_installFolder;
  std::string m_logFolder;
};

// Program path with its extension replaced by `extension` (".log", ".ini", ...),
// the whole path in lower case.
std::string programSiblingPath(std::string_view programPath, std::string_view extension);

}  // namespace bingo
