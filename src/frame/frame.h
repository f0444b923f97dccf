#pragma once
// The game state as the server publishes it: the copies of the frame record,
// the state derived from it when blocks are accepted, and the decoders through
// which the rest of the console reads it. Every decoder reads the accepted
// record only and decides the layout afresh from its Protokol byte.

#include <array>
#include <cstdint>
#include <string>

#include "frame/frame_effects.h"
#include "frame/frame_layout.h"
#include "frame/game_kinds.h"
#include "frame/ticket_numbers.h"

namespace bingo {

using SoldTickets = std::array<bool, kTicketSentinel + 1>;

// Card counts of the four game types; any other type counts as type 0.
inline constexpr std::array<std::uint16_t, 4> kTicketBaseSizes{1944, 5952, 2000, 24192};

class Frame {
 public:
  explicit Frame(FrameEffects& effects) : m_effects(&effects) {}
  Frame(const Frame&) = delete;
  Frame& operator=(const Frame&) = delete;

  // All copies, Drawn, Sold and the running maximum back to zero.
  void clear();

  // Step 1 of Frame_Update: the accepted record becomes the previous record.
  void keepPrevious() { m_previous = m_accepted; }
  // Steps 3..7 of Frame_Update, after a good read filled the read copy; the
  // result is Frame_Update's.
  bool acceptReadCopy();

  FrameBytes& readCopy() { return m_readCopy; }
  const FrameBytes& accepted() const { return m_accepted; }
  const FrameBytes& previous() const { return m_previous; }

  // Derived state.
  bool BlockValid(int block) const;  // block 1..8: checksum of the last good read
  const DrawnBalls& Drawn() const { return m_drawn; }
  const SoldTickets& Sold() const { return m_sold; }
  std::uint16_t SoldCount() const { return m_soldCount; }
  std::uint16_t SoldCountShown() const { return m_soldCount % kTicketSentinel; }
  std::uint8_t LopMax() const { return m_lopMax; }
  void SetLopMax(std::uint8_t value) { m_lopMax = value; }
  // The line is won, only the bingo remains; the ticket tables clear it when
  // they forget the bought tickets, until the next accepted block 8.
  bool BingoPhase() const { return m_bingoPhase; }
  void setBingoPhase(bool on) { m_bingoPhase = on; }
  // Near-win marking of board cells and ticket rows that need one more ball.
  bool HintSwitch() const { return m_hintSwitch; }

  // Decoders.
  std::uint8_t Protokol() const { return m_accepted[kOffsetProtokol]; }
  bool IsWide() const { return Protokol() >= kWideProtokol; }
  std::uint8_t LOP();  // also raises LopMax
  std::uint8_t MxL() const;
  std::uint8_t KUG() const;
  std::uint8_t KugLast(int n) const;  // n = 1..3
  std::uint32_t BON() const;
  std::uint32_t BIN() const;
  std::uint32_t LN2() const;
  std::uint32_t LIN() const;
  double CEN() const;
  double CENScaled();  // reads VT too, as the price decoder always did
  std::uint32_t PRO() const;
  std::uint8_t FundMxL(int n) const;  // n = 0..5
  std::uint32_t FND(int n) const;
  std::uint8_t ProSer(int n) const;
  std::uint16_t ProPoc(int n) const;
  std::uint16_t ProEnd(int n) const;
  std::uint32_t RLTk(int n) const;  // n = 0..5
  std::uint8_t RLTkLop(int n) const;
  std::uint32_t RLTkWait(int n) const;  // n = 0..2
  std::uint8_t RLTkWaitLop(int n) const;
  std::uint8_t VT();  // the type the ticket base holds after it saw the announced one
  std::uint16_t TicketBaseSize();
  std::uint8_t VI() const;
  std::string VIShortName() const { return m_kinds.entry(VI()).shortName; }
  std::string VILongName() const { return m_kinds.entry(VI()).longName; }
  std::uint8_t Kolo() const { return m_accepted[kOffsetKolo]; }
  std::uint8_t NovaSmena() const { return m_accepted[kOffsetNovaSmena]; }
  std::string HallText() const;

  GameKinds& gameKinds() { return m_kinds; }
  const GameKinds& gameKinds() const { return m_kinds; }
  FrameEffects& effects() { return *m_effects; }

 private:
  const FrameLayout& layout() const { return frameLayout(IsWide()); }
  std::uint32_t number(const BcdField& field) const;
  void rebuildSold();
  void unpackDrawn();

  FrameEffects* m_effects;
  FrameBytes m_readCopy{};
  FrameBytes m_accepted{};
  FrameBytes m_previous{};
  std::array<bool, kFrameBlockCount + 1> m_blockValid{};
  DrawnBalls m_drawn{};
  SoldTickets m_sold{};
  std::uint16_t m_soldCount = 0;
  std::uint8_t m_lopMax = 0;
  bool m_bingoPhase = false;
  bool m_hintSwitch = false;
  GameKinds m_kinds;
};

// Checksum of block `block` (1..8) of `record` with the used lengths of one
// layout: the sum of the first L - 1 bytes, modulo 256 and ANDed with 0x7F,
// equals byte L - 1.
bool frameBlockChecksumOk(const FrameBytes& record, int block, bool wide);

}  // namespace bingo
