// What the technician reads: the machine's memory grouped the way the
// locale writes numbers, and the console's LAN address rather than loopback.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "platform/linux_network.h"
#include "platform/sys_info_text.h"
#include "unit/platform/temp_folder.h"

namespace bingo {
namespace {

TEST(SysInfoText, MemoryInKilobytesGroupedWithTheLocalesSeparator) {
  const std::tuple<std::uint64_t, const char*, const char*> rows[] = {
      {2147483648ull, ",", "2,097,152 KB"},
      {1023, ",", " KB"},
      {1024, ",", "1 KB"},
      {999 * 1024 + 1023, ",", "999 KB"},
      {123456789, ",", "120,563 KB"},
      {1ull << 50, ",", "1,099,511,627,776 KB"},
      {2147483648ull, ".", "2.097.152 KB"},
      {1000 * 1024, "\xe2\x80\xaf",
       "1\xe2\x80\xaf"
       "000 KB"},
  };
  for (const auto& [bytes, separator, text] : rows)
    EXPECT_EQ(About_PhysMemText(bytes, separator), text) << bytes;
  EXPECT_EQ(About_PhysMemText(1000 * 1024), "1,000 KB");  // the test runs in the C locale

  // A German numeric locale, built for this test from the system's locale sources.
  test::TempFolder tmp;
  const std::string build = "localedef -i de_DE -f UTF-8 " + tmp / "de_DE.UTF-8" + " >/dev/null 2>&1";
  if (std::system(build.c_str()) != 0) GTEST_SKIP() << "no locale sources to build de_DE from";
  const char* oldAll = std::getenv("LC_ALL");
  const std::string keptAll = oldAll ? oldAll : "";
  ::setenv("LOCPATH", tmp.path().c_str(), 1);
  ::setenv("LC_ALL", "de_DE.UTF-8", 1);
  const std::string german = About_PhysMemText(2147483648ull);
  ::setenv("LC_ALL", "C", 1);
  const std::string plain = About_PhysMemText(2147483648ull);
  ::unsetenv("LOCPATH");
  oldAll ? ::setenv("LC_ALL", keptAll.c_str(), 1) : ::unsetenv("LC_ALL");
  EXPECT_EQ(german + "|" + plain, "2.097.152 KB|2,097,152 KB");  // the C locale names no separator
}

TEST(LocalAddress, TheLanAddressWhenTheHostNameIsLoopback) {
  const Ipv4Address none{}, debianHost{{127, 0, 1, 1}}, lan{{192, 168, 5, 20}}, other{{10, 1, 2, 3}};
  const InterfaceAddress lo{{{127, 0, 0, 1}}, true, true}, eth{lan, true, false}, down{other, false, false};
  const std::tuple<const char*, Ipv4Address, std::vector<InterfaceAddress>, const char*> rows[] = {
      {"the host name's own address", other, {lo, eth}, "10.1.2.3"},
      {"loopback gives the first interface that is up", debianHost, {lo, down, eth}, "192.168.5.20"},
      {"no lookup answer gives it too", none, {lo, eth}, "192.168.5.20"},
      {"only loopback interfaces keep the looked-up address", debianHost, {lo, down}, "127.0.1.1"},
      {"nothing at all", none, {lo}, "IP Address: NEMA!!!"},
  };
  for (const auto& [name, lookedUp, interfaces, text] : rows)
    EXPECT_EQ(localAddressText(lookedUp, interfaces), text) << name;

  // On this machine: a LAN interface that is up is what the label shows.
  const auto all = interfaceAddresses();
  if (std::any_of(all.begin(), all.end(), [](const InterfaceAddress& a) { return a.up && !a.loopback; })) {
    EXPECT_NE(LinuxNetwork().Local_IPText().rfind("127.", 0), 0u);
  }
}

}  // namespace
}  // namespace bingo
