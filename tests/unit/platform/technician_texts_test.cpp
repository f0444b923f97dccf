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

TEST(SysInfoText, MemoryIsGroupedWithTheLocalesSeparator) {
  EXPECT_EQ(About_PhysMemText(2147483648ull, "."), "2.097.152 KB");
  EXPECT_EQ(About_PhysMemText(1000 * 1024, "\xe2\x80\xaf"),
            "1\xe2\x80\xaf"
            "000 KB");

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
  EXPECT_EQ(german, "2.097.152 KB");
  EXPECT_EQ(plain, "2,097,152 KB");  // the C locale names no separator
}

TEST(LocalAddress, TheLanAddressWhenTheHostNameIsLoopback) {
  const Ipv4Address none{}, debianHost{{127, 0, 1, 1}}, lan{{192, 168, 5, 20}}, other{{10, 1, 2, 3}};
  const InterfaceAddress lo{{{127, 0, 0, 1}}, true, true}, eth{lan, true, false}, down{other, false, false};
  struct Row {
    const char* name;
    Ipv4Address lookedUp;
    std::vector<InterfaceAddress> interfaces;
    const char* text;
  };
  const Row rows[] = {
      {"the host name's own address", other, {lo, eth}, "10.1.2.3"},
      {"loopback gives the first interface that is up", debianHost, {lo, down, eth}, "192.168.5.20"},
      {"no lookup answer gives it too", none, {lo, eth}, "192.168.5.20"},
      {"only loopback interfaces keep the looked-up address", debianHost, {lo, down}, "127.0.1.1"},
      {"nothing at all", none, {lo}, "IP Address: NEMA!!!"},
  };
  for (const Row& r : rows) EXPECT_EQ(localAddressText(r.lookedUp, r.interfaces), r.text) << r.name;

  // On this machine: a LAN interface that is up is what the label shows.
  const auto all = interfaceAddresses();
  if (std::any_of(all.begin(), all.end(), [](const InterfaceAddress& a) { return a.up && !a.loopback; })) {
    EXPECT_NE(LinuxNetwork().Local_IPText().rfind("127.", 0), 0u);
  }
}

}  // namespace
}  // namespace bingo
