#pragma once
// A Windows profile file ("[Section]" lines followed by "Key=Value" lines).
// Sections and keys match case-insensitively. The file's own lines, order,
// comments and foreign keys are kept when it is written back; a new key goes at
// the end of its section, a new section at the end of the file.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace bingo {

struct TextLimits;

// Longest string value a read returns; a longer value is cut.
inline constexpr std::size_t kProfileValueMax = 2047;

// An integer as the profile reads it: decimal, or hexadecimal after 0x, 0X or $,
// with an optional sign; nothing when the text is no valid 32-bit integer.
std::optional<std::int32_t> parseProfileInteger(std::string_view text);

class ProfileFile {
 public:
  // Reads the file (bounded, so a huge file costs little memory). A missing
  // file gives an empty profile and true; false when the file exists but could
  // not be read, in which case the profile is empty.
  bool load(FileSystem& fs, const std::string& path);
  // The same for a file that is written back: every foreign line, however
  // long, is saved whole. A file beyond 65536 lines or 16 MiB of text, which
  // no console wrote, gives false and an empty profile rather than a cut one.
  bool loadWhole(FileSystem& fs, const std::string& path);

  std::optional<std::string> value(std::string_view section, std::string_view key) const;
  std::string readString(std::string_view section, std::string_view key, const std::string& current) const;
  // A value that is no valid integer yields `current`.
  std::int32_t readInteger(std::string_view section, std::string_view key, std::int32_t current) const;
  // True when the value read as an integer is not 0.
  bool readBool(std::string_view section, std::string_view key, bool current) const;

  void writeString(std::string_view section, std::string_view key, std::string_view text);
  void writeInteger(std::string_view section, std::string_view key, std::int64_t number);
  void writeBool(std::string_view section, std::string_view key, bool flag);

  // The whole file, every line ended by CR LF.
  std::string text() const;
  // Writes the whole file at once; a refused write throws
  // AppError("Unable to write to " + path).
  void save(FileSystem& fs, const std::string& path) const;

  const std::vector<std::string>& lines() const { return m_lines; }

 private:
  struct Range {
    std::size_t begin = 0, end = 0;  // lines after the section line
    bool found = false;
  };
  bool loadWith(FileSystem& fs, const std::string& path, const TextLimits& limits);
  Range findSection(std::string_view section) const;
  std::optional<std::size_t> findKey(const Range& range, std::string_view key) const;

  std::vector<std::string> m_lines;
};

}  // namespace bingo
