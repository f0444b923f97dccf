#include "platform/file_system.h"

#include <algorithm>

#include "platform/text.h"

namespace bingo {

std::optional<std::vector<std::uint8_t>> readFileBytes(FileSystem& fs, const std::string& path,
                                                       std::size_t maxBytes) {
  std::unique_ptr<ReadFile> file;
  if (!fs.openRead(path, file).ok()) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  bool ok = true;
  constexpr std::size_t kChunk = 64 * 1024;
  while (bytes.size() < maxBytes) {
    const std::size_t want = std::min(kChunk, maxBytes - bytes.size());
    const std::size_t old = bytes.size();
    bytes.resize(old + want);
    std::size_t got = 0;
    if (!file->read(std::span(bytes).subspan(old, want), got).ok()) {
      ok = false;
      got = 0;
    }
    bytes.resize(old + got);
    if (!ok || got == 0) break;
  }
  if (!file->close().ok()) ok = false;
  if (!ok) return std::nullopt;
  return bytes;
}

std::optional<std::string> readFirstLine(FileSystem& fs, const std::string& path) {
  // A first line longer than this is no server name, city or language letter.
  constexpr std::size_t kFirstLineLimit = 4096;
  const auto bytes = readFileBytes(fs, path, kFirstLineLimit);
  if (!bytes || bytes->empty()) return std::nullopt;
  const auto end = std::ranges::find_if(*bytes, [](std::uint8_t b) { return b == '\r' || b == '\n'; });
  return std::string(bytes->begin(), end);
}

IoStatus writeTextFile(FileSystem& fs, const std::string& path, std::string_view text) {
  return fs.writeFile(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

bool wildcardMatch(std::string_view pattern, std::string_view name) {
  // Iterative match with one backtrack point for the last '*'.
  std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || asciiUpper(pattern[p]) == asciiUpper(name[n]))) {
      ++p;
      ++n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace bingo
