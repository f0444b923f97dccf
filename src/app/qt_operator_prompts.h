#pragma once
// The operator prompts as the toolkit's modal boxes. Each box runs its own
// event loop, so the frame timer keeps ticking while it is open.

#include "tickets/operator_prompts.h"

namespace bingo {

class QtOperatorPrompts final : public OperatorPrompts {
 public:
  std::optional<std::string> inputText(const std::string& title, const std::string& prompt,
                                       const std::string& defaultText) override;
  void errorBox(const std::string& title, const std::string& text) override;
  bool askYesNo(const std::string& title, const std::string& text) override;
  void infoBox(const std::string& title, const std::string& text) override;
};

}  // namespace bingo
