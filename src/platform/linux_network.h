#pragma once
// The server ping and this console's own address on Linux.
//
// The ping sends one ICMP echo request without payload through an ICMP
// datagram socket, else a raw socket. Where the system allows neither (Debian
// ships with unprivileged ICMP off, even for root's datagram sockets), a
// non-blocking TCP connect to the server's port 445 stands in: an accepted or
// refused connection both mean the host answered. That fallback is written
// once to the error log. A reply is waited for at most 5 ms, the name lookup
// at most 20 ms, so a tick never freezes on a silent network.

#include <array>
#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/logs.h"
#include "platform/network.h"
#include "platform/network_lookup.h"

namespace bingo {

// One IPv4 address of a network interface.
struct InterfaceAddress {
  Ipv4Address address;
  bool up = false;
  bool loopback = false;
};

// The IPv4 addresses of this computer's interfaces, in the system's order.
std::vector<InterfaceAddress> interfaceAddresses();

// The console's own address for the technicians: the host name's address,
// unless that is a loopback address (Debian maps the host name to 127.0.1.1)
// or missing; then the first non-loopback address of an interface that is up.
// "IP Address: NEMA!!!" only when there is no address at all.
std::string localAddressText(const Ipv4Address& lookedUp, std::span<const InterfaceAddress> interfaces);

// The echo request this console sends: type 8, code 0, checksum, identifier
// and sequence number, big-endian, without payload.
std::array<std::uint8_t, 8> echoRequest(std::uint16_t id, std::uint16_t sequence);

// Whether `packet` (as a raw socket receives it, with its IP header, or as a
// datagram socket does, without) is the server's reply to the request with
// `sequence`. A datagram socket's kernel rewrites the identifier and delivers
// only replies to that socket; a raw socket sees every reply to the computer,
// so there the identifier must match too.
bool isEchoReply(std::span<const std::uint8_t> packet, bool raw, std::uint16_t id, std::uint16_t sequence);

class LinuxNetwork final : public Network {
 public:
  static constexpr std::chrono::milliseconds kReplyWait{5};
  static constexpr std::chrono::milliseconds kLookupBound{20};

  // `logs` receives the one line about the port-445 fallback; it may be null.
  explicit LinuxNetwork(Logs* logs = nullptr) : m_logs(logs) {}

  bool Server_Ping(const std::string& name) override;
  std::string Local_IPText() override;
  // The server's first IPv4 address, 0.0.0.0 when it cannot be found in time.
  Ipv4Address Host_Address(const std::string& name) { return m_serverLookup.resolve(name); }

 private:
  bool echo(int fd, const Ipv4Address& address, bool raw);
  bool probePort445(const Ipv4Address& address);

  Logs* m_logs;
  NetworkLookup m_serverLookup{kLookupBound};
  NetworkLookup m_localLookup{kLookupBound};
  std::uint16_t m_sequence = 0;
  bool m_fallbackLogged = false;
};

}  // namespace bingo
