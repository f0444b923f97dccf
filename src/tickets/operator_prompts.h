#pragma once
// What the model needs to ask the operator: Qt dialogs in the application,
// scripted answers in tests.

#include <optional>
#include <string>

namespace bingo {

class OperatorPrompts {
 public:
  virtual ~OperatorPrompts() = default;
  // Modal text input with a title, a prompt and a default text; nothing on Cancel.
  virtual std::optional<std::string> inputText(const std::string& title, const std::string& prompt,
                                               const std::string& defaultText) = 0;
  // The standard error box (error icon, one OK button); an empty title means the toolkit's own.
  virtual void errorBox(const std::string& title, const std::string& text) = 0;
  // Yes/No question whose default button is No; true only when Yes was pressed.
  virtual bool askYesNo(const std::string& title, const std::string& text) = 0;
  // Information box with one OK button.
  virtual void infoBox(const std::string& title, const std::string& text) = 0;
};

}  // namespace bingo
