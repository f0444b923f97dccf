#include "common/card_generator.h"

#include <algorithm>
#include <numeric>

namespace bingo::tools {
namespace {

using ColumnCounts = std::array<std::array<int, kColumns>, kCardsPerStrip>;

// How many numbers of each column the strip holds: 1..9, 10..19, ..., 80..90.
constexpr std::array<int, kColumns> kColumnSizes{9, 10, 10, 10, 10, 10, 10, 10, 11};
static_assert(std::accumulate(kColumnSizes.begin(), kColumnSizes.end(), 0) == kBalls);

constexpr int kNumbersPerCard = kRows * kNumbersPerRow;
constexpr int kColumnCap = kRows;

// Every card starts with one number in every column; the 36 numbers left over
// are dealt one by one to cards that still need numbers and have room in that
// column. A deal that runs into a dead end starts again with fresh draws.
ColumnCounts dealColumnCounts(SimRandom& random) {
  for (;;) {
    ColumnCounts counts{};
    std::array<int, kCardsPerStrip> need{};
    for (auto& card : counts) card.fill(1);
    need.fill(kNumbersPerCard - kColumns);
    bool stuck = false;
    for (int column = 0; column < kColumns && !stuck; ++column) {
      for (int extra = kColumnSizes[column] - kCardsPerStrip; extra > 0; --extra) {
        std::array<int, kCardsPerStrip> candidates{};
        std::size_t n = 0;
        for (int card = 0; card < kCardsPerStrip; ++card)
          if (need[card] > 0 && counts[card][column] < kColumnCap) candidates[n++] = card;
        if (n == 0) {
          stuck = true;
          break;
        }
        const int card = candidates[random.below(n)];
        ++counts[card][column];
        --need[card];
      }
    }
    if (!stuck) return counts;
  }
}

// Chooses the rows each column of one card occupies so that every row gets
// five numbers: the fullest columns first, each into the rows with the most
// room left (ties broken at random). This greedy order always fits counts of
// 1..3 that add up to 15 into three rows of five.
std::array<std::array<bool, kColumns>, kRows> placeRows(const std::array<int, kColumns>& counts,
                                                        SimRandom& random) {
  std::array<int, kColumns> order;
  std::iota(order.begin(), order.end(), 0);
  random.shuffle(std::span(order));
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return counts[a] > counts[b]; });

  std::array<std::array<bool, kColumns>, kRows> used{};
  std::array<int, kRows> room{kNumbersPerRow, kNumbersPerRow, kNumbersPerRow};
  for (int column : order) {
    std::array<int, kRows> rows{0, 1, 2};
    random.shuffle(std::span(rows));
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return room[a] > room[b]; });
    for (int i = 0; i < counts[column]; ++i) {
      used[rows[i]][column] = true;
      --room[rows[i]];
    }
  }
  return used;
}

}  // namespace

std::array<Card, kCardsPerStrip> generateStrip(SimRandom& random) {
  const ColumnCounts counts = dealColumnCounts(random);

  // Deal each column's numbers to the cards, in the amounts just decided.
  std::array<std::array<std::vector<int>, kColumns>, kCardsPerStrip> numbers;
  int first = 1;
  for (int column = 0; column < kColumns; ++column) {
    std::vector<int> pool(static_cast<std::size_t>(kColumnSizes[column]));
    std::iota(pool.begin(), pool.end(), first);
    first += kColumnSizes[column];
    random.shuffle(std::span(pool));
    std::size_t next = 0;
    for (int card = 0; card < kCardsPerStrip; ++card) {
      auto& mine = numbers[card][column];
      mine.assign(pool.begin() + static_cast<std::ptrdiff_t>(next),
                  pool.begin() + static_cast<std::ptrdiff_t>(next + counts[card][column]));
      next += static_cast<std::size_t>(counts[card][column]);
      std::sort(mine.begin(), mine.end());
    }
  }

  std::array<Card, kCardsPerStrip> strip{};
  for (int card = 0; card < kCardsPerStrip; ++card) {
    const auto used = placeRows(counts[card], random);
    std::array<std::size_t, kColumns> taken{};
    for (int row = 0; row < kRows; ++row) {
      int pos = 0;
      // Columns left to right give the row's numbers in ascending order; the
      // rows take a column's numbers top down, so the column ascends too.
      for (int column = 0; column < kColumns; ++column) {
        if (!used[row][column]) continue;
        strip[card][static_cast<std::size_t>(row * kNumbersPerRow + pos++)] =
            static_cast<std::uint8_t>(numbers[card][column][taken[column]++]);
      }
    }
  }
  return strip;
}

std::vector<Card> generateCards(std::size_t count, std::uint64_t seed) {
  SimRandom random(seed);
  std::vector<Card> cards;
  cards.reserve(count + kCardsPerStrip);
  while (cards.size() < count) {
    const auto strip = generateStrip(random);
    cards.insert(cards.end(), strip.begin(), strip.end());
  }
  cards.resize(count);
  return cards;
}

}  // namespace bingo::tools
