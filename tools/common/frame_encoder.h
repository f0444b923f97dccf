#pragma once
// The game server's side of the frame record: 384 bytes, eight blocks of 48,
// BCD numbers, each block sealed with its checksum. A protocol byte of 9 or
// more selects the wide layout, in which money fields and the rows of blocks
// 3, 4 and 5 grow by one byte.

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace bingo::tools {

inline constexpr std::size_t kFrameSize = 384;
inline constexpr std::size_t kBlockSize = 48;
inline constexpr std::size_t kBlocks = 8;
static_assert(kBlocks * kBlockSize == kFrameSize);

using FrameRecord = std::array<std::uint8_t, kFrameSize>;

inline constexpr std::uint8_t kWideProtocol = 9;

// Used length L of each block: the checksum sits at byte L-1 and covers the L-1 bytes before it.
inline constexpr std::array<std::size_t, kBlocks> kBlockLengthNarrow{26, 26, 26, 32, 33, 7, 10, 48};
inline constexpr std::array<std::size_t, kBlocks> kBlockLengthWide{33, 26, 32, 44, 42, 7, 10, 48};

constexpr bool isWideProtocol(std::uint8_t protokol) { return protokol >= kWideProtocol; }

// Everything the server tells the consoles, in game terms.
struct FrameState {
  struct Fund {
    std::uint8_t ballLimit = 0;  // FundMxL
    std::uint32_t amount = 0;    // FND
  };
  struct SoldRange {
    std::uint8_t series = 0;  // ProSer
    std::uint32_t first = 0;  // ProPoc
    std::uint32_t last = 0;   // ProEnd
  };
  struct RankRow {
    std::uint32_t ticket = 0;
    std::uint8_t ballsNeeded = 0;
  };

  std::uint8_t protokol = 8;
  // Block 1.
  std::uint8_t lop = 0;
  std::uint8_t mxl = 0;  // MxL: the bonus is paid for a bingo within this many balls
  std::uint8_t kug = 0;
  std::uint32_t bon = 0, ln2 = 0, lin = 0, bin = 0;
  std::uint32_t price = 0;  // CEN
  std::uint32_t pro = 0;    // tickets sold as BCD; capped at the field's digits
  // Block 2: drawn[v] for balls 1..90.
  std::array<bool, 91> drawn{};
  // Block 3 and 4.
  std::array<Fund, 6> funds{};
  std::array<SoldRange, 6> sold{};
  // Block 5: kugLast[n-1] is the n-th ball before KUG.
  std::array<RankRow, 6> rank{};
  std::array<RankRow, 3> waiting{};
  std::array<std::uint8_t, 3> kugLast{};
  // Block 8.
  std::uint8_t kolo = 0;
  std::uint8_t vi = 0;
  std::uint8_t vt = 0;
  bool hintsOff = false;    // flags bit 4: near-win marking off
  bool bingoPhase = false;  // flags bit 6: the line is won, only the bingo remains
  std::uint8_t priceDecimals = 0;
  std::uint8_t perTicket = 0;
  std::uint8_t novaSmena = 0;
  std::uint16_t soldCount = 0;  // binary, big-endian at 350
  std::string hallText;         // 8 characters, padded with blanks
};

FrameRecord encodeFrame(const FrameState& state);

// The checksum of block `block` (0..7) as the console computes it.
std::uint8_t blockChecksum(std::span<const std::uint8_t, kFrameSize> record, std::size_t block, bool wide);
bool blockChecksumGood(std::span<const std::uint8_t, kFrameSize> record, std::size_t block, bool wide);
// Writes every block's checksum for the given layout.
void sealFrame(std::span<std::uint8_t, kFrameSize> record, bool wide);

}  // namespace bingo::tools
