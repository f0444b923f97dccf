#include "platform/linux_network.h"

#include <fcntl.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace bingo {
namespace {

constexpr const char* kNoAddress = "IP Address: NEMA!!!";
constexpr std::uint8_t kEchoRequest = 8;
constexpr std::uint8_t kEchoReply = 0;
constexpr std::size_t kEchoHeader = 8;
constexpr std::size_t kReplyBuffer = 128;
constexpr std::uint16_t kProbePort = 445;

class Socket {
 public:
  explicit Socket(int fd) : m_fd(fd) {}
  ~Socket() {
    if (m_fd >= 0) ::close(m_fd);
  }
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  int fd() const { return m_fd; }

 private:
  int m_fd;
};

// Of a message of even length, as the echo request is.
std::uint16_t internetChecksum(const std::uint8_t* data, std::size_t length) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i + 1 < length; i += 2)
    sum += static_cast<std::uint32_t>(data[i] << 8 | data[i + 1]);
  while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<std::uint16_t>(~sum);
}

sockaddr_in socketAddress(const Ipv4Address& address, std::uint16_t port) {
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(port);
  std::memcpy(&to.sin_addr, address.bytes.data(), 4);
  return to;
}

// Waits until `fd` is ready for `events` or the deadline passed.
bool waitFor(int fd, short events, std::chrono::steady_clock::time_point deadline) {
  const auto left =
      std::chrono::duration_cast<std::chrono::nanoseconds>(deadline - std::chrono::steady_clock::now());
  if (left.count() <= 0) return false;
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(left);
  const timespec timeout{static_cast<time_t>(seconds.count()), static_cast<long>((left - seconds).count())};
  pollfd p{fd, events, 0};
  return ::ppoll(&p, 1, &timeout, nullptr) > 0;
}

}  // namespace

std::array<std::uint8_t, 8> echoRequest(std::uint16_t id, std::uint16_t sequence) {
  std::array<std::uint8_t, kEchoHeader> request{kEchoRequest,
                                                0,
                                                0,
                                                0,
                                                static_cast<std::uint8_t>(id >> 8),
                                                static_cast<std::uint8_t>(id),
                                                static_cast<std::uint8_t>(sequence >> 8),
                                                static_cast<std::uint8_t>(sequence)};
  const std::uint16_t checksum = internetChecksum(request.data(), request.size());
  request[2] = static_cast<std::uint8_t>(checksum >> 8);
  request[3] = static_cast<std::uint8_t>(checksum);
  return request;
}

bool isEchoReply(std::span<const std::uint8_t> packet, bool raw, std::uint16_t id, std::uint16_t sequence) {
  if (packet.empty()) return false;
  const std::size_t at = raw ? std::size_t{packet[0] & 0x0Fu} * 4 : 0;  // past the IP header
  if (packet.size() < at + kEchoHeader) return false;
  const auto word = [&](std::size_t offset) { return packet[at + offset] << 8 | packet[at + offset + 1]; };
  return packet[at] == kEchoReply && word(6) == sequence && (!raw || word(4) == id);
}

bool LinuxNetwork::Server_Ping(const std::string& name) {
  const Ipv4Address address = Host_Address(name);
  if (address.isZero()) return false;  // an unresolvable server counts as unreachable
  {
    Socket datagram(::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_ICMP));
    if (datagram.fd() >= 0) return echo(datagram.fd(), address, false);
  }
  {
    Socket raw(::socket(AF_INET, SOCK_RAW | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_ICMP));
    if (raw.fd() >= 0) return echo(raw.fd(), address, true);
  }
  if (!m_fallbackLogged && m_logs) {
    m_logs->Log_Error("Server_Ping: no ICMP socket allowed, the server is probed on TCP port 445");
  }
  m_fallbackLogged = true;
  return probePort445(address);
}

bool LinuxNetwork::echo(int fd, const Ipv4Address& address, bool raw) {
  // One request without payload; the kernel puts its own identifier into the
  // request of a datagram socket and delivers only the replies to it.
  const std::uint16_t id = static_cast<std::uint16_t>(::getpid());
  const std::uint16_t sequence = ++m_sequence;
  const auto request = echoRequest(id, sequence);
  const sockaddr_in to = socketAddress(address, 0);
  if (::sendto(fd, request.data(), request.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to) < 0)
    return false;

  const auto deadline = std::chrono::steady_clock::now() + kReplyWait;
  std::array<std::uint8_t, kReplyBuffer> reply{};
  for (;;) {
    if (!waitFor(fd, POLLIN, deadline)) return false;
    sockaddr_in from{};
    socklen_t fromLength = sizeof from;
    const ssize_t got =
        ::recvfrom(fd, reply.data(), reply.size(), 0, reinterpret_cast<sockaddr*>(&from), &fromLength);
    if (got < 0) {
      if (errno != EAGAIN && errno != EINTR) return false;
      continue;
    }
    const bool fromServer = std::memcmp(&from.sin_addr, address.bytes.data(), 4) == 0;
    if (fromServer && isEchoReply(std::span(reply).first(static_cast<std::size_t>(got)), raw, id, sequence))
      return true;
  }
}

bool LinuxNetwork::probePort445(const Ipv4Address& address) {
  Socket probe(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  if (probe.fd() < 0) return false;
  const sockaddr_in to = socketAddress(address, kProbePort);
  if (::connect(probe.fd(), reinterpret_cast<const sockaddr*>(&to), sizeof to) == 0) return true;
  if (errno == ECONNREFUSED) return true;
  if (errno != EINPROGRESS) return false;
  if (!waitFor(probe.fd(), POLLOUT, std::chrono::steady_clock::now() + kReplyWait)) return false;
  int error = 0;
  socklen_t length = sizeof error;
  if (::getsockopt(probe.fd(), SOL_SOCKET, SO_ERROR, &error, &length) != 0) return false;
  return error == 0 || error == ECONNREFUSED;
}

std::vector<InterfaceAddress> interfaceAddresses() {
  std::vector<InterfaceAddress> out;
  ifaddrs* list = nullptr;
  if (::getifaddrs(&list) != 0) return out;
  for (const ifaddrs* entry = list; entry; entry = entry->ifa_next) {
    if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET) continue;
    sockaddr_in in{};
    std::memcpy(&in, entry->ifa_addr, sizeof in);
    InterfaceAddress address;
    std::memcpy(address.address.bytes.data(), &in.sin_addr, 4);
    address.up = (entry->ifa_flags & IFF_UP) != 0;
    address.loopback = (entry->ifa_flags & IFF_LOOPBACK) != 0;
    out.push_back(address);
  }
  ::freeifaddrs(list);
  return out;
}

std::string localAddressText(const Ipv4Address& lookedUp, std::span<const InterfaceAddress> interfaces) {
  const auto isLoopback = [](const Ipv4Address& a) { return a.bytes[0] == 127; };
  if (!lookedUp.isZero() && !isLoopback(lookedUp)) return lookedUp.dotted();
  for (const InterfaceAddress& each : interfaces)
    if (each.up && !each.loopback && !each.address.isZero() && !isLoopback(each.address))
      return each.address.dotted();
  return lookedUp.isZero() ? std::string(kNoAddress) : lookedUp.dotted();
}

std::string LinuxNetwork::Local_IPText() {
  std::array<char, 256> name{};
  const Ipv4Address address =
      ::gethostname(name.data(), name.size() - 1) == 0 ? m_localLookup.resolve(name.data()) : Ipv4Address{};
  if (!address.isZero() && address.bytes[0] != 127) return address.dotted();
  return localAddressText(address, interfaceAddresses());
}

}  // namespace bingo
