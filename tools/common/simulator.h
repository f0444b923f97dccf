#pragma once
// The simulated game server's run: rounds one after the other, each frame
// written into the share, the waits between them, and the files a server
// leaves in its share (command files, language, game kinds, game records).
// Time passes only through the Pacer, so a test runs a whole evening at once.

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <vector>

#include "common/hall_game.h"
#include "common/share_output.h"
#include "common/sim_options.h"
#include "platform/clock.h"

namespace bingo::tools {

class Simulator {
 public:
  // cards: the ticket base of options.hall.gameType; gameKinds: the bytes of --game-kinds.
  Simulator(const SimOptions& options, std::uint64_t seed, std::vector<Card> cards,
            std::optional<std::vector<std::uint8_t>> gameKinds, ShareOutput& share, Pacer& pacer,
            const Clock& clock, std::ostream& log);

  // Plays the rounds asked for (forever for 0) and returns when they and any
  // command file are done.
  void run();
  // Called after each frame has been written (or has failed to be).
  void onFramePublished(std::function<void(const FrameState&)> callback) {
    m_onPublished = std::move(callback);
  }

  std::int64_t elapsedMs() const { return m_elapsedMs; }
  int framesWritten() const { return m_frames; }

 private:
  void prepareShare();
  void playRound();
  void publish();
  // Lets `ms` pass, issuing the command file when its time comes.
  void wait(std::int64_t ms);
  void runDueCommands();
  void report(bool ok, const char* what);

  SimOptions m_options;
  HallGame m_game;
  std::optional<std::vector<std::uint8_t>> m_gameKinds;
  ShareOutput& m_share;
  Pacer& m_pacer;
  const Clock& m_clock;
  std::ostream& m_log;
  std::int64_t m_elapsedMs = 0;
  int m_frames = 0;
  bool m_offCreated = false;
  bool m_offRemoved = false;
  bool m_lastWriteFailed = false;
  std::function<void(const FrameState&)> m_onPublished;
};

}  // namespace bingo::tools
