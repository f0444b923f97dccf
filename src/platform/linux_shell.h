#pragma once
// Effects on the process and the machine on Linux. The installation's
// "batch files" are executable scripts at their mapped paths, started
// detached with an argument vector, never through a shell string. The
// platform's own shutdown request does not exist here: the scripts alone
// switch the PC off.

#include <functional>
#include <string>
#include <vector>

#include "platform/host_paths.h"
#include "platform/shell.h"

namespace bingo {

class LinuxShell final : public Shell {
 public:
  // `onTermination` is how the application posts its quit request; it may be empty.
  LinuxShell(HostPaths paths, std::function<void()> onTermination = {})
      : m_paths(std::move(paths)), m_onTermination(std::move(onTermination)) {}

  // Runs the program in a new session, not a child the console has to wait
  // for; false when it could not be started (missing or not executable).
  bool startDetached(const std::string& program, const std::vector<std::string>& args) override;
  bool requestPowerOff(bool reboot) override;
  void requestTermination() override;

  bool terminationRequested() const { return m_terminationRequested; }

 private:
  HostPaths m_paths;
  std::function<void()> m_onTermination;
  bool m_terminationRequested = false;
};

}  // namespace bingo
