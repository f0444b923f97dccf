#include <gtest/gtest.h>
#include <linux/capability.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <functional>

#include "platform/linux_network.h"
#include "platform/network_lookup.h"
#include "support/fake_file_system.h"
#include "support/fakes.h"

namespace bingo {
namespace {

using Clock = std::chrono::steady_clock;

TEST(NetworkLookup, DottedAddressesAndLocalNames) {
  NetworkLookup lookup(std::chrono::seconds(2));
  EXPECT_EQ(lookup.resolve("192.168.1.20").dotted() + " " + lookup.resolve("localhost").dotted(),
            "192.168.1.20 127.0.0.1");
  for (const std::string& name : {std::string(), std::string("local\0host", 10), std::string("no such host")})
    EXPECT_TRUE(lookup.resolve(name).isZero()) << name;  // a name with blanks is never found
}

// Whether the resolver answers at once or waits on a silent name server, and
// whatever the network does with a ping (a virtual machine's gateway may answer
// anything), the tick waits at most the lookup and reply bounds.
TEST(LinuxNetwork, LookupAndPingNeverHoldTheTickLong) {
  const auto milliseconds = [](const std::function<void()>& call) {
    const auto start = Clock::now();
    call();
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
  };
  NetworkLookup lookup(std::chrono::milliseconds(20));
  for (int tick = 0; tick < 5; ++tick)
    EXPECT_LT(milliseconds([&] { lookup.resolve("bingoserver-missing.invalid"); }), 300) << tick;
  LinuxNetwork network;
  for (const char* name : {"192.0.2.1", "198.51.100.7", "bingoserver-missing.invalid"})
    EXPECT_LT(milliseconds([&] { network.Server_Ping(name); }), 200) << name;
  EXPECT_TRUE(network.Server_Ping("127.0.0.1"));
  EXPECT_FALSE(network.Server_Ping("") || network.Server_Ping("0.0.0.0"));
  EXPECT_TRUE(network.Host_Address("0.0.0.0").isZero());
}

// Without ICMP sockets (no raw-socket right, no ping group) the ping is a TCP
// probe of port 445, whose refusal also means the host answered; the fallback
// is logged once. Run in a child that gives up the raw-socket right.
TEST(LinuxNetwork, WithoutIcmpThePingProbesPort445AndSaysSoOnce) {
  const pid_t child = ::fork();
  if (child == 0) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[2]{};
    ::syscall(SYS_capget, &header, caps);
    caps[0].effective &= ~(1u << CAP_NET_RAW);
    caps[0].permitted &= ~(1u << CAP_NET_RAW);
    ::syscall(SYS_capset, &header, caps);
    if (::socket(AF_INET, SOCK_DGRAM, IPPROTO_ICMP) >= 0 || ::socket(AF_INET, SOCK_RAW, IPPROTO_ICMP) >= 0)
      ::_exit(77);  // ICMP still allowed here: no fallback to test
    test::FakeFileSystem fs;
    fs.addFolder("C:\\Orma\\Bingo");
    test::FakeClock clock;
    Logs logs(fs, clock, "C:\\Orma\\Bingo\\ClientBingo.exe");
    LinuxNetwork network(&logs);
    const bool answered = network.Server_Ping("127.0.0.1") && network.Server_Ping("localhost");
    const std::string log = fs.text("c:\\orma\\bingo\\clientbingo.err");
    const bool loggedOnce = log.find("port 445") != std::string::npos && log.find('\n') == log.size() - 1;
    ::_exit((answered ? 0 : 1) | (loggedOnce ? 0 : 2));
  }
  int status = 0;
  ASSERT_TRUE(::waitpid(child, &status, 0) == child && WIFEXITED(status));
  if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "ICMP sockets stay allowed without the raw-socket right";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: no answer, 2: the fallback not logged exactly once";
}

// The request and the replies as the wire carries them.
TEST(LinuxNetwork, EchoRequestAndTheRepliesThatAnswerIt) {
  using Bytes = std::vector<std::uint8_t>;
  using Request = std::array<std::uint8_t, 8>;
  EXPECT_EQ(echoRequest(0x1234, 1), (Request{8, 0, 0xE5, 0xCA, 0x12, 0x34, 0, 1}));
  EXPECT_EQ(echoRequest(0xFFFF, 0xFFFF), (Request{8, 0, 0xF7, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  const Bytes reply{0, 0, 0, 0, 0x12, 0x34, 0, 1}, otherId{0, 0, 0, 0, 0xAB, 0xCD, 0, 1};
  const auto raw = [](std::uint8_t ihl, const Bytes& icmp) {
    Bytes packet(ihl * 4u, 0);
    packet[0] = 0x40 | ihl;
    packet.insert(packet.end(), icmp.begin(), icmp.end());
    return packet;
  };
  const std::tuple<const char*, Bytes, bool, bool> rows[] = {
      {"datagram reply, the kernel's identifier", otherId, false, true},
      {"datagram, another sequence", {0, 0, 0, 0, 0x12, 0x34, 0, 2}, false, false},
      {"datagram, a request", {8, 0, 0, 0, 0x12, 0x34, 0, 1}, false, false},
      {"datagram, cut short", Bytes(reply.begin(), reply.end() - 1), false, false},
      {"nothing", {}, false, false},
      {"raw reply past a 20-byte IP header", raw(5, reply), true, true},
      {"raw reply past a 24-byte IP header", raw(6, reply), true, true},
      {"raw reply to another program", raw(5, otherId), true, false},
      {"raw, cut short", raw(5, Bytes(reply.begin(), reply.end() - 1)), true, false},
  };
  for (const auto& [name, packet, isRaw, answers] : rows)
    EXPECT_EQ(isEchoReply(packet, isRaw, 0x1234, 1), answers) << name;
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
  // This computer's loopback interface, as the system lists it.
  EXPECT_TRUE(std::ranges::any_of(interfaceAddresses(), [](const InterfaceAddress& each) {
    return each.address.dotted() == "127.0.0.1" && each.up && each.loopback;
  }));
}

}  // namespace
}  // namespace bingo
