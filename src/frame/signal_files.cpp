#include "frame/signal_files.h"

namespace bingo {

bool AltS_Raise(const ConsoleConfig& config, FileSystem& fs) {
  return fs.writeFile(config.FilesAltS, {}).ok();
}

bool AltS_Present(const ConsoleConfig& config, FileSystem& fs) { return fs.exists(config.FilesAltS); }

void AltN_Drop(const ConsoleConfig& config, FileSystem& fs) {
  if (fs.exists(config.FilesAltN)) fs.removeFile(config.FilesAltN);
}

}  // namespace bingo
