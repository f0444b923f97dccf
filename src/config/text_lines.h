#pragma once
// Line-by-line reading of the small text files beside the console's records,
// with bounded memory: a file of any size costs at most the limits below.

#include <cstddef>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace bingo {

struct TextLimits {
  std::size_t maxLines = 64;           // reading stops after this many lines
  std::size_t maxLineLength = 4096;    // the rest of a longer line is passed over
  std::size_t maxKeptBytes = 1 << 20;  // reading stops once this much text is kept
};

enum class TextRead {
  NotOpened,  // the file could not be opened (missing, refused)
  Failed,     // opened, but a read or the close failed
  Ok,
};

// Reads the lines of a text file (CR LF, LF or CR end a line) into `lines`.
// A line end after the last line adds no empty line. On Failed, `lines` holds
// what was read before the failure.
TextRead readTextLinesBounded(FileSystem& fs, const std::string& path, const TextLimits& limits,
                              std::vector<std::string>& lines);

}  // namespace bingo
