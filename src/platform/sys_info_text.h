#pragma once
// The texts a service technician sees about the console's machine: the
// program's own memory use, the platform version and the physical memory.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/system_info.h"

namespace bingo {

// "AllocMemCount: n" and "AllocMemSize : n", each followed by LF CR.
std::string SysInfo_MemoryText(const HeapStats& heap);
// Platform line, CR LF, then "Windows: ", "Build  : " and "Update: " lines joined by LF CR.
std::string SysInfo_WindowsText(const OsVersion& version);
// "Windows NT 5.1 (Build 2600: Service Pack 3)" and its shorter forms.
std::string About_OSText(const OsVersion& version);
// Physical memory in whole KB, thousands grouped with the separator (by
// default the locale's, see below), then " KB".
std::string About_PhysMemText(std::uint64_t bytes, std::string_view separator);
std::string About_PhysMemText(std::uint64_t bytes);
// The thousands separator of the environment's LC_NUMERIC; "," where it names none.
std::string numericThousandsSeparator();

// The diagnostic labels' version text (the same rules as About_OSText) and major version.
std::string WindowsVersionText(const OsVersion& version);
int WindowsMajorVersion(const OsVersion& version);

}  // namespace bingo
