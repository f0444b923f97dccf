#pragma once
// The machine as Linux reports it. The platform id is 0, none of the Windows
// families, so the console's version rules take the Linux path everywhere.

#include <string_view>

#include "platform/system_info.h"

namespace bingo {

class LinuxSystemInfo final : public SystemInfo {
 public:
  // Kernel major and minor from uname, its patch number as the build.
  OsVersion osVersion() const override;
  std::uint64_t physicalMemoryBytes() const override;
  // Counted by the program's own operator new and delete when the executable
  // includes "platform/heap_counting.inc"; otherwise only glibc's byte total
  // is known and the block count is 0.
  HeapStats heapStats() const override;
};

// "6.1.0-18-amd64" -> major 6, minor 1, build 0; missing numbers are 0.
OsVersion osVersionFromRelease(std::string_view release);

}  // namespace bingo
