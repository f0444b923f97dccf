#pragma once
// What accepting a frame does to the rest of the console. The frame module
// only accepts and decodes; the ticket tables, the number board and the
// six-ticket panel hear about a new frame through this interface, which the
// console implements and wires up.

#include <array>
#include <cstdint>
#include <span>

namespace bingo {

// Ball n drawn, n = 1..90; entry 0 is never set.
using DrawnBalls = std::array<bool, 91>;

// One sold range of block 4, first below last, both at most 24193.
struct SoldRange {
  std::uint16_t first = 0;
  std::uint16_t last = 0;
  bool operator==(const SoldRange&) const = default;
};

class FrameEffects {
 public:
  virtual ~FrameEffects() = default;

  // Every read of VT hands the announced type (already capped to 0..3) to the
  // ticket base, which loads the card file of another type and returns the
  // type it holds.
  virtual std::uint8_t TicketBase_SelectType(std::uint8_t type) = 0;

  // A block 4 was accepted and Sold rebuilt: the ranges with first below last,
  // in row order (sold range number 1, 2, ...). The ticket tables rebuild
  // their sold flags and recount the bought tickets. Called with an empty
  // span when no row holds a range.
  virtual void soldRangesAccepted(std::span<const SoldRange> ranges) = 0;

  // A block 2 was accepted: every board cell takes its drawn mark from
  // `drawn`, the last-ball mark goes to `lastBall` alone (0: no cell, the
  // frame's KUG outside 1..90 gives 0), then the board is repainted.
  virtual void drawnBlockAccepted(const DrawnBalls& drawn, std::uint8_t lastBall) = 0;

  // After drawnBlockAccepted, when the drawn-ball bytes differ from the
  // previous record: the ticket analysis runs again and the six-ticket panel
  // is refilled and repainted.
  virtual void drawnBallsChanged() = 0;
};

// No ticket base, board or panel: the announced type is taken as loaded.
class NullFrameEffects final : public FrameEffects {
 public:
  std::uint8_t TicketBase_SelectType(std::uint8_t type) override { return type; }
  void soldRangesAccepted(std::span<const SoldRange>) override {}
  void drawnBlockAccepted(const DrawnBalls&, std::uint8_t) override {}
  void drawnBallsChanged() override {}
};

}  // namespace bingo
