#pragma once

#include <string>

namespace bingo {

// Reachability of the game server and this console's own address.
class Network {
 public:
  virtual ~Network() = default;
  // One echo request to the named host; true when it answered.
  virtual bool Server_Ping(const std::string& name) = 0;
  // This computer's first IPv4 address as dotted text, or "IP Address: NEMA!!!".
  virtual std::string Local_IPText() = 0;
};

}  // namespace bingo
