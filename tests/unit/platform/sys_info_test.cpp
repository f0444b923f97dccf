#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <memory>
#include <vector>

#include "platform/linux_system_info.h"
#include "platform/sys_info_text.h"

// This test program counts its heap the way the console does.
#include "platform/heap_counting.inc"

namespace bingo {
namespace {

TEST(SysInfoText, TextsAsTheTechnicianSeesThem) {
  const std::tuple<OsVersion, const char*, const char*> rows[] = {
      // version, About text, the technician's Windows text after "Platform: "
      {{2, 5, 1, 2600, "Service Pack 3"},
       "Windows NT 5.1 (Build 2600: Service Pack 3)",
       "Windows NT\r\nWindows: 5.1\n\rBuild  : 2600\n\rUpdate: Service Pack 3"},
      {{2, 5, 1, 2600, ""},
       "Windows NT 5.1 (Build 2600)",
       "Windows NT\r\nWindows: 5.1\n\rBuild  : 2600\n\rUpdate: "},
      // The 9x family keeps its version in the high word of the build number.
      {{1, 4, 10, 0x040A08AE, " A "},
       "Windows 95 4.10 (Build 2222:  A )",
       "Windows 9x\r\nWindows: 4.10\n\rBuild  : 67766446\n\rUpdate:  A "},
      {{0, 6, 1, 0, ""}, "Windows 6.1", "????\r\nWindows: 6.1\n\rBuild  : 0\n\rUpdate: "},
      {{3, 10, 0, 19045, "x"}, "Windows 10.0", "????\r\nWindows: 10.0\n\rBuild  : 19045\n\rUpdate: x"},
  };
  // WindowsVersionText and WindowsMajorVersion only hand on these values.
  for (const auto& [version, about, windows] : rows)
    EXPECT_EQ(About_OSText(version) + "|" + SysInfo_WindowsText(version),
              std::string(about) + "|Platform: " + windows);
  EXPECT_EQ(SysInfo_MemoryText({12, 3456}), "AllocMemCount: 12\n\rAllocMemSize : 3456\n\r");
}

TEST(LinuxSystemInfo, VersionFromTheKernelRelease) {
  const std::tuple<const char*, std::uint32_t, std::uint32_t, std::uint32_t> rows[] = {
      // major, minor, build
      {"6.1.0-18-amd64", 6, 1, 0},
      {"5.15.153.1-microsoft-standard-WSL2", 5, 15, 153},
      {"6.8.0-rc3", 6, 8, 0},
      {"4.19", 4, 19, 0},
      {"", 0, 0, 0},
      {"6.x.2", 6, 0, 0},
      {"99999999999.1.1", UINT32_MAX, 1, 1},
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
  ASSERT_EQ(label, "MemTotal:");
  EXPECT_EQ(info.physicalMemoryBytes(), kilobytes * 1024);
}

TEST(LinuxSystemInfo, HeapStatsCountTheProgramsOwnLiveBlocks) {
  const LinuxSystemInfo info;
  std::vector<std::unique_ptr<char[]>> blocks;
  blocks.reserve(10);
  const HeapStats before = info.heapStats();
  for (int i = 0; i < 10; ++i) blocks.push_back(std::make_unique<char[]>(1000));
  auto aligned = std::make_unique<std::array<std::max_align_t, 4>>();
  struct alignas(256) Wide {
    char bytes[512];
  };
  auto wide = std::make_unique<Wide>();
  const HeapStats during = info.heapStats();
  blocks.clear();
  aligned.reset();
  wide.reset();
  const HeapStats after = info.heapStats();
  EXPECT_EQ(during.blockCount - before.blockCount, 12u);
  EXPECT_GE(during.totalBytes - before.totalBytes, 10u * 1000 + 64 + 512);
  EXPECT_LE(during.totalBytes - before.totalBytes, 10u * 1100 + 128 + 1024);
  EXPECT_EQ(std::make_pair(after.blockCount, after.totalBytes),
            std::make_pair(before.blockCount, before.totalBytes));
}

}  // namespace
}  // namespace bingo
