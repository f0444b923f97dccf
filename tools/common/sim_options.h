#pragma once
// The simulator's command line.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/hall_game.h"
#include "common/host_files.h"

namespace bingo::tools {

struct SimOptions {
  std::string server = "localhost";
  int games = 0;  // 0: play until stopped
  std::optional<std::uint64_t> seed;
  int ballMs = 1500;
  int pauseMs = 8000;  // LOP 0 between rounds: the time to sell and enter tickets
  int holdMs = 4000;   // a line or bingo frame stays at least this long
  HallSettings hall;
  WriteMode writeMode = WriteMode::InPlace;
  int tornPauseMs = 10;
  int off = 0;  // 1, 2 or 3: create Off<n>.txt in the share
  int offAfterS = 0;
  int offHoldS = 30;  // the server removes the command file again after this long
  char language = 0;  // 'S', 'A' or 'M': write cJezik.txt
  bool removeLanguage = false;
  std::string gameKindsFile;
  bool removeGameKinds = false;
  bool dg = false;
  char cityLetter = 'N';
  // One line per frame written: when the write ended and what it showed, so
  // that a measurement can tell how long the consoles took to show it.
  std::string frameLog;
};

struct ParsedSimOptions {
  SimOptions options;
  bool help = false;
  std::string error;  // empty when the command line is good
};

ParsedSimOptions parseSimOptions(const std::vector<std::string>& args);
const char* simUsage();

}  // namespace bingo::tools
