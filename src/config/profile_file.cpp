#include "config/profile_file.h"

#include <cstddef>

#include "config/text_lines.h"
#include "platform/app_error.h"
#include "platform/text.h"

namespace bingo {
namespace {

// A console INI file is about a kilobyte; these bounds only keep a damaged or
// hostile file from filling the memory.
constexpr TextLimits kProfileLimits{.maxLines = 1 << 16, .maxLineLength = 4096, .maxKeptBytes = 1 << 20};
// A file that is written back is read whole up to these bounds: as many lines
// as a read looks at, and far more text than any console INI file holds.
constexpr std::size_t kWholeMaxLines = kProfileLimits.maxLines;
constexpr std::size_t kWholeMaxBytes = 16 << 20;

std::string_view trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// The section name of a "[Name]" line, or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
  line = trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  line.remove_prefix(1);
  const auto close = line.find(']');
  return trim(line.substr(0, close));
}

struct KeyLine {
  std::string_view key, value;
};

// "Key=Value" with blanks around both parts removed; comments and lines
// without '=' are no key lines.
std::optional<KeyLine> keyLine(std::string_view line) {
  const std::string_view trimmed = trim(line);
  if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
  const auto eq = trimmed.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  const std::string_view key = trim(trimmed.substr(0, eq));
  if (key.empty()) return std::nullopt;
  std::string_view value = trim(trimmed.substr(eq + 1));
  // The profile functions drop one pair of matching quotes around a value.
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return KeyLine{key, value};
}

bool isBlank(std::string_view line) { return trim(line).empty(); }

}  // namespace

std::optional<std::int32_t> parseProfileInteger(std::string_view text) {
  text = trim(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  unsigned base = 10;
  if (text.starts_with('$')) {
    base = 16;
    text.remove_prefix(1);
  } else if (text.starts_with("0x") || text.starts_with("0X")) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  // Decimal numbers must fit the signed range; hexadecimal ones fill 32 bits.
  const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  std::uint64_t value = 0;
  for (char c : text) {
    unsigned digit;
    if (c >= '0' && c <= '9') {
      digit = static_cast<unsigned>(c - '0');
    } else if (base == 16 && asciiUpper(c) >= 'A' && asciiUpper(c) <= 'F') {
      digit = static_cast<unsigned>(asciiUpper(c) - 'A' + 10);
    } else {
      return std::nullopt;
    }
    value = value * base + digit;
    if (value > limit) return std::nullopt;
  }
  const auto bits = static_cast<std::uint32_t>(negative ? (~value + 1) : value);
  return static_cast<std::int32_t>(bits);
}

bool ProfileFile::load(FileSystem& fs, const std::string& path) { return loadWith(fs, path, kProfileLimits); }

bool ProfileFile::loadWhole(FileSystem& fs, const std::string& path) {
  // The read keeps at most one line or one byte beyond the bounds; a save of
  // what it kept would cut such a file, so it is refused.
  if (!loadWith(fs, path,
                {.maxLines = kWholeMaxLines + 1,
                 .maxLineLength = kWholeMaxBytes + 1,
                 .maxKeptBytes = kWholeMaxBytes + 1}))
    return false;
  std::size_t bytes = 0;
  for (const std::string& line : m_lines) bytes += line.size();
  if (m_lines.size() <= kWholeMaxLines && bytes <= kWholeMaxBytes) return true;
  m_lines.clear();
  return false;
}

bool ProfileFile::loadWith(FileSystem& fs, const std::string& path, const TextLimits& limits) {
  const TextRead result = readTextLinesBounded(fs, path, limits, m_lines);
  if (result == TextRead::Ok) return true;
  m_lines.clear();
  return result == TextRead::NotOpened && !fs.exists(path);
}

ProfileFile::Range ProfileFile::findSection(std::string_view section) const {
  Range range;
  for (std::size_t i = 0; i < m_lines.size(); ++i) {
    const auto name = sectionName(m_lines[i]);
    if (!name) continue;
    if (range.found) {
      range.end = i;
      return range;
    }
    if (equalsIgnoreCase(*name, section)) {
      range.found = true;
      range.begin = i + 1;
    }
  }
  range.end = m_lines.size();
  return range;
}

std::optional<std::size_t> ProfileFile::findKey(const Range& range, std::string_view key) const {
  for (std::size_t i = range.begin; i < range.end; ++i) {
    const auto kv = keyLine(m_lines[i]);
    if (kv && equalsIgnoreCase(kv->key, key)) return i;
  }
  return std::nullopt;
}

std::optional<std::string> ProfileFile::value(std::string_view section, std::string_view key) const {
  const Range range = findSection(section);
  if (!range.found) return std::nullopt;
  const auto at = findKey(range, key);
  if (!at) return std::nullopt;
  const std::string_view v = keyLine(m_lines[*at])->value;
  return std::string(v.substr(0, kProfileValueMax));
}

std::string ProfileFile::readString(std::string_view section, std::string_view key,
                                    const std::string& current) const {
  return value(section, key).value_or(current);
}

std::int32_t ProfileFile::readInteger(std::string_view section, std::string_view key,
                                      std::int32_t current) const {
  const auto text = value(section, key);
  if (!text) return current;
  return parseProfileInteger(*text).value_or(current);
}

bool ProfileFile::readBool(std::string_view section, std::string_view key, bool current) const {
  return readInteger(section, key, current ? 1 : 0) != 0;
}

void ProfileFile::writeString(std::string_view section, std::string_view key, std::string_view text) {
  // A line end inside a value would start a new line of the file; the value
  // ends there.
  text = text.substr(0, text.find_first_of("\r\n"));
  std::string line;
  line.append(key).append("=").append(text);
  const Range range = findSection(section);
  if (!range.found) {
    if (!m_lines.empty() && !isBlank(m_lines.back())) m_lines.emplace_back();
    std::string header;
    header.append("[").append(section).append("]");
    m_lines.push_back(std::move(header));
    m_lines.push_back(std::move(line));
    return;
  }
  if (const auto at = findKey(range, key)) {
    m_lines[*at] = std::move(line);
    return;
  }
  std::size_t insertAt = range.begin;
  for (std::size_t i = range.begin; i < range.end; ++i)
    if (!isBlank(m_lines[i])) insertAt = i + 1;
  m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(line));
}

void ProfileFile::writeInteger(std::string_view section, std::string_view key, std::int64_t number) {
  writeString(section, key, std::to_string(number));
}

void ProfileFile::writeBool(std::string_view section, std::string_view key, bool flag) {
  writeString(section, key, flag ? "1" : "0");
}

std::string ProfileFile::text() const {
  std::string out;
  for (const auto& line : m_lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

void ProfileFile::save(FileSystem& fs, const std::string& path) const {
  if (!writeTextFile(fs, path, text()).ok()) throw AppError("Unable to write to " + path);
}

}  // namespace bingo
