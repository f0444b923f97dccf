#pragma once
// An error that reaches the application's exception handler, which appends
// its message to the error log and shows it; the program runs on.

#include <stdexcept>
#include <string>

namespace bingo {

class AppError : public std::runtime_error {
 public:
  explicit AppError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace bingo
