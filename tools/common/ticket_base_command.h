#pragma once
// The ticket-base tool:
//   ticket-base generate --cards N [--seed S] FILE   writes N cards (default seed 1)
//   ticket-base check FILE                           validates a card file
// Exit status 0 on success, 1 when the checked file is bad, 2 for a usage or file error.

#include <ostream>
#include <string>
#include <vector>

namespace bingo::tools {

int runTicketBase(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace bingo::tools
