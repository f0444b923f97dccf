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

#include <chrono>
#include <cstdint>
#include <string>

#include "platform/logs.h"
#include "platform/network.h"
#include "platform/network_lookup.h"

namespace bingo {

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
