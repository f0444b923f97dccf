#include "common/card_check.h"

#include <array>
#include <bitset>
#include <span>

#include "platform/text.h"

namespace bingo::tools {

std::optional<std::string> cardFault(const Card& card) {
  std::array<int, kColumns> perColumn{};
  std::array<int, kColumns> lastInColumn{};
  for (int row = 0; row < kRows; ++row) {
    int previous = 0;
    std::bitset<kColumns> rowColumns;
    for (int pos = 0; pos < kNumbersPerRow; ++pos) {
      const int v = card[static_cast<std::size_t>(row * kNumbersPerRow + pos)];
      if (v < 1 || v > kBalls) return formatText("row %d holds %d, outside 1..90", row + 1, v);
      if (v <= previous)
        return formatText("row %d is not in ascending order (%d after %d)", row + 1, v, previous);
      const int column = cardColumn(v);
      if (rowColumns[static_cast<std::size_t>(column)])
        return formatText("row %d has two numbers in column %d (%d after %d)", row + 1, column + 1, v,
                          previous);
      rowColumns.set(static_cast<std::size_t>(column));
      if (v <= lastInColumn[column])
        return formatText("column %d does not ascend down the card (%d under %d)", column + 1, v,
                          lastInColumn[column]);
      lastInColumn[column] = v;
      ++perColumn[column];
      previous = v;
    }
  }
  for (int column = 0; column < kColumns; ++column)
    if (perColumn[column] == 0) return formatText("column %d holds no number", column + 1);
  return std::nullopt;
}

namespace {

// A strip holding a number twice: the wrong card is the one that clashes with
// the others most (a card put in another's place clashes with every card that
// holds one of its numbers; each of those clashes with it alone). Between two
// equal cards the later one is named: it is the copy.
CardFileCheck::Fault stripFault(std::span<const Card> strip, std::size_t firstTicket,
                                std::size_t stripNumber) {
  std::array<int, kBalls + 1> holders{};
  for (const Card& card : strip)
    for (std::uint8_t v : card) ++holders[v];
  std::size_t worst = strip.size();
  int worstClashes = 0, worstNumber = 0;
  for (std::size_t i = 0; i < strip.size(); ++i) {
    int clashes = 0, number = 0;
    for (std::uint8_t v : strip[i])
      if (holders[v] > 1) {
        ++clashes;
        if (number == 0) number = v;
      }
    if (clashes > 0 && clashes >= worstClashes) {
      worst = i;
      worstClashes = clashes;
      worstNumber = number;
    }
  }
  if (worst == strip.size()) return {};
  return {firstTicket + worst,
          formatText("%d is also on another card of strip %zu", worstNumber, stripNumber)};
}

}  // namespace

CardFileCheck checkCardFile(std::span<const std::uint8_t> bytes) {
  CardFileCheck result;
  result.cards = bytes.size() / kCardBytes;
  if (bytes.empty()) {
    result.fault = "the file holds no card";
    return result;
  }
  if (bytes.size() % kCardBytes != 0) {
    result.fault = formatText("%zu bytes are not a whole number of %zu-byte cards", bytes.size(), kCardBytes);
    return result;
  }
  const auto cards = cardsFromBytes(bytes);
  for (std::size_t first = 0; first < cards.size(); first += kCardsPerStrip) {
    const auto strip =
        std::span(cards).subspan(first, std::min<std::size_t>(kCardsPerStrip, cards.size() - first));
    for (std::size_t i = 0; i < strip.size(); ++i) {
      if (auto fault = cardFault(strip[i])) {
        result.badCard = first + i + 1;
        result.fault = *fault;
        return result;
      }
    }
    if (auto fault = stripFault(strip, first + 1, first / kCardsPerStrip + 1); fault.card != 0) {
      result.badCard = fault.card;
      result.fault = fault.text;
      return result;
    }
  }
  result.ok = true;
  return result;
}

}  // namespace bingo::tools
