#pragma once
// Shared set-up of the ticket tests: Serbian captions, scripted operator
// answers, a hall of cards with its sold ranges, and frame facts.

#include <optional>
#include <string>
#include <vector>

#include "support/fake_file_system.h"
#include "support/scripted_prompts.h"
#include "tickets/tickets.h"

namespace bingo::test {

using Card = std::array<std::uint8_t, 15>;
using Ranges = std::vector<TicketRange>;
using Lines = std::vector<std::string>;
inline constexpr const char* kType0 = "C:\\Orma\\Bingo\\Arh\\CfgW\\A1944.3x5";
inline constexpr Card kPlain = {1, 2, 3, 4, 5, 11, 12, 13, 14, 15, 41, 42, 43, 44, 45};

// The Serbian captions the tickets use: caption k is the text after "|k=".
class SerbianCaptions : public CaptionSource {
 public:
  std::string JezikText(unsigned k) const override {
    const std::string table =
        "|7=LINIJA|30=Ceka|39=OD|40=DO|49=DOBILI STE LINIJU|50=DOBILI STE BINGO|62=NOVO KOLO|"
        "63=Unesite kupljene tikete|92=TIKET|95=LOPTA|";
    const auto at = table.find("|" + std::to_string(k) + "=");
    if (at == std::string::npos) return {};
    const auto from = table.find('=', at) + 1;
    return table.substr(from, table.find('|', from) - from);
  }
};

// A card file: the cards one after another, 15 bytes each, no header.
inline std::vector<std::uint8_t> cardFile(const std::vector<Card>& cards) {
  std::vector<std::uint8_t> bytes;
  for (const Card& card : cards) bytes.insert(bytes.end(), card.begin(), card.end());
  return bytes;
}

inline FrameFacts factsWith(const std::vector<int>& drawn, int LOP, bool BingoPhase = false,
                            bool HintSwitch = false) {
  FrameFacts facts{{}, LOP, BingoPhase, HintSwitch};
  for (int ball : drawn) facts.Drawn[static_cast<std::size_t>(ball)] = true;
  return facts;
}

// Every ball drawn except the ones listed.
inline FrameFacts factsAllBut(const std::vector<int>& missing, int LOP, bool BingoPhase = false) {
  FrameFacts facts = factsWith({}, LOP, BingoPhase);
  for (int ball = 1; ball <= 90; ++ball) facts.Drawn[static_cast<std::size_t>(ball)] = true;
  for (int ball : missing) facts.Drawn[static_cast<std::size_t>(ball)] = false;
  return facts;
}

// Tickets over the given type-0 cards (none: no card file) with the given sold ranges.
struct Hall {
  explicit Hall(const std::vector<Card>& cards = {}, const Ranges& sold = {}) {
    if (!cards.empty()) fs.addFile(kType0, cardFile(cards));
    tickets.TicketBase_Init();
    tickets.bought().SoldSet_Rebuild(std::span<const TicketRange>(sold));
  }
  Lines enter(int first, int last, int LOP = 0) {
    return tickets.EditKupEndExit(std::to_string(first), std::to_string(last), false, factsWith({}, LOP));
  }
  bool erase(std::vector<std::optional<std::string>> answers, int LOP = 0) {
    prompts.answers.assign(answers.begin(), answers.end());
    return tickets.acTK_Kup_BrisiExecute(prompts, captions, [LOP] { return factsWith({}, LOP); }).deleted;
  }
  Ranges listed() const {
    Ranges out;
    for (std::size_t i = 0; i < BoughtTickets::kSlots; ++i)
      if (bought.TkKupPoc(i) != 0) out.push_back({bought.TkKupPoc(i), bought.TkKupEnd(i)});
    return out;
  }
  // Tickets flagged bought (and sold: as the win check reads them).
  std::size_t flagged(bool soldToo = false) const {
    std::size_t n = 0;
    for (std::size_t t = 0; t < kTicketTableSize; ++t)
      n += bought.Bought(t) && (!soldToo || bought.SoldSet(t));
    return n;
  }
  FakeFileSystem fs;
  Tickets tickets{fs};
  const BoughtTickets& bought = tickets.bought();
  const TicketAnalysis& analysis = tickets.analysis();
  ScriptedPrompts prompts;
  SerbianCaptions captions;
};

}  // namespace bingo::test
