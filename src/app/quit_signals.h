#pragma once
// SIGTERM, SIGINT and SIGHUP (the machine shutting down, Ctrl-C, a closed
// terminal) close the console as the server's close command does, so its run
// log still gets the "END " line.

#include <functional>

namespace bingo {

// Calls `onQuit` from the event loop when one of the signals arrives.
void watchQuitSignals(std::function<void()> onQuit);

}  // namespace bingo
