#pragma once
// The tools' own random numbers. The generator and the ways of drawing from it
// are written out here rather than taken from <random>, whose distributions
// differ between standard libraries: a seed must give the same card file and
// the same games on every machine.

#include <cstdint>
#include <span>
#include <utility>

namespace bingo::tools {

class SimRandom {
 public:
  explicit SimRandom(std::uint64_t seed) : m_state(seed) {}

  // splitmix64: every seed, 0 included, gives a full-period stream.
  std::uint64_t next() {
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  // Uniform in 0..n-1 (n > 0), without the bias of a plain modulo.
  std::uint64_t below(std::uint64_t n) {
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % n;
    std::uint64_t r;
    do r = next();
    while (r >= limit);
    return r % n;
  }

  // Uniform in lo..hi inclusive (lo <= hi).
  std::int64_t between(std::int64_t lo, std::int64_t hi) {
    return lo + static_cast<std::int64_t>(below(static_cast<std::uint64_t>(hi - lo) + 1));
  }

  template <typename T, std::size_t N>
  void shuffle(std::span<T, N> items) {
    for (std::size_t i = items.size(); i > 1; --i) std::swap(items[i - 1], items[below(i)]);
  }

 private:
  std::uint64_t m_state;
};

}  // namespace bingo::tools
