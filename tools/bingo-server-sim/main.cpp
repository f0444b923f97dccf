// bingo-server-sim: a simulated game server for demos, training and tests. It
// plays rounds and writes Frame.dat into the share \\NAME\net, mapped onto
// this host with the console's own BINGO_ROOT / BINGO_UNC_ROOT rules.
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
  simulator.run();
  return 0;
}
