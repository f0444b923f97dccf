#pragma once
// Whole numbers typed by the operator: the edit fields of the ticket entry and
// the modal number dialog.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tickets/operator_prompts.h"

namespace bingo {

// A decimal integer with an optional sign and surrounding blanks, within
// 32 bits; nothing for any other text (an empty text included).
std::optional<std::int32_t> parseInteger(std::string_view text);

// The text of an edit field as a number: empty gives 0, any other text that is
// not a number raises AppError (the conversion error reaches the application's
// exception handler).
std::int32_t editFieldNumber(const std::string& text);

// Asks until the answer is a number between minimum and maximum (0 asks again
// without a message, other numbers outside the bounds show "Pogresan unos");
// -1 when the answer is not a number, Cancel included.
std::int32_t NumberInputDialog(OperatorPrompts& prompts, const std::string& title, const std::string& prompt,
                               std::int32_t minimum, const std::string& defaultText, std::int32_t maximum);

}  // namespace bingo
