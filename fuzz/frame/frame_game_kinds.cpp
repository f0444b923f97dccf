// Any text as a game-kind file: every entry keeps names of at most 3 and 6
// characters from the file (built-in long names have up to 10), and a file
// that cannot be read leaves exactly the built-in table.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "frame/game_kinds.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  bingo::GameKinds kinds;
  const bool read = kinds.loadText(std::string_view(reinterpret_cast<const char*>(data), size));
  const bingo::GameKinds builtIn;
  for (int i = -1; i <= bingo::kGameKindCount; ++i) {
    const bingo::GameKind& kind = kinds.entry(i);
    if (kind.shortName.size() > 3 || kind.longName.size() > 10) __builtin_trap();
    const bingo::GameKind& original = builtIn.entry(i);
    if (!read && (kind.shortName != original.shortName || kind.longName != original.longName ||
                  kind.fundCode != original.fundCode))
      __builtin_trap();
  }
  for (int n = -1; n <= 6; ++n) (void)kinds.FundName(n);
  return 0;
}
