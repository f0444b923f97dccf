#include "config/console_ini.h"

#include <array>
#include <cstdint>
#include <variant>

#include "config/profile_file.h"
#include "platform/app_error.h"
#include "platform/logs.h"

namespace bingo {
namespace {

using FieldRef =
    std::variant<std::string ConsoleConfig::*, std::uint16_t ConsoleConfig::*, std::uint8_t ConsoleConfig::*,
                 std::int32_t ConsoleConfig::*, bool ConsoleConfig::*>;

struct IniField {
  const char* section;
  const char* key;
  FieldRef field;
};

// The settings table: the order in which keys are read and written, and so the
// order of the sections in a newly made file.
constexpr std::array<IniField, 36> kIniFields{{
    {"Net", "PC", &ConsoleConfig::NetPC},
    {"Folders", "Net", &ConsoleConfig::FoldersNet},
    {"Files", "Frame", &ConsoleConfig::FilesFrame},
    {"Files", "Off1", &ConsoleConfig::FilesOff1},
    {"Files", "Off2", &ConsoleConfig::FilesOff2},
    {"Files", "Off3", &ConsoleConfig::FilesOff3},
    {"Files", "AltS", &ConsoleConfig::FilesAltS},
    {"Files", "AltN", &ConsoleConfig::FilesAltN},
    {"Timer", "Interval", &ConsoleConfig::TimerInterval},
    {"Timer", "Enabled", &ConsoleConfig::TimerEnabled},
    {"NetDG", "Enabled", &ConsoleConfig::NetDGEnabled},
    {"NetDG", "Taken", &ConsoleConfig::NetDGTaken},
    {"NetDG", "RB", &ConsoleConfig::NetDGRB},
    {"NetDG", "Ext", &ConsoleConfig::NetDGExt},
    {"NetDG", "Name", &ConsoleConfig::NetDGName},
    {"NetDG", "Folder", &ConsoleConfig::NetDGFolder},
    {"NetDG", "FolderNet", &ConsoleConfig::NetDGFolderNet},
    {"NetDG", "FolderTmp", &ConsoleConfig::NetDGFolderTmp},
    {"NetDG", "LOPmin", &ConsoleConfig::NetDGLOPmin},
    {"NetDG", "LOPmax", &ConsoleConfig::NetDGLOPmax},
    {"Jezik", "Jezik", &ConsoleConfig::Jezik},
    {"Unos", "Limit", &ConsoleConfig::UnosLimit},
    {"Form", "Top", &ConsoleConfig::FormTop},
    {"Form", "Left", &ConsoleConfig::FormLeft},
    {"Form", "Height", &ConsoleConfig::FormHeight},
    {"Form", "Width", &ConsoleConfig::FormWidth},
    {"Bub2", "Enabled", &ConsoleConfig::Bub2Enabled},
    {"Bub2", "RS232", &ConsoleConfig::Bub2RS232},
    {"Bub2", "LAN", &ConsoleConfig::Bub2LAN},
    {"Bub2", "AltS", &ConsoleConfig::Bub2AltS},
    {"WB", "Show", &ConsoleConfig::WBShow},
    {"WB", "Cam2", &ConsoleConfig::WBCam2},
    {"WBURL", "URL0", &ConsoleConfig::WBURL0},
    {"WBURL", "URL1", &ConsoleConfig::WBURL1},
    {"WBURL", "URL2", &ConsoleConfig::WBURL2},
    {"Screen", "Fit", &ConsoleConfig::ScreenFit},
}};

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

std::string shareFolder(const std::string& server) { return "\\\\" + server + "\\net"; }

}  // namespace

std::optional<std::string> NetIni_ServerName(FileSystem& fs) {
  auto line = readFirstLine(fs, kNetIniPath);
  if (!line || line->empty()) return std::nullopt;
  return line;
}

void ConsoleConfig_SetDefaults(ConsoleConfig& c, FileSystem& fs) {
  c.NetPC = kDefaultServerName;
  if (auto server = NetIni_ServerName(fs)) c.NetPC = std::move(*server);
  c.FoldersNet = shareFolder(c.NetPC);
  c.FilesFrame = c.FoldersNet + "\\Frame.dat";
  c.FilesOff1 = c.FoldersNet + "\\Off1.txt";
  c.FilesOff2 = c.FoldersNet + "\\Off2.txt";
  c.FilesOff3 = c.FoldersNet + "\\Off3.txt";
  c.FilesAltS = c.FoldersNet + "\\AltS.txt";
  c.FilesAltN = c.FoldersNet + "\\AltN.txt";

  c.TimerInterval = 100;
  c.TimerEnabled = true;
  c.NetDGEnabled = false;
  c.NetDGTaken = false;
  c.NetDGExt = "DG";
  c.NetDGRB = 0;
  c.NetDGName = "000000N0.dg";
  c.NetDGFolder = "C:\\Orma\\Bingo\\Arh\\DG2";
  c.NetDGFolderNet = shareFolder(kDefaultServerName);
  c.NetDGFolderTmp = "DGT";
  c.NetDGLOPmin = 2;
  c.NetDGLOPmax = 5;

  c.Jezik = 0;
  c.UnosLimit = 0;
  c.Bub2Enabled = c.Bub2RS232 = c.Bub2LAN = c.Bub2AltS = false;
  c.WBShow = false;
  c.WBCam2 = false;

  c.WBURL0 = "Bingo_Camera.htm";
  c.WBURL1 = kDefaultCameraUrl;
  c.WBURL2 = kDefaultSpareUrl;
  c.FormTop = 0;
  c.FormLeft = 0;
  c.FormHeight = 748;
  c.FormWidth = 1032;
  c.ScreenFit = false;
}

std::string ConsoleIni_Path(std::string_view programPath) { return programSiblingPath(programPath, ".ini"); }

void ConsoleIni_Read(ConsoleConfig& c, FileSystem& fs, std::string_view programPath) {
  ProfileFile ini;
  ini.load(fs, ConsoleIni_Path(programPath));
  for (const IniField& f : kIniFields) {
    std::visit(Overloaded{
                   [&](std::string ConsoleConfig::*m) { c.*m = ini.readString(f.section, f.key, c.*m); },
                   // A u16 field keeps the low 16 bits of the integer read, Jezik the low 8.
                   [&](std::uint16_t ConsoleConfig::*m) {
                     c.*m = static_cast<std::uint16_t>(ini.readInteger(f.section, f.key, c.*m));
                   },
                   [&](std::uint8_t ConsoleConfig::*m) {
                     c.*m = static_cast<std::uint8_t>(ini.readInteger(f.section, f.key, c.*m));
                   },
                   [&](std::int32_t ConsoleConfig::*m) { c.*m = ini.readInteger(f.section, f.key, c.*m); },
                   [&](bool ConsoleConfig::*m) { c.*m = ini.readBool(f.section, f.key, c.*m); },
               },
               f.field);
  }
}

void ConsoleIni_Write(const ConsoleConfig& c, FileSystem& fs, std::string_view programPath) {
  const std::string path = ConsoleIni_Path(programPath);
  ProfileFile ini;
  // Writing over a file that could not be read would lose its other keys.
  if (!ini.loadWhole(fs, path)) throw AppError("Unable to write to " + path);
  for (const IniField& f : kIniFields) {
    std::visit(Overloaded{
                   [&](std::string ConsoleConfig::*m) { ini.writeString(f.section, f.key, c.*m); },
                   [&](bool ConsoleConfig::*m) { ini.writeBool(f.section, f.key, c.*m); },
                   [&](auto ConsoleConfig::*m) { ini.writeInteger(f.section, f.key, c.*m); },
               },
               f.field);
  }
  ini.save(fs, path);
}

}  // namespace bingo
