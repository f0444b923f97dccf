// What the machine tells the technician: its version and memory, in
// the texts the technician reads (the memory grouped the way the locale
// writes numbers).

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <vector>

#include "platform/linux_system_info.h"
#include "platform/sys_info_text.h"
#include "unit/platform/temp_folder.h"

// This test program counts its heap the way the console does.
#include "platform/heap_counting.inc"

namespace bingo {
namespace {

// WindowsVersionText and WindowsMajorVersion only hand on these values; the
// technician's text of a version of neither family is the widget test's.
TEST(SysInfoText, TextsAsTheTechnicianSeesThem) {
  // The 9x family keeps its version in the high word of the build number.
  const OsVersion xp{2, 5, 1, 2600, "Service Pack 3"}, nt{2, 5, 1, 2600, ""},
      w95{1, 4, 10, 0x040A08AE, " A "}, other{3, 10, 0, 19045, "x"};
  EXPECT_EQ(About_OSText(xp) + "|" + About_OSText(nt) + "|" + About_OSText(w95) + "|" + About_OSText(other),
            "Windows NT 5.1 (Build 2600: Service Pack 3)|Windows NT 5.1 (Build 2600)|"
            "Windows 95 4.10 (Build 2222:  A )|Windows 10.0");
  EXPECT_EQ(SysInfo_WindowsText(xp) + "|" + SysInfo_WindowsText(w95),
            "Platform: Windows NT\r\nWindows: 5.1\n\rBuild  : 2600\n\rUpdate: Service Pack 3|"
            "Platform: Windows 9x\r\nWindows: 4.10\n\rBuild  : 67766446\n\rUpdate:  A ");
}

TEST(LinuxSystemInfo, VersionFromTheKernelRelease) {
  const std::tuple<const char*, std::uint32_t, std::uint32_t, std::uint32_t> rows[] = {
      // major, minor, build
      {"6.1.0-18-amd64", 6, 1, 0}, {"5.15.153.1-microsoft-standard-WSL2", 5, 15, 153},
      {"4.19", 4, 19, 0},          {"", 0, 0, 0},
      {"6.x.2", 6, 0, 0},          {"99999999999.1.1", UINT32_MAX, 1, 1},
      {"6..8", 6, 0, 0},
  };
  for (const auto& [release, major, minor, build] : rows) {
    const OsVersion v = osVersionFromRelease(release);
    EXPECT_EQ(std::make_tuple(v.platformId, v.major, v.minor, v.build, v.servicePack),
              std::make_tuple(0u, major, minor, build, std::string()))
        << release;
  }
  const LinuxSystemInfo info;
  EXPECT_GT(info.osVersion().major, 2u);
  // The whole memory the kernel manages, as /proc/meminfo gives it in kB.
  std::ifstream meminfo("/proc/meminfo");
  std::string label;
  std::uint64_t kilobytes = 0;
  meminfo >> label >> kilobytes;
  EXPECT_EQ(info.physicalMemoryBytes(), kilobytes * 1024);
}

TEST(LinuxSystemInfo, HeapStatsCountTheProgramsOwnLiveBlocks) {
  struct alignas(256) Wide {  // taken through the aligned operator new
    char bytes[512];
  };
  const LinuxSystemInfo info;
  std::vector<std::unique_ptr<char[]>> blocks;
  blocks.reserve(10);
  const HeapStats before = info.heapStats();
  for (int i = 0; i < 10; ++i) blocks.push_back(std::make_unique<char[]>(1000));
  auto wide = std::make_unique<Wide>();
  const HeapStats during = info.heapStats();
  blocks.clear();
  wide.reset();
  const HeapStats after = info.heapStats();
  EXPECT_EQ(during.blockCount - before.blockCount, 11u);
  EXPECT_GE(during.totalBytes - before.totalBytes, 10u * 1000 + 512);
  EXPECT_LE(during.totalBytes - before.totalBytes, 10u * 1100 + 1024);
  EXPECT_EQ(std::make_pair(after.blockCount, after.totalBytes),
            std::make_pair(before.blockCount, before.totalBytes));
}

TEST(SysInfoText, MemoryInKilobytesGroupedWithTheLocalesSeparator) {
  const std::tuple<std::uint64_t, const char*, const char*> rows[] = {
      {2147483648ull, ",", "2,097,152 KB"},     {1023, ",", " KB"},
      {999 * 1024 + 1023, ",", "999 KB"},       {1ull << 50, ",", "1,099,511,627,776 KB"},
      {1000 * 1024, "\u202f", "1\u202f000 KB"},  // a narrow no-break space
  };
  for (const auto& [bytes, separator, text] : rows)
    EXPECT_EQ(About_PhysMemText(bytes, separator), text) << bytes;
  // The test runs in the C locale, which names no separator.
  EXPECT_EQ(About_PhysMemText(1000 * 1024), "1,000 KB");

  // A German numeric locale, built for this test from the system's locale sources
  // (each test runs in its own process, so the environment is not restored).
  test::TempFolder tmp;
  if (std::system(("localedef -i de_DE -f UTF-8 " + tmp / "de_DE.UTF-8" + " >/dev/null 2>&1").c_str()) != 0)
    GTEST_SKIP() << "no locale sources to build de_DE from";
  ::setenv("LOCPATH", tmp.path().c_str(), 1);
  ::setenv("LC_ALL", "de_DE.UTF-8", 1);
  EXPECT_EQ(About_PhysMemText(2147483648ull), "2.097.152 KB");
}

}  // namespace
}  // namespace bingo
