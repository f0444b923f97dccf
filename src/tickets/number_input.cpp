#include "tickets/number_input.h"

#include <charconv>

#include "platform/app_error.h"

namespace bingo {

std::optional<std::int32_t> parseInteger(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  if (text.size() > 1 && text[0] == '+' && text[1] >= '0' && text[1] <= '9') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::int32_t editFieldNumber(const std::string& text) {
  if (text.empty()) return 0;
  if (auto value = parseInteger(text)) return *value;
  throw AppError("'" + text + "' is not a valid integer value");
}

std::int32_t NumberInputDialog(OperatorPrompts& prompts, const std::string& title, const std::string& prompt,
                               std::int32_t minimum, const std::string& defaultText, std::int32_t maximum) {
  for (;;) {
    const auto answer = prompts.inputText(title, prompt, defaultText);
    const auto value = answer ? parseInteger(*answer) : std::nullopt;
    if (!value) return -1;
    if (*value == 0) continue;
    if (minimum <= *value && *value <= maximum) return *value;
    prompts.errorBox("", "Pogresan unos");
  }
}

}  // namespace bingo
