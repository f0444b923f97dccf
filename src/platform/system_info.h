#pragma once

#include <cstdint>
#include <string>

namespace bingo {

// The platform's version data as the console shows it. On Linux the platform
// id is not one of the Windows families (1 = 9x, 2 = NT), and major/minor are
// the kernel's numbers.
struct OsVersion {
  std::uint32_t platformId = 0;
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
  std::uint32_t build = 0;
  std::string servicePack;
};

// The program's own live heap allocations.
struct HeapStats {
  std::uint64_t blockCount = 0;
  std::uint64_t totalBytes = 0;
};

struct ScreenSize {
  int width = 1024;
  int height = 768;
};

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;
  virtual OsVersion osVersion() const = 0;
  virtual std::uint64_t physicalMemoryBytes() const = 0;
  virtual HeapStats heapStats() const = 0;
};

}  // namespace bingo
