#include "config/text_lines.h"

#include <memory>

namespace bingo {

TextRead readTextLinesBounded(FileSystem& fs, const std::string& path, const TextLimits& limits,
                              std::vector<std::string>& lines) {
  lines.clear();
  std::unique_ptr<ReadFile> file;
  if (!fs.openRead(path, file).ok()) return TextRead::NotOpened;

  constexpr std::size_t kChunk = 64 * 1024;
  std::vector<std::uint8_t> chunk(kChunk);
  std::string line;
  bool inLine = false;   // characters (or a cut) seen since the last line end
  bool afterCr = false;  // an LF right after a CR belongs to the same line end
  std::size_t kept = 0;
  bool ok = true;
  bool full = false;

  auto endLine = [&] {
    kept += line.size();
    lines.push_back(std::move(line));
    line.clear();
    inLine = false;
    full = lines.size() >= limits.maxLines || kept >= limits.maxKeptBytes;
  };

  while (!full) {
    std::size_t got = 0;
    if (!file->read(chunk, got).ok()) {
      ok = false;
      break;
    }
    if (got == 0) break;
    for (std::size_t i = 0; i < got && !full; ++i) {
      const char c = static_cast<char>(chunk[i]);
      if (c == '\n' && afterCr) {
        afterCr = false;
        continue;
      }
      afterCr = c == '\r';
      if (c == '\r' || c == '\n') {
        endLine();
      } else {
        inLine = true;
        if (line.size() < limits.maxLineLength) line.push_back(c);
      }
    }
  }
  if (ok && !full && inLine) endLine();
  if (!file->close().ok()) ok = false;
  return ok ? TextRead::Ok : TextRead::Failed;
}

}  // namespace bingo
