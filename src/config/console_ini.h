#pragma once
// The console's INI file beside the program: defaults, reading and writing of
// ConsoleConfig, all in the order of the settings table.

#include <optional>
#include <string>
#include <string_view>

#include "config/console_config.h"
#include "platform/file_system.h"

namespace bingo {

// The network-identity file in the working directory; its first line names the server.
inline constexpr const char* kNetIniPath = "net.ini";
// Default page of the camera browser when WBCam2 is on, and the spare address.
inline constexpr const char* kDefaultCameraUrl = "http://192.168.1.90:81/videostream.cgi";
inline constexpr const char* kDefaultSpareUrl = "http://192.168.1.90:81/snapshot.cgi";

// The first line of "net.ini" when it can be read and is not empty.
std::optional<std::string> NetIni_ServerName(FileSystem& fs);

// Every field to its default, with the server name rule applied. The frame
// loop's counters live with the console and are reset there.
void ConsoleConfig_SetDefaults(ConsoleConfig& config, FileSystem& fs);

// The INI path: the program path with the extension ".ini", all in lower case.
std::string ConsoleIni_Path(std::string_view programPath);

// Reads every key with the field's current value as default. A missing file,
// section or key leaves the field as it is; reading never creates the file.
void ConsoleIni_Read(ConsoleConfig& config, FileSystem& fs, std::string_view programPath);

// Writes every key in table order in one write of the whole file, keeping the
// file's own lines and foreign keys. A refused write (or an existing file that
// cannot be read back whole first) throws AppError("Unable to write to " + path).
void ConsoleIni_Write(const ConsoleConfig& config, FileSystem& fs, std::string_view programPath);

}  // namespace bingo
