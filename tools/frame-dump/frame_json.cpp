#include "frame_json.h"

#include <charconv>
#include <functional>
#include <vector>

#include "display/model/text_encoding.h"

namespace bingo {
namespace {

class JsonObject {
 public:
  void number(const char* key, std::uint64_t value) { field(key, std::to_string(value)); }
  // A price keeps its fraction: 350 is written 350.0.
  void fraction(const char* key, double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, result.ptr);
    if (text.find_first_of(".e") == std::string::npos) text += ".0";
    field(key, text);
  }
  void boolean(const char* key, bool value) { field(key, value ? "true" : "false"); }
  void text(const char* key, const std::string& utf8) { field(key, quoted(utf8)); }
  void numbers(const char* key, int count, const std::function<std::uint64_t(int)>& value) {
    std::string list = "[";
    for (int i = 0; i < count; ++i) list += (i ? ", " : "") + std::to_string(value(i));
    field(key, list + "]");
  }
  void booleans(const char* key, const std::vector<bool>& values) {
    std::string list = "[";
    for (std::size_t i = 0; i < values.size(); ++i)
      list += std::string(i ? ", " : "") + (values[i] ? "true" : "false");
    field(key, list + "]");
  }
  std::string finish() const { return m_out + "\n}\n"; }

 private:
  static std::string quoted(const std::string& utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
      const auto u = static_cast<unsigned char>(c);
      if (c == '"' || c == '\\') {
        out += '\\';
        out += c;
      } else if (u < 0x20) {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\u%04x", u);
        out += escape;
      } else {
        out += c;
      }
    }
    return out + "\"";
  }
  void field(const char* key, const std::string& value) {
    m_out += m_out.empty() ? "{\n  \"" : ",\n  \"";
    m_out += key;
    m_out += "\": ";
    m_out += value;
  }
  std::string m_out;
};

}  // namespace

std::string frameJson(Frame& f, bool changed) {
  JsonObject json;
  json.number("Protokol", f.Protokol());
  json.boolean("IsWide", f.IsWide());
  json.number("LOP", f.LOP());
  json.number("MxL", f.MxL());
  json.number("KUG", f.KUG());
  json.numbers("KugLast", kKugLastCount, [&](int i) { return f.KugLast(i + 1); });
  json.number("BON", f.BON());
  json.number("BIN", f.BIN());
  json.number("LN2", f.LN2());
  json.number("LIN", f.LIN());
  json.fraction("CEN", f.CEN());
  json.fraction("CENScaled", f.CENScaled());
  json.number("PRO", f.PRO());
  json.numbers("FundMxL", kFundRows, [&](int n) { return f.FundMxL(n); });
  json.numbers("FND", kFundRows, [&](int n) { return f.FND(n); });
  json.numbers("ProSer", kSoldRows, [&](int n) { return f.ProSer(n); });
  json.numbers("ProPoc", kSoldRows, [&](int n) { return f.ProPoc(n); });
  json.numbers("ProEnd", kSoldRows, [&](int n) { return f.ProEnd(n); });
  json.numbers("RLTk", kRankRows, [&](int n) { return f.RLTk(n); });
  json.numbers("RLTkLop", kRankRows, [&](int n) { return f.RLTkLop(n); });
  json.numbers("RLTkWait", kWaitRows, [&](int n) { return f.RLTkWait(n); });
  json.numbers("RLTkWaitLop", kWaitRows, [&](int n) { return f.RLTkWaitLop(n); });
  json.number("VT", f.VT());
  json.number("TicketBaseSize", f.TicketBaseSize());
  json.number("VI", f.VI());
  json.text("VIShortName", cp1250ToUtf8(f.VIShortName()));
  json.text("VILongName", cp1250ToUtf8(f.VILongName()));
  json.number("Kolo", f.Kolo());
  json.number("NovaSmena", f.NovaSmena());
  json.text("HallText", cp1250ToUtf8(f.HallText()));
  json.boolean("BingoPhase", f.BingoPhase());
  json.boolean("HintSwitch", f.HintSwitch());
  std::vector<bool> valid;
  for (int block = 1; block <= kFrameBlockCount; ++block) valid.push_back(f.BlockValid(block));
  json.booleans("BlockValid", valid);
  std::vector<int> drawn;
  for (int ball = 1; ball <= 90; ++ball)
    if (f.Drawn()[static_cast<std::size_t>(ball)]) drawn.push_back(ball);
  json.numbers("Drawn", static_cast<int>(drawn.size()),
               [&](int i) { return drawn[static_cast<std::size_t>(i)]; });
  json.number("SoldCount", f.SoldCount());
  json.number("SoldCountShown", f.SoldCountShown());
  json.boolean("changed", changed);
  return json.finish();
}

}  // namespace bingo
