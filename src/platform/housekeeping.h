#pragma once
// The installation's folder tree and file names, made and checked at every start.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/file_system.h"
#include "platform/logs.h"

namespace bingo {

// Full names of the data files, each cut at 40 characters.
struct FileNames {
  std::array<std::string, 4> PathTicketBase;  // game types 0..3
  std::string PathGameConfig;
  std::string PathComConfig;
  std::string PathProtocol;
  std::string PathCity;
  std::string PathFundModes;
  std::string PathFundDefs;
  std::string PathOff1;
  std::string PathOff2;
  std::string PathOff3;
};

class Housekeeping {
 public:
  Housekeeping(FileSystem& fs, Logs& logs) : m_fs(fs), m_logs(logs) {}

  // True when path exists (any directory entry); otherwise makes that one
  // folder level. A failure with `report` goes to Report_Error.
  bool Folder_Ensure(const std::string& path, bool report);
  // Presence of a file and, when expectedSize is given, its exact size.
  bool File_Check(const std::string& path, std::optional<std::uint64_t> expectedSize, bool report);

  // The five start-up steps, in the order the start-up sequence runs them
  // (it brackets each with Trace_Begin/Trace_End).
  void AppHalt_Folders_Make(bool consoleRole);
  void AppHalt_FileAndFold_Names_Make_Default();
  void AppHalt_Files_EraseOld();
  void AppHalt_Files_EraseOff();
  void AppHalt_Files();

  const FileNames& names() const { return m_names; }

 private:
  FileSystem& m_fs;
  Logs& m_logs;
  FileNames m_names;
};

}  // namespace bingo
