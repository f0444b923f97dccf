#include "common/card_check.h"

#include <array>
#include <bitset>

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
  std::bitset<kBalls + 1> inStrip;
  for (std::size_t i = 0; i < cards.size(); ++i) {
    if (i % kCardsPerStrip == 0) inStrip.reset();
    auto fault = cardFault(cards[i]);
    if (!fault) {
      for (std::uint8_t v : cards[i]) {
        if (inStrip[v]) {
          fault = formatText("%d is already on another card of strip %zu", v, i / kCardsPerStrip + 1);
          break;
        }
        inStrip.set(v);
      }
    }
    if (fault) {
      result.badCard = i + 1;
      result.fault = *fault;
      return result;
    }
  }
  result.ok = true;
  return result;
}

}  // namespace bingo::tools
