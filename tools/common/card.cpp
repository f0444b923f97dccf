#include "common/card.h"

#include <algorithm>

namespace bingo::tools {

std::vector<std::uint8_t> cardFileBytes(std::span<const Card> cards) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(cards.size() * kCardBytes);
  for (const Card& card : cards) bytes.insert(bytes.end(), card.begin(), card.end());
  return bytes;
}

std::vector<Card> cardsFromBytes(std::span<const std::uint8_t> bytes) {
  std::vector<Card> cards(bytes.size() / kCardBytes);
  for (std::size_t i = 0; i < cards.size(); ++i)
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(i * kCardBytes), kCardBytes, cards[i].begin());
  return cards;
}

}  // namespace bingo::tools
