#include "common/sim_options.h"

#include <charconv>
#include <functional>
#include <map>

#include "common/bcd.h"
#include "common/card.h"
#include "platform/text.h"

namespace bingo::tools {
namespace {

std::optional<std::int64_t> parseNumber(const std::string& text, std::int64_t lo, std::int64_t hi) {
  std::int64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size() || value < lo || value > hi) return std::nullopt;
  return value;
}

}  // namespace

const char* simUsage() {
  return "usage: bingo-server-sim [options]\n"
         "  --server NAME          share \\\\NAME\\net (default localhost)\n"
         "  --games N              play N rounds, then exit (default 0: until stopped)\n"
         "  --seed S               reproducible run\n"
         "  --ball-ms N            time between balls (default 1500)\n"
         "  --pause-ms N           LOP 0 before each round (default 8000)\n"
         "  --hold-ms N            a line or bingo stays shown at least this long (default 4000)\n"
         "  --protocol N           protocol byte; 9 or more: wide layout (default 8)\n"
         "  --game-type 0..3       ticket base 1944, 5952, 2000 or 24192 (default 0)\n"
         "  --price N              ticket price (default 100)\n"
         "  --price-decimals 0..2  price decimals byte (default 0)\n"
         "  --per-ticket 0|1       per-ticket byte (default 0)\n"
         "  --kolo N               first round number 1..255 (default 1)\n"
         "  --hall TEXT            hall text, at most 8 characters\n"
         "  --hints-off            near-win marking off\n"
         "  --write-mode M         in-place (default), atomic or torn\n"
         "  --torn-pause-ms N      pause between the 16-byte ranges of a torn write (default 10)\n"
         "  --off 1|2|3            create Off<n>.txt in the share ...\n"
         "  --off-after-s N        ... after N seconds (default 0)\n"
         "  --off-hold-s N         ... and remove it N seconds later (default 30)\n"
         "  --language S|A|M|none  write cJezik.txt into the share (none: remove it)\n"
         "  --game-kinds FILE|none copy FILE into the share as cVIw.Txt (none: remove it)\n"
         "  --dg                   write a .DG game record per round\n"
         "  --city-letter L        city letter of the .DG names (default N)\n"
         "  --frame-log FILE       append a line per frame written: microseconds since\n"
         "                         the epoch at the write's end, Kolo, LOP, KUG and the\n"
         "                         drawn balls (comma-separated, - for none)\n";
}

ParsedSimOptions parseSimOptions(const std::vector<std::string>& args) {
  ParsedSimOptions parsed;
  SimOptions& o = parsed.options;
  const auto intInto = [](int& into, std::int64_t lo, std::int64_t hi) {
    return [&into, lo, hi](const std::string& v) {
      auto n = parseNumber(v, lo, hi);
      if (n) into = static_cast<int>(*n);
      return n.has_value();
    };
  };
  const auto byteInto = [](std::uint8_t& into, std::int64_t lo, std::int64_t hi) {
    return [&into, lo, hi](const std::string& v) {
      auto n = parseNumber(v, lo, hi);
      if (n) into = static_cast<std::uint8_t>(*n);
      return n.has_value();
    };
  };
  constexpr int kDay = 24 * 3600 * 1000;
  int protocol = o.hall.protokol, gameType = o.hall.gameType, price = static_cast<int>(o.hall.price);
  const std::map<std::string, std::function<bool(const std::string&)>> valued{
      {"--server",
       [&](const std::string& v) {
         return !v.empty() && v.find_first_of("\\/") == std::string::npos && (o.server = v, true);
       }},
      {"--games", intInto(o.games, 0, 1000000)},
      {"--seed",
       [&](const std::string& v) {
         auto n = parseNumber(v, 0, INT64_MAX);
         if (n) o.seed = static_cast<std::uint64_t>(*n);
         return n.has_value();
       }},
      {"--ball-ms", intInto(o.ballMs, 0, kDay)},
      {"--pause-ms", intInto(o.pauseMs, 0, kDay)},
      {"--hold-ms", intInto(o.holdMs, 0, kDay)},
      {"--protocol", intInto(protocol, 0, 255)},
      {"--game-type", intInto(gameType, 0, 3)},
      {"--price", intInto(price, 0, static_cast<std::int64_t>(bcdMax(3)))},
      {"--price-decimals", byteInto(o.hall.priceDecimals, 0, 2)},
      {"--per-ticket", byteInto(o.hall.perTicket, 0, 1)},
      {"--kolo", byteInto(o.hall.firstKolo, 1, 255)},
      {"--hall", [&](const std::string& v) { return v.size() <= 8 && (o.hall.hallText = v, true); }},
      {"--write-mode",
       [&](const std::string& v) {
         if (v == "in-place")
           o.writeMode = WriteMode::InPlace;
         else if (v == "atomic")
           o.writeMode = WriteMode::Atomic;
         else if (v == "torn")
           o.writeMode = WriteMode::Torn;
         else
           return false;
         return true;
       }},
      {"--torn-pause-ms", intInto(o.tornPauseMs, 0, 10000)},
      {"--off", intInto(o.off, 1, 3)},
      {"--off-after-s", intInto(o.offAfterS, 0, 30 * 24 * 3600)},
      {"--off-hold-s", intInto(o.offHoldS, 0, 30 * 24 * 3600)},
      {"--language",
       [&](const std::string& v) {
         if (v == "none") return o.removeLanguage = true;
         if (v.size() != 1 || std::string("SAM").find(asciiUpper(v[0])) == std::string::npos) return false;
         o.language = asciiUpper(v[0]);
         return true;
       }},
      {"--game-kinds",
       [&](const std::string& v) {
         if (v == "none") return o.removeGameKinds = true;
         return !v.empty() && (o.gameKindsFile = v, true);
       }},
      {"--frame-log", [&](const std::string& v) { return !v.empty() && (o.frameLog = v, true); }},
      {"--city-letter",
       [&](const std::string& v) {
         // The letter becomes part of a file name in the share.
         if (v.size() != 1 || v.find_first_of("\\/.*?:") != std::string::npos || v[0] <= ' ') return false;
         o.cityLetter = v[0];
         return true;
       }},
  };

  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      parsed.help = true;
      return parsed;
    }
    if (arg == "--dg") {
      o.dg = true;
      continue;
    }
    if (arg == "--hints-off") {
      o.hall.hintsOff = true;
      continue;
    }
    const auto option = valued.find(arg);
    if (option == valued.end()) {
      parsed.error = "unknown option " + arg;
      return parsed;
    }
    if (i + 1 >= args.size()) {
      parsed.error = arg + " needs a value";
      return parsed;
    }
    if (!option->second(args[++i])) {
      parsed.error = "bad value for " + arg + ": " + args[i];
      return parsed;
    }
  }

  o.hall.protokol = static_cast<std::uint8_t>(protocol);
  o.hall.gameType = static_cast<std::uint8_t>(gameType);
  o.hall.price = static_cast<std::uint32_t>(price);
  const bool wide = isWideProtocol(o.hall.protokol);
  if (!wide && kTicketBaseSizes[o.hall.gameType] > bcdMax(2))
    parsed.error = "game type 3 (24192 tickets) needs the wide layout: --protocol 9";
  else if (!wide && o.hall.price > bcdMax(2))
    parsed.error = "the narrow layout carries a price of at most 9999";
  return parsed;
}

}  // namespace bingo::tools
