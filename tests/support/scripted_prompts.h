#pragma once
// Operator prompts answered from a script: the dialogs' answers in order,
// No to every question, and a record of what was asked and shown.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "tickets/operator_prompts.h"

namespace bingo::test {

class ScriptedPrompts : public OperatorPrompts {
 public:
  std::deque<std::optional<std::string>> answers;  // nothing: Cancel
  std::vector<std::string> asked;                  // prompts of input boxes and questions, in order
  std::vector<std::string> errors;
  std::vector<std::string> infos;

  std::optional<std::string> inputText(const std::string&, const std::string& prompt,
                                       const std::string&) override {
    asked.push_back(prompt);
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void errorBox(const std::string&, const std::string& text) override { errors.push_back(text); }
  bool askYesNo(const std::string&, const std::string& text) override {
    asked.push_back(text);
    return false;
  }
  void infoBox(const std::string&, const std::string& text) override { infos.push_back(text); }
};

}  // namespace bingo::test
