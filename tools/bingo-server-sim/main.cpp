// bingo-server-sim: a simulated game server for demos, training and tests. It
// plays rounds and writes Frame.dat into the share \\NAME\net, mapped onto
// this host with the console's own BINGO_ROOT / BINGO_UNC_ROOT rules.
#include <chrono>
#include <fstream>
#include <iostream>
#include <random>

#include "common/card_file_source.h"
#include "common/simulator.h"
#include "platform/host_paths.h"

using namespace bingo;
using namespace bingo::tools;

int main(int argc, char** argv) {
  const ParsedSimOptions parsed = parseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (parsed.help) {
    std::cout << simUsage();
    return 0;
  }
  if (!parsed.error.empty()) {
    std::cerr << "bingo-server-sim: " << parsed.error << "\n" << simUsage();
    return 2;
  }
  const SimOptions& options = parsed.options;
  const std::uint64_t seed = options.seed ? *options.seed : std::random_device{}();

  const HostPaths paths(HostRoots::fromEnvironment());
  const auto toHost = [&paths](const std::string& windowsPath) { return paths.toHost(windowsPath); };
  HostFiles files;

  std::optional<std::vector<std::uint8_t>> gameKinds;
  if (!options.gameKindsFile.empty()) {
    gameKinds = files.readFile(options.gameKindsFile);
    if (!gameKinds) {
      std::cerr << "bingo-server-sim: " << files.lastError() << "\n";
      return 2;
    }
  }

  const std::size_t cardCount = kTicketBaseSizes[options.hall.gameType];
  std::vector<Card> cards =
      loadOrMakeCards(files, toHost(cardFilePath(options.hall.gameType)), cardCount, std::cout);

  SleepingPacer pacer;
  HostShare share(options.server, toHost, options.writeMode, pacer, options.tornPauseMs);
  if (!share.prepare()) {
    std::cerr << "bingo-server-sim: " << share.lastError() << "\n";
    return 2;
  }
  std::cout << "seed " << seed << ", writing " << share.windowsPath(kFrameFileName) << " as "
            << toHost(share.windowsPath(kFrameFileName)) << std::endl;

  SystemClock clock;
  Simulator simulator(options, seed, std::move(cards), std::move(gameKinds), share, pacer, clock, std::cout);
  std::ofstream frameLog;
  if (!options.frameLog.empty()) {
    frameLog.open(options.frameLog, std::ios::app);
    if (!frameLog) {
      std::cerr << "bingo-server-sim: cannot open " << options.frameLog << "\n";
      return 2;
    }
    simulator.onFramePublished([&frameLog](const FrameState& frame) {
      const auto now = std::chrono::system_clock::now().time_since_epoch();
      frameLog << std::chrono::duration_cast<std::chrono::microseconds>(now).count() << ' ' << int{frame.kolo}
               << ' ' << int{frame.lop} << ' ' << int{frame.kug} << ' ';
      const char* separator = "";
      for (int ball = 1; ball <= 90; ++ball) {
        if (!frame.drawn[static_cast<std::size_t>(ball)]) continue;
        frameLog << separator << ball;
        separator = ",";
      }
      if (!*separator) frameLog << '-';
      // Flushed at once: a measurement reads the log while the run goes on.
      frameLog << std::endl;
    });
  }
  simulator.run();
  return 0;
}
