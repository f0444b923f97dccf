#include "platform/network_lookup.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

namespace bingo {

std::string Ipv4Address::dotted() const {
  return std::to_string(bytes[0]) + "." + std::to_string(bytes[1]) + "." + std::to_string(bytes[2]) + "." +
         std::to_string(bytes[3]);
}

// One lookup, shared by the caller and the thread that waits on the resolver.
struct NetworkLookup::Pending {
  std::string name;
  std::mutex mutex;
  std::condition_variable answered;
  bool done = false;
  Ipv4Address address;
};

namespace {

Ipv4Address lookUp(const std::string& name) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* list = nullptr;
  Ipv4Address address;
  if (::getaddrinfo(name.c_str(), nullptr, &hints, &list) != 0 || !list) return address;
  for (const addrinfo* entry = list; entry; entry = entry->ai_next) {
    if (entry->ai_family != AF_INET || !entry->ai_addr) continue;
    sockaddr_in in{};
    std::memcpy(&in, entry->ai_addr, sizeof in);
    std::memcpy(address.bytes.data(), &in.sin_addr, 4);
    break;
  }
  ::freeaddrinfo(list);
  return address;
}

}  // namespace

NetworkLookup::~NetworkLookup() = default;  // a lookup still running finishes on its own

Ipv4Address NetworkLookup::resolve(const std::string& name) {
  Ipv4Address address;
  if (name.empty() || name.find('\0') != std::string::npos) return address;
  in_addr numeric{};
  if (::inet_pton(AF_INET, name.c_str(), &numeric) == 1) {
    std::memcpy(address.bytes.data(), &numeric, 4);
    return address;
  }

  if (!m_pending || m_pending->name != name) {
    auto pending = std::make_shared<Pending>();
    pending->name = name;
    std::thread([pending] {
      const Ipv4Address found = lookUp(pending->name);
      std::lock_guard lock(pending->mutex);
      pending->address = found;
      pending->done = true;
      pending->answered.notify_all();
    }).detach();
    m_pending = std::move(pending);
  }

  std::unique_lock lock(m_pending->mutex);
  if (!m_pending->answered.wait_for(lock, m_bound, [&] { return m_pending->done; })) return address;
  address = m_pending->address;
  lock.unlock();
  m_pending.reset();
  return address;
}

}  // namespace bingo
