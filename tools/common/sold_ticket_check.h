#pragma once
// The server's own win check: for every sold ticket, how many numbers of each
// row and of the whole card are still missing, kept up to date ball by ball.
// It fills the rank list and the waiting tickets of the frame and decides
// when the line and the bingo are won.

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "common/card.h"
#include "common/frame_encoder.h"

namespace bingo::tools {

class SoldTicketCheck {
 public:
  struct Ranked {
    std::uint32_t ticket = 0;
    std::uint8_t ballsNeeded = 0;
  };

  // cards[t-1] is the card of ticket t.
  explicit SoldTicketCheck(std::span<const Card> cards);

  // A new round: these tickets are sold (rows with first < last, ends inclusive), no ball drawn.
  void startRound(std::span<const FrameState::SoldRange> sold);
  void ballDrawn(int ball);

  // Sold tickets with a complete row / a complete card, in ticket order.
  std::vector<std::uint32_t> lineWinners() const;
  std::vector<std::uint32_t> bingoWinners() const;
  std::size_t soldTickets() const { return m_soldList.size(); }

  // The `count` sold tickets nearest a line (fewest missing in their best row,
  // then fewest missing in all, then the lower ticket number), with the balls
  // they need for the line.
  std::vector<Ranked> nearestLine(std::size_t count) const;
  // The `count` sold tickets nearest a bingo, leaving out `skip`.
  std::vector<Ranked> nearestBingo(std::size_t count, std::span<const Ranked> skip = {}) const;

 private:
  struct Missing {
    std::array<std::uint8_t, kRows> row{};
    std::uint8_t total = 0;
    std::uint8_t bestRow() const { return std::min({row[0], row[1], row[2]}); }
  };

  std::span<const Card> m_cards;
  // For every ball, the (ticket, row) places it stands on: ticket * 4 + row.
  std::array<std::vector<std::uint32_t>, kBalls + 1> m_places;
  std::vector<bool> m_sold;  // by ticket number, 0 unused
  std::vector<std::uint32_t> m_soldList;
  std::vector<Missing> m_missing;  // by ticket number
};

}  // namespace bingo::tools
