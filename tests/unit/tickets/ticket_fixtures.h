#pragma once
// Shared set-up of the ticket tests: Serbian captions, scripted operator
// answers, card files and frame facts.

#include <deque>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tickets/caption_source.h"
#include "tickets/operator_prompts.h"
#include "tickets/ticket_analysis.h"

namespace bingo::test {

class SerbianCaptions : public CaptionSource {
 public:
  std::string JezikText(unsigned k) const override {
    static constexpr std::pair<unsigned, const char*> kTexts[] = {
        {7, "LINIJA"},
        {30, "Ceka"},
        {39, "OD"},
        {40, "DO"},
        {46, "BRISANJE TIKETA"},
        {49, "DOBILI STE LINIJU"},
        {50, "DOBILI STE BINGO"},
        {62, "NOVO KOLO"},
        {63, "Unesite kupljene tikete"},
        {90, "KOLO"},
        {92, "TIKET"},
        {95, "LOPTA"},
    };
    for (const auto& [number, text] : kTexts)
      if (number == k) return text;
    return {};
  }
};

// Answers the input boxes from a script (nothing = Cancel) and notes every question.
class ScriptedPrompts : public OperatorPrompts {
 public:
  std::deque<std::optional<std::string>> answers;
  std::vector<std::string> asked;   // prompt texts, in order
  std::vector<std::string> errors;  // error box texts, in order

  std::optional<std::string> inputText(const std::string& title, const std::string& prompt,
                                       const std::string& defaultText) override {
    asked.push_back(title + "|" + prompt + "|" + defaultText);
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void errorBox(const std::string&, const std::string& text) override { errors.push_back(text); }
  bool askYesNo(const std::string&, const std::string&) override { return false; }
  void infoBox(const std::string&, const std::string&) override {}
};

using Card = std::array<std::uint8_t, 15>;

// A card file: the cards one after another, 15 bytes each, no header.
inline std::vector<std::uint8_t> cardFile(const std::vector<Card>& cards) {
  std::vector<std::uint8_t> bytes;
  for (const Card& card : cards) bytes.insert(bytes.end(), card.begin(), card.end());
  return bytes;
}

inline FrameFacts factsWith(std::initializer_list<int> drawn, int LOP, bool BingoPhase = false,
                            bool HintSwitch = false) {
  FrameFacts facts;
  for (int ball : drawn) facts.Drawn[static_cast<std::size_t>(ball)] = true;
  facts.LOP = LOP;
  facts.BingoPhase = BingoPhase;
  facts.HintSwitch = HintSwitch;
  return facts;
}

// Every ball drawn except the ones listed.
inline FrameFacts factsAllBut(std::initializer_list<int> missing, int LOP, bool BingoPhase = false) {
  FrameFacts facts;
  facts.Drawn.fill(true);
  facts.Drawn[0] = false;
  for (int ball : missing) facts.Drawn[static_cast<std::size_t>(ball)] = false;
  facts.LOP = LOP;
  facts.BingoPhase = BingoPhase;
  return facts;
}

}  // namespace bingo::test
