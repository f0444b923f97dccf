#pragma once
// The simulated hall: plays rounds one after the other and keeps the frame
// state the server publishes. Each round sells six ticket ranges, sets price,
// prizes and funds, then draws balls one at a time until a sold ticket makes a
// bingo. Driven step by step by its caller, so it never sleeps; the same seed
// plays the same rounds.

#include <cstdint>
#include <string>
#include <vector>

#include "common/card.h"
#include "common/frame_encoder.h"
#include "common/sim_random.h"
#include "common/sold_ticket_check.h"

namespace bingo::tools {

struct HallSettings {
  std::uint8_t protokol = 8;
  std::uint8_t gameType = 0;  // VT; the cards handed over are the ticket base of this type
  std::uint32_t price = 100;
  std::uint8_t priceDecimals = 0;
  std::uint8_t perTicket = 0;
  std::uint8_t firstKolo = 1;
  bool hintsOff = false;
  std::string hallText = "SALA 1";
};

// What happened in the round being played.
struct RoundResult {
  std::uint8_t kolo = 0;
  std::uint8_t vi = 0;
  std::size_t soldTickets = 0;
  int lineBall = 0;  // LOP at which the line was won; 0 while open
  std::vector<std::uint32_t> lineWinners;
  int bingoBall = 0;
  std::vector<std::uint32_t> bingoWinners;
  int fundWon = 0;  // fund 1..6 paid out with the bingo, 0 for none
};

class HallGame {
 public:
  enum class Ball { Drawn, Line, Bingo };

  // cards[t-1] is ticket t's card. Throws std::invalid_argument when the cards
  // are too few to sell six ranges or the layout cannot carry their numbers.
  HallGame(HallSettings settings, std::vector<Card> cards, std::uint64_t seed);

  // Opens the next round: next Kolo, new sales, prizes and funds, no ball yet.
  void startRound();
  // Draws the next ball (only while the round is not over) and runs the win check.
  Ball drawBall();
  bool roundOver() const { return m_result.bingoBall != 0; }

  const FrameState& frame() const { return m_frame; }
  const RoundResult& result() const { return m_result; }
  int roundsStarted() const { return m_rounds; }

 private:
  void sellTickets();
  void setPrizes();
  void fillRankList();
  std::uint32_t moneyMax() const;

  HallSettings m_settings;
  std::vector<Card> m_cards;
  SimRandom m_random;
  SoldTicketCheck m_check;
  FrameState m_frame;
  RoundResult m_result;
  std::array<int, kBalls> m_order{};
  std::array<std::uint32_t, 6> m_fundBase{};
  int m_rounds = 0;
  bool m_lineWon = false;
};

}  // namespace bingo::tools
