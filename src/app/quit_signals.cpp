#include "app/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>

namespace bingo {

namespace {

// The write end of the self-pipe: a signal handler may only write a byte.
// Process-wide by nature, like the signals themselves; set once, before the
// handlers are installed.
int g_quitPipeWrite = -1;

void onSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(g_quitPipeWrite, &byte, 1);
}

}  // namespace

void watchQuitSignals(std::function<void()> onQuit) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return;
  g_quitPipeWrite = fds[1];
  auto* notifier = new QSocketNotifier(fds[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                   [fd = fds[0], onQuit = std::move(onQuit)] {
                     char buffer[16];
                     while (::read(fd, buffer, sizeof buffer) > 0) {
                     }
                     onQuit();
                   });
  struct sigaction action {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

}  // namespace bingo
