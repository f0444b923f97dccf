#pragma once
// The simulator's ticket base: the card file a console of the hall would load
// (`C:\Orma\Bingo\Arh\CfgW\A<n>.3x5`, mapped to the host), made with the
// ticket-base generator when it is missing, so server and consoles check the
// same cards.

#include <ostream>
#include <string>
#include <vector>

#include "common/card.h"
#include "common/host_files.h"

namespace bingo::tools {

// The Windows path of the card file of a game type 0..3.
std::string cardFilePath(int gameType);

// The seed of card files the simulator makes; the same as ticket-base's default.
inline constexpr std::uint64_t kCardFileSeed = 1;

// Reads the card file at `hostPath` when it holds exactly `count` cards, else
// makes it when it is missing. A file of another size is left alone (it is
// the hall's) and the cards are made in memory only; `log` says so.
std::vector<Card> loadOrMakeCards(HostFiles& files, const std::string& hostPath, std::size_t count,
                                  std::ostream& log);

}  // namespace bingo::tools
