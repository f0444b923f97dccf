#include "frame/game_kinds.h"

#include <charconv>
#include <vector>

namespace bingo {
namespace {

struct BuiltInKind {
  const char* shortName;
  const char* longName;
  std::uint8_t fundCode;
};

constexpr std::array<BuiltInKind, kGameKindCount> kBuiltInKinds{{
    {"F1", "FIXNA 1", 0},
    {"F2", "FIXNA 2", 0},
    {"B7", "BONUS 7", 0},
    {"B6", "BONUS 6", 0},
    {"B5", "BONUS 5", 0},
    {"B4", "BONUS 4", 0},
    {"B3", "BONUS 3", 6},
    {"B2", "BONUS 2", 5},
    {"B1", "BONUS 1", 4},
    {"J3", "JACK POT 3", 3},
    {"J2", "JACK POT 2", 2},
    {"J1", "JACK POT 1", 1},
    {"PZ", "PRAZNO", 0},
}};

// The fund-row caption falls back to this entry when no kind plays for the fund.
constexpr int kFundNameFallback = 5;
constexpr std::size_t kShortNameWidth = 3;
constexpr std::size_t kLongNameWidth = 6;
// Thirteen lines are far below this; a longer file is read only this far.
constexpr std::size_t kGameKindFileLimit = 64 * 1024;

constexpr bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A free-format decimal number: blanks skipped, then an optional sign and
// digits up to the next blank or the end of the line. The position moves past it.
bool readInteger(std::string_view line, std::size_t& pos, std::int32_t& value) {
  while (pos < line.size() && isBlank(line[pos])) ++pos;
  std::size_t end = pos;
  while (end < line.size() && !isBlank(line[end])) ++end;
  std::string_view token = line.substr(pos, end - pos);
  if (!token.empty() && token.front() == '+') token.remove_prefix(1);
  if (token.empty()) return false;
  const auto [ptr, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
  if (ec != std::errc() || ptr != token.data() + token.size()) return false;
  pos = end;
  return true;
}

// One line: ignored number, fund code, then exactly 3 and 6 characters (fewer
// at the end of the line) that include the blank after the fund code.
bool readKindLine(std::string_view line, GameKind& kind) {
  std::size_t pos = 0;
  std::int32_t ignored = 0, fundCode = 0;
  if (!readInteger(line, pos, ignored) || !readInteger(line, pos, fundCode)) return false;
  const std::string_view rest = line.substr(pos);
  kind.fundCode = static_cast<std::uint8_t>(fundCode);
  kind.shortName = std::string(rest.substr(0, kShortNameWidth));
  kind.longName = std::string(rest.substr(std::min(rest.size(), kShortNameWidth), kLongNameWidth));
  return true;
}

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  // Blank lines at the very end are an editor's leftovers, not entries.
  while (!lines.empty() && lines.back().find_first_not_of(" \t") == std::string_view::npos) lines.pop_back();
  return lines;
}

}  // namespace

void GameKinds::restoreBuiltIns() {
  for (int i = 0; i < kGameKindCount; ++i) {
    const BuiltInKind& b = kBuiltInKinds[static_cast<std::size_t>(i)];
    m_kinds[static_cast<std::size_t>(i)] = GameKind{b.shortName, b.longName, b.fundCode};
  }
}

bool GameKinds::loadText(std::string_view text) {
  restoreBuiltIns();
  const auto lines = splitLines(text);
  for (std::size_t i = 0; i < lines.size() && i < m_kinds.size(); ++i) {
    if (!readKindLine(lines[i], m_kinds[i])) {
      restoreBuiltIns();
      return false;
    }
  }
  return true;
}

void GameKinds::GameKinds_Load(FileSystem& fs, bool serverAnswers, const std::string& FoldersNet) {
  restoreBuiltIns();
  const std::string shared = FoldersNet + "\\" + kGameKindFile;
  const std::string path = serverAnswers && fs.exists(shared) ? shared : std::string(kGameKindFile);
  if (!fs.exists(path)) return;
  const auto bytes = readFileBytes(fs, path, kGameKindFileLimit);
  if (!bytes) return;  // open, read or close failed: the built-ins stay
  loadText(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

const GameKind& GameKinds::entry(int index) const {
  if (index < 0 || index >= kGameKindCount) index = 0;
  return m_kinds[static_cast<std::size_t>(index)];
}

std::string GameKinds::FundName(int n) const {
  for (const GameKind& kind : m_kinds)
    if (kind.fundCode == n + 1) return kind.longName;
  return m_kinds[kFundNameFallback].longName;
}

}  // namespace bingo
