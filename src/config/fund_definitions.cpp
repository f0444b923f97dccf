#include "config/fund_definitions.h"

#include <charconv>
#include <vector>

#include "config/text_lines.h"

namespace bingo {
namespace {

struct BuiltInFund {
  std::int32_t code;
  const char* shortCode;
  const char* name;
  const char* longName;
};

// Row 0: the small hall with six funds; row 1: the full set of fourteen.
constexpr BuiltInFund kBuiltIn[2][kFundDefinitionCount] = {
    {
        {1, "JP", "JACKP", "Jackpot"},
        {2, "BN", "BINGO", "Bingo"},
        {3, "LN", "LINIJ", "Linija"},
        {4, "L2", "LIN 2", "Druga linija"},
        {5, "BO", "BONUS", "Bonus"},
        {6, "SP", "SUPER", "Super premija"},
        {0, "--", "-----", ""},
        {0, "--", "-----", ""},
        {0, "--", "-----", ""},
        {0, "--", "-----", ""},
        {0, "--", "-----", ""},
        {0, "--", "-----", ""},
        {0, "--", "-----", ""},
        {0, "--", "-----", ""},
    },
    {
        {1, "JP", "JACKP", "Jackpot"},
        {2, "BN", "BINGO", "Bingo"},
        {3, "LN", "LINIJ", "Linija"},
        {4, "L2", "LIN 2", "Druga linija"},
        {5, "BO", "BONUS", "Bonus"},
        {6, "SP", "SUPER", "Super premija"},
        {7, "MP", "MEGAP", "Mega premija"},
        {8, "DP", "DNEVN", "Dnevna premija"},
        {9, "NP", "NEDEL", "Nedeljna premija"},
        {10, "MS", "MESEC", "Mesecna premija"},
        {11, "PB", "PROGB", "Progresivni bingo"},
        {12, "PL", "PROGL", "Progresivna linija"},
        {13, "SB", "SRECA", "Srecni broj"},
        {14, "RZ", "REZER", "Rezervni fond"},
    },
};

std::string_view take(std::string_view& rest, std::size_t n) {
  const std::string_view part = rest.substr(0, n);
  rest.remove_prefix(part.size());
  return part;
}

std::string withoutLeadingBlanks(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(s.substr(first));
}

}  // namespace

void FundDefs_Default(FundDefinitions& defs, std::uint8_t row) {
  for (std::size_t i = 0; i < kFundDefinitionCount; ++i) {
    const BuiltInFund& f = kBuiltIn[row % 2][i];
    defs[i] = {f.code, f.shortCode, f.name, f.longName};
  }
}

std::optional<FundDefinition> FundDefs_ParseLine(std::string_view rest) {
  take(rest, 2);
  while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
  if (rest.starts_with('+')) rest.remove_prefix(1);
  FundDefinition def;
  const auto [ptr, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), def.code);
  if (ec != std::errc()) return std::nullopt;
  rest.remove_prefix(static_cast<std::size_t>(ptr - rest.data()));
  take(rest, 1);
  def.shortCode = std::string(take(rest, 2));
  take(rest, 1);
  def.name = withoutLeadingBlanks(take(rest, 5));
  take(rest, 1);
  def.longName = withoutLeadingBlanks(take(rest, 20));
  return def;
}

bool FundDefs_Read(const ConfigIo& io, ConfigRecords& records) {
  std::vector<std::string> lines;
  const TextRead result = readTextLinesBounded(
      io.fs, io.names.PathFundDefs,
      {.maxLines = kFundDefinitionCount, .maxLineLength = 256, .maxKeptBytes = 64 * 1024}, lines);
  FundDefinitions read;
  bool ok = result == TextRead::Ok && lines.size() == kFundDefinitionCount;
  for (std::size_t i = 0; ok && i < kFundDefinitionCount; ++i) {
    auto def = FundDefs_ParseLine(lines[i]);
    if (!def)
      ok = false;
    else
      read[i] = std::move(*def);
  }
  if (!ok) {
    io.logs.Report_Error(std::string("Neuspesno citanje fajla : ") + kFundDefsFileName);
    return false;
  }
  records.FundDefs = std::move(read);
  return true;
}

}  // namespace bingo
