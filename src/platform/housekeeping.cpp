#include "platform/housekeeping.h"

#include <array>

#include "platform/folders.h"

namespace bingo {
namespace {

struct FolderRow {
  const char* path;
  bool consoleToo;  // the sound and report folders belong to the installation's other programs
};

// In the order they are made.
constexpr std::array kFolders{
    FolderRow{kFolderWindows, true},  FolderRow{kFolderInstall, true},  FolderRow{kFolderDg, true},
    FolderRow{kFolderBub, true},      FolderRow{kFolderDmg, true},      FolderRow{kFolderLog, true},
    FolderRow{kFolderConfig, true},   FolderRow{kFolderNetLocal, true}, FolderRow{kFolderWav, false},
    FolderRow{kFolderWavTemp, false}, FolderRow{kFolderRep, false},
};

// Ticket card files of game types 0..3.
constexpr std::array kTicketBaseNames{"A1944.3x5", "A5952.3x5", "A2000.3x5", "A6000.3x5"};

struct FileRow {
  std::string FileNames::*member;
  const char* folder;
  const char* name;
};

constexpr std::array kFiles{
    FileRow{&FileNames::PathGameConfig, kFolderConfig, "CfgC2.cfg"},
    FileRow{&FileNames::PathComConfig, kFolderConfig, "COMw.cfg"},
    FileRow{&FileNames::PathProtocol, kFolderConfig, "ProtklW.cfg"},
    FileRow{&FileNames::PathCity, kFolderConfig, "GradW.txt"},
    FileRow{&FileNames::PathFundModes, kFolderConfig, "RezDefW.txt"},
    FileRow{&FileNames::PathFundDefs, kFolderConfig, "cVIw.txt"},
    FileRow{&FileNames::PathOff1, kFolderNetLocal, "Off1.txt"},
    FileRow{&FileNames::PathOff2, kFolderNetLocal, "Off2.txt"},
    FileRow{&FileNames::PathOff3, kFolderNetLocal, "Off3.txt"},
};

// A full file name is a text of at most 40 characters.
constexpr std::size_t kPathLimit = 40;

// 1944 cards of game type 0, 15 bytes each.
constexpr std::uint64_t kTicketBaseSize = 1944 * 15;
static_assert(kTicketBaseSize == 29160);

std::string fullName(const char* folder, const char* name) {
  return (std::string(folder) + "\\" + name).substr(0, kPathLimit);
}

}  // namespace

bool Housekeeping::Folder_Ensure(const std::string& path, bool report) {
  if (m_fs.exists(path)) return true;
  // One level only: a missing parent makes the creation fail.
  if (m_fs.makeFolder(path).ok()) return true;
  if (report) m_logs.Report_Error("Ne mogu da napravim folder: " + path);
  return false;
}

bool Housekeeping::File_Check(const std::string& path, std::optional<std::uint64_t> expectedSize,
                              bool report) {
  const bool exists = m_fs.exists(path) && !m_fs.isFolder(path);
  if (!exists) {
    const std::string text = "Ne postoji file: " + path;
    m_logs.Trace_Write(text);
    if (report) m_logs.Report_Error(text);
  }
  if (!expectedSize) return exists;
  const auto size = exists ? m_fs.fileSize(path) : std::nullopt;
  const bool sizeOk = size && *size == *expectedSize;
  if (!sizeOk) {
    // The second space before the path tells the size check from the presence check.
    const std::string text = "Ne postoji file: " + std::string(" ") + path;
    m_logs.Trace_Write(text);
    if (report) m_logs.Report_Error(text);
  }
  return sizeOk;
}

void Housekeeping::AppHalt_Folders_Make(bool consoleRole) {
  // The installation folder lies two levels below the drive; on a fresh disk
  // its parents are made quietly first, so a first start builds the whole tree.
  for (const char* parent : {"C:\\Orma", "C:\\Orma\\Bingo"}) Folder_Ensure(parent, false);
  bool ok = true;
  for (const FolderRow& folder : kFolders) {
    if (!folder.consoleToo && consoleRole) break;
    ok = Folder_Ensure(folder.path, true);
    if (!ok) break;
  }
  if (!ok) m_logs.Report_Error("Ne postoji folder: ");
}

void Housekeeping::AppHalt_FileAndFold_Names_Make_Default() {
  for (std::size_t type = 0; type < kTicketBaseNames.size(); ++type)
    m_names.PathTicketBase[type] = fullName(kFolderConfig, kTicketBaseNames[type]);
  for (const FileRow& file : kFiles) m_names.*file.member = fullName(file.folder, file.name);
}

void Housekeeping::AppHalt_Files_EraseOld() {
  // Old files are kept: this step only leaves its trace lines, written by the start-up sequence.
}

void Housekeeping::AppHalt_Files_EraseOff() {
  // The local copies of the server's shutdown commands from the previous run;
  // a file that is missing or cannot be deleted is passed over.
  m_fs.removeFile(m_names.PathOff1);
  m_fs.removeFile(m_names.PathOff2);
  m_fs.removeFile(m_names.PathOff3);
}

void Housekeeping::AppHalt_Files() {
  if (File_Check(m_names.PathTicketBase[0], kTicketBaseSize, true))
    File_Check(m_names.PathCity, std::nullopt, false);
}

}  // namespace bingo
