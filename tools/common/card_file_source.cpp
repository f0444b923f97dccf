#include "common/card_file_source.h"

#include <sys/stat.h>

#include "common/card_check.h"
#include "common/card_generator.h"
#include "platform/folders.h"

namespace bingo::tools {

std::string cardFilePath(int gameType) {
  return std::string(kFolderConfig) + "\\A" +
         std::to_string(kTicketBaseSizes[static_cast<std::size_t>(gameType)]) + ".3x5";
}

std::vector<Card> loadOrMakeCards(HostFiles& files, const std::string& hostPath, std::size_t count,
                                  std::ostream& log) {
  struct stat st {};
  if (::stat(hostPath.c_str(), &st) == 0) {
    auto bytes = files.readFile(hostPath);
    if (bytes && bytes->size() == count * kCardBytes) {
      if (const auto check = checkCardFile(*bytes); !check.ok)
        log << "warning: " << hostPath << ": card " << check.badCard << ": " << check.fault << std::endl;
      return cardsFromBytes(*bytes);
    }
    log << "warning: " << hostPath
        << (bytes ? " does not hold " + std::to_string(count) + " cards" : ": " + files.lastError())
        << "; playing with generated cards that the consoles do not have" << std::endl;
    return generateCards(count, kCardFileSeed);
  }
  auto cards = generateCards(count, kCardFileSeed);
  const auto slash = hostPath.rfind('/');
  const bool written =
      (slash == std::string::npos || slash == 0 || files.makeFolders(hostPath.substr(0, slash))) &&
      files.writeAtomic(hostPath, cardFileBytes(cards));
  if (written)
    log << "made " << hostPath << " (" << count << " cards)" << std::endl;
  else
    log << "warning: " << files.lastError() << "; playing with cards the consoles do not have" << std::endl;
  return cards;
}

}  // namespace bingo::tools
