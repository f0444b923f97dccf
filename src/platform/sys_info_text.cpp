#include "platform/sys_info_text.h"

#include <langinfo.h>
#include <locale.h>

#include "platform/text.h"

namespace bingo {
namespace {

constexpr std::uint32_t kPlatformWin9x = 1;
constexpr std::uint32_t kPlatformNT = 2;

// Two different separators, as the texts have always been shown.
constexpr const char* kLfCr = "\n\r";
constexpr const char* kCrLf = "\r\n";

// The "#,###" picture: digits grouped by three with the separator, and no digit at all for 0.
std::string groupedThousands(std::uint64_t value, std::string_view separator) {
  const std::string digits = value == 0 ? std::string() : std::to_string(value);
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

}  // namespace

std::string SysInfo_MemoryText(const HeapStats& heap) {
  return "AllocMemCount: " + std::to_string(heap.blockCount) + kLfCr +
         "AllocMemSize : " + std::to_string(heap.totalBytes) + kLfCr;
}

std::string SysInfo_WindowsText(const OsVersion& version) {
  const char* platform = version.platformId == kPlatformWin9x ? "Platform: Windows 9x"
                         : version.platformId == kPlatformNT  ? "Platform: Windows NT"
                                                              : "Platform: ????";
  return std::string(platform) + kCrLf + "Windows: " + std::to_string(version.major) + "." +
         std::to_string(version.minor) + kLfCr + "Build  : " + std::to_string(version.build) + kLfCr +
         "Update: " + version.servicePack;
}

std::string About_OSText(const OsVersion& version) {
  if (version.platformId != kPlatformWin9x && version.platformId != kPlatformNT)
    return formatText("%s %u.%u", "Windows", version.major, version.minor);
  const char* name = version.platformId == kPlatformWin9x ? "Windows 95" : "Windows NT";
  // The 9x family keeps its version in the high word of the build number.
  const std::uint32_t build = version.platformId == kPlatformWin9x ? (version.build & 0xFFFF) : version.build;
  if (version.servicePack.empty())
    return formatText("%s %u.%u (Build %u)", name, version.major, version.minor, build);
  return formatText("%s %u.%u (Build %u: %s)", name, version.major, version.minor, build,
                    version.servicePack.c_str());
}

std::string numericThousandsSeparator() {
  // The environment's LC_NUMERIC (LC_ALL, LC_NUMERIC, LANG), whatever the
  // process's own locale is; the C locale names no separator.
  std::string separator;
  if (const locale_t numeric = ::newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0))) {
    separator = ::nl_langinfo_l(THOUSEP, numeric);
    ::freelocale(numeric);
  }
  return separator.empty() ? std::string(",") : separator;
}

std::string About_PhysMemText(std::uint64_t bytes, std::string_view separator) {
  return groupedThousands(bytes >> 10, separator) + " KB";
}

std::string About_PhysMemText(std::uint64_t bytes) {
  return About_PhysMemText(bytes, numericThousandsSeparator());
}

std::string WindowsVersionText(const OsVersion& version) { return About_OSText(version); }

int WindowsMajorVersion(const OsVersion& version) { return static_cast<int>(version.major); }

}  // namespace bingo
