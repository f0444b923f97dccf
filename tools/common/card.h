#pragma once
// A ticket card: 15 bytes, three rows of five ball numbers, row 1 first and
// the numbers of a row in ascending order. Shown on a grid of 3 x 9 where
// number v stands in column v div 10, except 90, which joins 80..89.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace bingo::tools {

inline constexpr std::size_t kCardBytes = 15;
inline constexpr int kRows = 3;
inline constexpr int kNumbersPerRow = 5;
inline constexpr int kColumns = 9;
inline constexpr int kCardsPerStrip = 6;
inline constexpr int kBalls = 90;

using Card = std::array<std::uint8_t, kCardBytes>;

// 0-based grid column of a ball number 1..90.
constexpr int cardColumn(int number) { return number == 90 ? 8 : number / 10; }

// The ticket bases of the game types 0..3, and the card file of each.
inline constexpr std::array<std::size_t, 4> kTicketBaseSizes{1944, 5952, 2000, 24192};
inline constexpr std::size_t kMaxTicket = 24192;

std::vector<std::uint8_t> cardFileBytes(std::span<const Card> cards);
// Whole cards of a card file; a trailing part of a card is dropped.
std::vector<Card> cardsFromBytes(std::span<const std::uint8_t> bytes);

}  // namespace bingo::tools
