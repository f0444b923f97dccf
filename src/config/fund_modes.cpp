#include "config/fund_modes.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

#include "config/text_lines.h"
#include "platform/text.h"

namespace bingo {
namespace {

constexpr std::size_t kClearBegin = 21440;  // bytes 21440..26239 hold the fund rows
constexpr std::size_t kClearEnd = 26240;
constexpr std::size_t kRowBase = 22640;  // fund row i at 22640 + 80 i
constexpr std::size_t kRowSize = 80;
constexpr std::size_t kStartModeBase = 768;  // start-mode byte of fund i at 768 + i
constexpr std::size_t kModeEntryBase = 784;  // 8-byte entry of fund i at 784 + 8 i
constexpr std::size_t kModeEntrySize = 8;
constexpr std::uint8_t kModeBias = 5;  // mode bytes hold the mode plus 5

enum class Kind {
  Byte,  // low 8 bits
  Int,   // i32
  Mode,  // stored as the mode (0..3, higher counts as 3) plus 5
};

// One number of a line: at base + stride x fund, printed right-aligned in `width`.
struct Column {
  std::size_t base;
  std::size_t stride;
  Kind kind;
  int width;
};

constexpr Column row(std::size_t field, Kind kind, int width) {
  return {kRowBase + field, kRowSize, kind, width};
}

constexpr Column kColumns[27] = {
    row(0, Kind::Int, 5),
    row(40, Kind::Byte, 3),
    row(41, Kind::Byte, 3),
    row(72, Kind::Byte, 3),
    {kStartModeBase, 1, Kind::Mode, 3},
    row(20, Kind::Int, 8),
    row(24, Kind::Int, 8),
    row(28, Kind::Int, 8),
    row(32, Kind::Int, 8),
    row(36, Kind::Int, 8),
    row(6, Kind::Byte, 4),
    row(7, Kind::Byte, 4),
    row(8, Kind::Byte, 4),
    row(9, Kind::Byte, 4),
    row(10, Kind::Byte, 4),
    row(11, Kind::Byte, 4),
    row(12, Kind::Byte, 4),
    row(13, Kind::Byte, 4),
    row(14, Kind::Byte, 4),
    row(15, Kind::Byte, 3),
    row(16, Kind::Byte, 3),
    row(17, Kind::Byte, 3),
    row(18, Kind::Byte, 3),
    row(19, Kind::Byte, 3),
    {kModeEntryBase, kModeEntrySize, Kind::Mode, 3},
    {kModeEntryBase + 1, kModeEntrySize, Kind::Byte, 3},
    {kModeEntryBase + 4, kModeEntrySize, Kind::Int, 8},
};

void store(ByteWriter& w, const Column& c, std::size_t fund, std::int32_t value) {
  const std::size_t at = c.base + c.stride * fund;
  switch (c.kind) {
    case Kind::Byte:
      w.u8(at, static_cast<std::uint8_t>(value));
      break;
    case Kind::Int:
      w.i32le(at, value);
      break;
    case Kind::Mode:
      w.u8(at, static_cast<std::uint8_t>(std::min<std::uint8_t>(static_cast<std::uint8_t>(value), 3) +
                                         kModeBias));
      break;
  }
}

std::int32_t load(const ByteReader& r, const Column& c, std::size_t fund) {
  const std::size_t at = c.base + c.stride * fund;
  switch (c.kind) {
    case Kind::Byte:
      return r.u8(at);
    case Kind::Int:
      return r.i32le(at);
    case Kind::Mode:
      return static_cast<std::int32_t>(r.u8(at)) - kModeBias;
  }
  return 0;
}

// The numbers of the file in sequence, as the installation's programs read
// them: blanks and line ends alike separate them, so a line with fewer numbers
// continues on the next one; after the last number of a fund the rest of its
// line is passed over.
class NumberStream {
 public:
  explicit NumberStream(const std::vector<std::string>& lines) : m_lines(lines) {}

  // Whether any number is left.
  bool more() {
    skipBlanks();
    return m_line < m_lines.size();
  }
  // The next number; nothing when the next text is no number. At the end of
  // the file a missing number reads as 0.
  std::optional<std::int32_t> next() {
    if (!more()) return 0;
    const std::string& line = m_lines[m_line];
    std::size_t end = m_at;
    while (end < line.size() && !isBlankChar(line[end])) ++end;
    std::string_view token = std::string_view(line).substr(m_at, end - m_at);
    m_at = end;
    if (token.starts_with('+')) token.remove_prefix(1);
    std::int32_t value = 0;
    const auto [ptr, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (token.empty() || ec != std::errc() || ptr != token.data() + token.size()) return std::nullopt;
    return value;
  }
  void skipRestOfLine() {
    ++m_line;
    m_at = 0;
  }
  // 1-based number of the line being read, for the error report.
  std::size_t lineNumber() const { return m_line + 1; }

 private:
  static bool isBlankChar(char c) { return c == ' ' || c == '\t'; }
  void skipBlanks() {
    while (m_line < m_lines.size()) {
      const std::string& line = m_lines[m_line];
      while (m_at < line.size() && isBlankChar(line[m_at])) ++m_at;
      if (m_at < line.size()) return;
      skipRestOfLine();
    }
  }

  const std::vector<std::string>& m_lines;
  std::size_t m_line = 0;
  std::size_t m_at = 0;
};

}  // namespace

void FundModes_Defaults(GameRecord& record) {
  ByteWriter w = record.writer();
  for (std::size_t i = 0; i < kFundCount; ++i) {
    const std::size_t rowAt = kRowBase + kRowSize * i;
    w.i32le(rowAt, (i == 0 || i == 12 || i == 13) ? 0 : 10);
    w.u8(rowAt + 72, 1);
    w.u8(kStartModeBase + i, 3 + kModeBias);
    constexpr std::uint8_t kRowBytes[14] = {10, 0, 0, 0, 50, 0, 0, 0, 0, 90, 90, 90, 40, 90};  // +6..+19
    for (std::size_t b = 0; b < 14; ++b) w.u8(rowAt + 6 + b, kRowBytes[b]);
    const std::size_t modeAt = kModeEntryBase + kModeEntrySize * i;
    w.u8(modeAt, 3 + kModeBias);
    w.u8(modeAt + 1, 0);
    w.i32le(modeAt + 4, 0);
  }
  w.u8(kRowBase + 6, 0);
  w.u8(kRowBase + 9, 0);
  w.u8(kRowBase + kRowSize * 9 + 18, 45);
  constexpr std::uint8_t kFund12[5] = {13, 13, 90, 13, 90};  // +15..+19
  for (std::size_t b = 0; b < 5; ++b) w.u8(kRowBase + kRowSize * 12 + 15 + b, kFund12[b]);
}

std::string FundModes_Line(const GameRecord& record, std::size_t fund) {
  const ByteReader r = record.reader();
  std::string line;
  for (const Column& c : kColumns) line += formatText("%*d", c.width, load(r, c, fund));
  return line;
}

void FundModes_Read(const ConfigIo& io, GameRecord& record) {
  auto bytes = record.bytes();
  std::fill(bytes.begin() + kClearBegin, bytes.begin() + kClearEnd, std::uint8_t{0});
  const std::string& path = io.names.PathFundModes;

  std::vector<std::string> lines;
  const TextRead result = readTextLinesBounded(
      io.fs, path, {.maxLines = 1024, .maxLineLength = 1024, .maxKeptBytes = 64 * 1024}, lines);
  if (result == TextRead::NotOpened) {
    io.logs.Trace_Write(std::string("Nije pronadjen ") + kFundModesFileName +
                        ", pa je pocetni rezim svih fondova isti");
    io.logs.Trace_Write("Press Any Key To Continue...");
    FundModes_Defaults(record);
    // The installation's other programs share the hall's fund modes: only a
    // missing file is written; one that would not open now (too many open
    // files, a refusal) is reported and kept.
    if (io.fs.exists(path)) {
      io.logs.Report_Error(std::string("Neuspesno citanje fajla : ") + kFundModesFileName);
      return;
    }
    std::string text;
    for (std::size_t i = 0; i < kFundModesWritten; ++i) text += FundModes_Line(record, i) + "\r\n";
    if (!writeTextFile(io.fs, path, text).ok())
      io.logs.Report_Error(std::string("Neuspesno snimanje fajla : ") + kFundModesFileName);
    return;
  }

  io.logs.Trace_Write(std::string("Ucitava se datoteka ") + kFundModesFileName);
  ByteWriter w = record.writer();
  NumberStream numbers(lines);
  for (std::size_t fund = 0; fund < kFundCount && numbers.more(); ++fund) {
    // A fund is stored whole or not at all.
    std::int32_t values[std::size(kColumns)];
    for (std::int32_t& value : values) {
      const auto number = numbers.next();
      if (!number) {
        io.logs.Report_Error(
            formatText("Pogresan broj u %s, red %zu", kFundModesFileName, numbers.lineNumber()));
        return;
      }
      value = *number;
    }
    for (std::size_t k = 0; k < std::size(kColumns); ++k) store(w, kColumns[k], fund, values[k]);
    numbers.skipRestOfLine();
  }
  if (result == TextRead::Failed)
    io.logs.Report_Error(std::string("Neuspesno citanje fajla : ") + kFundModesFileName);
}

}  // namespace bingo
