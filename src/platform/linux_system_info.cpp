#include "platform/linux_system_info.h"

#include <malloc.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <array>

// Defined by "platform/heap_counting.inc" in the executables that count their heap.
extern "C" bool bingoHeapCounts(std::uint64_t* blocks, std::uint64_t* bytes) __attribute__((weak));

namespace bingo {

OsVersion osVersionFromRelease(std::string_view release) {
  std::array<std::uint32_t, 3> numbers{};
  std::size_t pos = 0;
  for (std::uint32_t& number : numbers) {
    bool any = false;
    std::uint64_t value = 0;
    while (pos < release.size() && release[pos] >= '0' && release[pos] <= '9') {
      value =
          std::min<std::uint64_t>(value * 10 + static_cast<std::uint64_t>(release[pos] - '0'), UINT32_MAX);
      any = true;
      ++pos;
    }
    number = static_cast<std::uint32_t>(value);
    // Only a dot between digits carries on to the next number ("6.8.0-rc3" stops at '-').
    if (!any || pos >= release.size() || release[pos] != '.') break;
    ++pos;
  }
  OsVersion version;
  version.major = numbers[0];
  version.minor = numbers[1];
  version.build = numbers[2];
  return version;
}

OsVersion LinuxSystemInfo::osVersion() const {
  utsname names{};
  if (::uname(&names) != 0) return {};
  return osVersionFromRelease(names.release);
}

std::uint64_t LinuxSystemInfo::physicalMemoryBytes() const {
  const long pages = ::sysconf(_SC_PHYS_PAGES);
  const long pageSize = ::sysconf(_SC_PAGESIZE);
  if (pages <= 0 || pageSize <= 0) return 0;
  return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize);
}

HeapStats LinuxSystemInfo::heapStats() const {
  HeapStats heap;
  if (bingoHeapCounts && bingoHeapCounts(&heap.blockCount, &heap.totalBytes)) return heap;
  const struct mallinfo2 info = ::mallinfo2();
  heap.totalBytes = info.uordblks + info.hblkhd;
  return heap;
}

}  // namespace bingo
