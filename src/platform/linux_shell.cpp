#include "platform/linux_shell.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace bingo {

bool LinuxShell::startDetached(const std::string& program, const std::vector<std::string>& args) {
  const std::string path = m_paths.toHost(program);
  if (path.empty() || path.find('\0') != std::string::npos) return false;
  // Everything the children need is made before the fork: after it only
  // async-signal-safe calls are allowed.
  std::vector<std::string> strings;
  strings.push_back(path);
  strings.insert(strings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& s : strings) argv.push_back(s.data());
  argv.push_back(nullptr);

  // The grandchild reports a failed exec through this pipe; a successful exec closes it.
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return false;
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(report[0]);
    ::close(report[1]);
    return false;
  }
  if (child == 0) {
    ::close(report[0]);
    ::setsid();
    const pid_t grandchild = ::fork();
    if (grandchild == 0) {
      ::execv(argv[0], argv.data());
      const int error = errno;
      [[maybe_unused]] const ssize_t written = ::write(report[1], &error, sizeof error);
      ::_exit(127);
    }
    ::_exit(grandchild < 0 ? 1 : 0);
  }
  ::close(report[1]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  int error = 0;
  ssize_t got;
  while ((got = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
  }
  ::close(report[0]);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 && got == 0;
}

bool LinuxShell::requestPowerOff(bool) { return false; }

void LinuxShell::requestTermination() {
  m_terminationRequested = true;
  if (m_onTermination) m_onTermination();
}

}  // namespace bingo
