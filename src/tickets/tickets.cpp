#include "tickets/tickets.h"

#include "tickets/number_input.h"

namespace bingo {

namespace {

// Caption numbers of the language table.
constexpr unsigned kCaptionOd = 39;
constexpr unsigned kCaptionDo = 40;
constexpr unsigned kCaptionBrisanjeTiketa = 46;
constexpr unsigned kCaptionNovoKolo = 62;
constexpr unsigned kCaptionUnesiteTikete = 63;

std::string rangeText(std::int64_t first, std::int64_t last) {
  return std::to_string(first) + " - " + std::to_string(last);
}

}  // namespace

void Tickets::TicketBase_Init() {
  m_base.TicketBase_Init();
  m_bought.clear();
  m_analysis.clear();
}

std::vector<std::string> Tickets::EditKupEndExit(const std::string& pocText, const std::string& endText,
                                                 bool Bub2Enabled, const FrameFacts& facts) {
  // A conversion error ends the commit here, before anything is stored.
  const std::int32_t first = Bub2Enabled ? 1 : editFieldNumber(pocText);
  const std::int32_t last = Bub2Enabled ? kTicketMax : editFieldNumber(endText);
  const bool dropUnsold = facts.LOP >= 2;
  const auto entry = m_bought.storeRange(first, last, dropUnsold);
  m_bought.refresh(dropUnsold);
  m_analysis.TicketAnalysis_Run(m_base, m_bought, facts);
  m_bought.advanceSlot();  // also when nothing was stored

  std::vector<std::string> memo;
  if (!Bub2Enabled) memo.push_back("U: " + pocText + " " + endText);
  if (entry == BoughtTickets::Entry::TooManyRuns)
    memo.push_back("Opseg " + rangeText(first, last) + " nije unet: najvise 9 opsega");
  return memo;
}

DeleteResult Tickets::acTK_Kup_BrisiExecute(OperatorPrompts& prompts, const CaptionSource& captions,
                                            const std::function<FrameFacts()>& facts) {
  DeleteResult result;
  const std::string title = captions.JezikText(kCaptionBrisanjeTiketa);
  const std::int32_t a = NumberInputDialog(prompts, title, captions.JezikText(kCaptionOd), 1, "", kTicketMax);
  if (a <= 0) return result;
  const std::int32_t b = NumberInputDialog(prompts, title, captions.JezikText(kCaptionDo), 1, "", kTicketMax);
  if (b <= 0) return result;
  if (b < a) {
    prompts.errorBox("", "Pogresan opseg: " + rangeText(a, b));
    return result;
  }
  m_bought.deleteRange({static_cast<std::uint16_t>(a), static_cast<std::uint16_t>(b)});
  result.deleted = true;
  m_bought.refresh(true);
  m_analysis.TicketAnalysis_Run(m_base, m_bought, facts());
  return result;
}

void Tickets::TkKupDeleteAll(const FrameFacts& facts) {
  m_bought.clear();
  m_analysis.clear();
  FrameFacts noBingoPhase = facts;
  noBingoPhase.BingoPhase = false;
  m_analysis.TicketAnalysis_Run(m_base, m_bought, noBingoPhase);
}

NewRoundResult Tickets::CheckGameOver_NewRound(std::int32_t Kolo, std::uint8_t LopMax,
                                               const CaptionSource& captions, const FrameFacts& facts) {
  NewRoundResult result;
  // A new round shows once a game of at least five balls has been seen and
  // the next one has drawn at most one ball.
  if (facts.LOP > 1 || LopMax < 5) return result;
  result.detected = true;
  result.memoLines = {captions.JezikText(kCaptionNovoKolo), std::to_string(Kolo),
                      captions.JezikText(kCaptionUnesiteTikete)};
  const std::int32_t last = m_bought.LastKolo();
  // A round number 1..4 below the last one means the server restarted its numbering.
  if (Kolo > last || (Kolo < last && Kolo >= 1 && Kolo <= 4)) {
    m_bought.setLastKolo(Kolo);
    TkKupDeleteAll(facts);
    result.ticketsCleared = true;
  }
  return result;
}

}  // namespace bingo
