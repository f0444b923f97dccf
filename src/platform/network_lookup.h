#pragma once
// Host-name lookup with a time bound. The platform's resolver may block for
// seconds on a silent name server; the console looks the server up on every
// tick, so a lookup that has not answered within the bound counts as no
// address for that tick. It goes on in the background, and the next lookup of
// the same name waits for it instead of starting another, so a dead name
// server never piles up lookups. Its answer is used once; nothing is cached.

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

namespace bingo {

// An IPv4 address, network byte order, as the lookup returns it.
struct Ipv4Address {
  std::array<std::uint8_t, 4> bytes{};
  bool isZero() const { return bytes == std::array<std::uint8_t, 4>{}; }
  std::string dotted() const;
  bool operator==(const Ipv4Address&) const = default;
};

class NetworkLookup {
 public:
  explicit NetworkLookup(std::chrono::milliseconds bound) : m_bound(bound) {}
  ~NetworkLookup();
  NetworkLookup(const NetworkLookup&) = delete;
  NetworkLookup& operator=(const NetworkLookup&) = delete;

  // The first IPv4 address of `name`; 0.0.0.0 when the name is unknown, has no
  // IPv4 address or did not answer within the bound. A dotted address is
  // taken as it is, without a lookup.
  Ipv4Address resolve(const std::string& name);

  struct Pending;

 private:
  std::chrono::milliseconds m_bound;
  std::shared_ptr<Pending> m_pending;
};

}  // namespace bingo
