#pragma once

#include <string>
#include <vector>

namespace bingo {

// Effects on the process and the machine.
class Shell {
 public:
  virtual ~Shell() = default;
  // Starts a program detached, by path (a Windows path text, mapped to the host
  // by the implementation) with an argument vector; never through a shell string.
  virtual bool startDetached(const std::string& program, const std::vector<std::string>& args) = 0;
  // The platform's own shutdown or reboot request (plain, not forced).
  virtual bool requestPowerOff(bool reboot) = 0;
  // Asks the application to quit when its message loop next runs.
  virtual void requestTermination() = 0;
};

}  // namespace bingo
