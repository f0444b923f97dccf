#include "common/ticket_base_command.h"

#include <charconv>
#include <optional>

#include "common/card_check.h"
#include "common/card_generator.h"
#include "common/host_files.h"

namespace bingo::tools {
namespace {

constexpr const char* kUsage =
    "usage: ticket-base generate --cards N [--seed S] FILE\n"
    "       ticket-base check FILE\n";

// A card file of more cards than ticket numbers exist makes no sense; the
// limit also keeps a mistyped count from filling the disk.
constexpr std::uint64_t kMaxCards = 1000000;

std::optional<std::uint64_t> parseCount(const std::string& text) {
  std::uint64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

int usage(std::ostream& err, const std::string& problem) {
  err << "ticket-base: " << problem << "\n" << kUsage;
  return 2;
}

int generate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::optional<std::uint64_t> cards;
  std::uint64_t seed = 1;
  std::string file;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--cards" || args[i] == "--seed") {
      if (i + 1 >= args.size()) return usage(err, args[i] + " needs a value");
      const auto value = parseCount(args[i + 1]);
      if (!value) return usage(err, "bad value for " + args[i] + ": " + args[i + 1]);
      if (args[i] == "--cards")
        cards = value;
      else
        seed = *value;
      ++i;
    } else if (args[i].starts_with("--") || !file.empty()) {
      return usage(err, "unexpected argument " + args[i]);
    } else {
      file = args[i];
    }
  }
  if (!cards || *cards == 0 || *cards > kMaxCards) return usage(err, "--cards must be 1..1000000");
  if (file.empty()) return usage(err, "no file named");
  const auto bytes = cardFileBytes(generateCards(*cards, seed));
  HostFiles files;
  if (!files.writeAtomic(file, bytes)) {
    err << "ticket-base: " << files.lastError() << "\n";
    return 2;
  }
  out << file << ": " << *cards << " cards, " << bytes.size() << " bytes, seed " << seed << "\n";
  return 0;
}

int check(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) return usage(err, "check takes one file");
  HostFiles files;
  const auto bytes = files.readFile(args[1]);
  if (!bytes) {
    err << "ticket-base: " << files.lastError() << "\n";
    return 2;
  }
  const CardFileCheck result = checkCardFile(*bytes);
  if (result.ok) {
    out << args[1] << ": " << result.cards << " cards, all valid\n";
    return 0;
  }
  if (result.badCard != 0)
    out << args[1] << ": card " << result.badCard << ": " << result.fault << "\n";
  else
    out << args[1] << ": " << result.fault << "\n";
  return 1;
}

}  // namespace

int runTicketBase(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return usage(err, "no command");
  if (args[0] == "generate") return generate(args, out, err);
  if (args[0] == "check") return check(args, out, err);
  return usage(err, "unknown command " + args[0]);
}

}  // namespace bingo::tools
