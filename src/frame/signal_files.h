#pragma once
// The second drum's signal files in the server's share folder: AltS.txt is
// raised by the console and taken away by the server; AltN.txt is dropped by
// the console.

#include "config/console_config.h"
#include "platform/file_system.h"

namespace bingo {

// Creates FilesAltS empty (replacing whatever is there); true when it was written.
bool AltS_Raise(const ConsoleConfig& config, FileSystem& fs);
// Whether FilesAltS is still there (the server has not taken the signal yet).
bool AltS_Present(const ConsoleConfig& config, FileSystem& fs);
// Deletes FilesAltN; a missing file is not an error.
void AltN_Drop(const ConsoleConfig& config, FileSystem& fs);

}  // namespace bingo
