#pragma once
// The ticket tables of one console and the operations that change more than
// one of them: the ticket entry, the range deletion, forgetting everything and
// the new-round detection. Screen effects are returned to the caller.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "tickets/bought_tickets.h"
#include "tickets/caption_source.h"
#include "tickets/operator_prompts.h"
#include "tickets/ticket_analysis.h"
#include "tickets/ticket_base.h"

namespace bingo {

// What the new-round half of CheckGameOver did.
struct NewRoundResult {
  // A new round was seen: clear the memo and make it white, empty and hide
  // LblLIN and LblBIN, add memoLines, empty status panel 12.
  bool detected = false;
  std::vector<std::string> memoLines;
  // The bought tickets were forgotten: LopMax := 0 and BingoPhase off.
  bool ticketsCleared = false;
};

// What the delete action did.
struct DeleteResult {
  bool deleted = false;
};

class Tickets {
 public:
  explicit Tickets(FileSystem& fs) : m_base(fs) {}

  // Window creation: the card table of type 0 and empty ticket tables.
  void TicketBase_Init();
  void TicketBase_Free() { m_base.TicketBase_Free(); }

  // Leaving EditKupEnd: commits the range typed into the two fields and runs
  // the check. With Bub2Enabled the whole ticket range 1..24192 is entered.
  // Returns the memo lines to add ("U: " + the texts as typed, and a notice
  // when the range was not taken). A field that holds no number raises
  // AppError before anything changes. The caller then shows UpDateTIkup,
  // repaints the ticket panel and empties the fields (TkKupUnosNew).
  std::vector<std::string> EditKupEndExit(const std::string& pocText, const std::string& endText,
                                          bool Bub2Enabled, const FrameFacts& facts);

  // The delete action (F3): asks for the first and last ticket, deletes them
  // and runs the check. `facts` is asked only after the dialogs, since timer
  // ticks run while they are open. The caller then shows UpDateTIkup,
  // repaints the ticket panel and empties the fields; no memo line is written.
  DeleteResult acTK_Kup_BrisiExecute(OperatorPrompts& prompts, const CaptionSource& captions,
                                     const std::function<FrameFacts()>& facts);

  // Forgets all bought tickets and runs the check. The caller switches
  // BingoPhase off, empties both edit fields, shows UpDateTIkup and PanelTK.
  void TkKupDeleteAll(const FrameFacts& facts);

  // First half of CheckGameOver, every tick.
  NewRoundResult CheckGameOver_NewRound(std::int32_t Kolo, std::uint8_t LopMax, const CaptionSource& captions,
                                        const FrameFacts& facts);

  // The tick's upkeep of the bought tickets.
  void TkKup_Upkeep(int LOP) { m_bought.TkKup_Upkeep(LOP); }

  void TicketAnalysis_Run(const FrameFacts& facts) { m_analysis.TicketAnalysis_Run(m_base, m_bought, facts); }
  BoughtTicketsView UpDateTIkup(double CENScaled) const { return m_bought.UpDateTIkup(CENScaled); }

  TicketBase& base() { return m_base; }
  const TicketBase& base() const { return m_base; }
  BoughtTickets& bought() { return m_bought; }
  const BoughtTickets& bought() const { return m_bought; }
  const TicketAnalysis& analysis() const { return m_analysis; }

 private:
  TicketBase m_base;
  BoughtTickets m_bought;
  TicketAnalysis m_analysis;
};

}  // namespace bingo
