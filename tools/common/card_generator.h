#pragma once
// Makes ticket bases: strips of six cards that together hold 1..90 once. Each
// card has five numbers per row and one to three numbers per grid column,
// ascending down the column. The same seed always gives the same cards.

#include <cstdint>
#include <vector>

#include "common/card.h"
#include "common/sim_random.h"

namespace bingo::tools {

std::array<Card, kCardsPerStrip> generateStrip(SimRandom& random);

// `count` cards, strip after strip; the last strip is cut when count is not a
// multiple of six.
std::vector<Card> generateCards(std::size_t count, std::uint64_t seed);

}  // namespace bingo::tools
