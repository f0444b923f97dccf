#include <gtest/gtest.h>

#include <chrono>

#include "platform/linux_network.h"
#include "platform/network_lookup.h"

namespace bingo {
namespace {

using Clock = std::chrono::steady_clock;

TEST(NetworkLookup, DottedAddressesAndLocalNames) {
  NetworkLookup lookup(std::chrono::seconds(2));
  EXPECT_EQ(lookup.resolve("192.168.1.20").dotted(), "192.168.1.20");
  EXPECT_EQ(lookup.resolve("localhost").dotted(), "127.0.0.1");
  EXPECT_TRUE(lookup.resolve("").isZero());
  EXPECT_TRUE(lookup.resolve(std::string("local\0host", 10)).isZero());
  EXPECT_TRUE(lookup.resolve("no such host").isZero()) << "a name with blanks is never found";
}

TEST(NetworkLookup, AnUnansweredLookupCountsAsNoAddressWithinItsBound) {
  // Whether the resolver answers this at once or waits on a silent name
  // server, the caller gets its answer within the bound plus scheduling slack.
  NetworkLookup lookup(std::chrono::milliseconds(20));
  for (int tick = 0; tick < 5; ++tick) {
    const auto start = Clock::now();
    EXPECT_TRUE(lookup.resolve("bingoserver-missing.invalid").isZero());
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(300)) << tick;
  }
}

TEST(LinuxNetwork, PingAnswersForThisHostAndNotForNoAddress) {
  LinuxNetwork network;
  EXPECT_TRUE(network.Server_Ping("127.0.0.1"));
  EXPECT_FALSE(network.Server_Ping(""));
  EXPECT_FALSE(network.Server_Ping("0.0.0.0"));
  EXPECT_TRUE(network.Host_Address("0.0.0.0").isZero());
}

TEST(LinuxNetwork, PingNeverHoldsTheTickLong) {
  // Whatever the network does with these (a virtual machine's gateway may
  // answer anything), one ping waits at most its lookup and reply bounds.
  LinuxNetwork network;
  for (const char* name : {"192.0.2.1", "198.51.100.7", "bingoserver-missing.invalid"}) {
    const auto start = Clock::now();
    network.Server_Ping(name);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(200)) << name;
  }
}

TEST(LinuxNetwork, LocalAddressIsDottedTextOrTheNoAddressText) {
  LinuxNetwork network;
  const std::string text = network.Local_IPText();
  if (text != "IP Address: NEMA!!!") {
    NetworkLookup lookup(std::chrono::seconds(1));
    EXPECT_EQ(lookup.resolve(text).dotted(), text);
  }
}

}  // namespace
}  // namespace bingo
