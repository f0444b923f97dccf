#include "config/city_file.h"

#include <vector>

#include "config/text_lines.h"
#include "platform/text.h"

namespace bingo {

bool City_Find(const ConfigIo& io, GameRecord& record) {
  const std::string& path = io.names.PathCity;
  std::vector<std::string> lines;
  const TextRead result = readTextLinesBounded(
      io.fs, path, {.maxLines = 1, .maxLineLength = kCityMaxLength, .maxKeptBytes = kCityMaxLength}, lines);
  // An empty first line names no city: the hall would go without one on every
  // record, so it counts as a failed read like a missing file.
  const bool found = result == TextRead::Ok && !lines.empty() && !lines.front().empty();
  std::string city = found ? lines.front() : std::string(kDefaultCity);
  // The installation's other programs share the file: only a missing or empty
  // one is written, never one whose content this read could not use.
  if (!found && (!io.fs.exists(path) || io.fs.fileSize(path) == std::uint64_t{0}))
    writeTextFile(io.fs, path, city);
  record.writer().shortString(GameRecord::kCityName, toUpperAscii(city), kCityMaxLength);
  return found;
}

std::string City_Name(const GameRecord& record) {
  return record.reader().shortString(GameRecord::kCityName, kCityMaxLength);
}

}  // namespace bingo
