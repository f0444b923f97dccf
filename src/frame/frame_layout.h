#pragma once
// Where the server puts each field of the 384-byte frame record. Two layouts
// exist: the narrow one of protocols below 9 and the wide one, whose money
// fields carry one more BCD byte and whose rows in blocks 3, 4 and 5 are one
// byte longer. Offsets are record offsets (block k starts at 48 * (k - 1)).

#include <array>
#include <cstddef>
#include <cstdint>

namespace bingo {

inline constexpr std::size_t kFrameSize = 384;
inline constexpr std::size_t kFrameBlockSize = 48;
inline constexpr int kFrameBlockCount = 8;
static_assert(kFrameSize == kFrameBlockSize * kFrameBlockCount);

using FrameBytes = std::array<std::uint8_t, kFrameSize>;

// Block 8: game settings, the same in both layouts.
inline constexpr std::size_t kOffsetKolo = 337;
inline constexpr std::size_t kOffsetVI = 339;
inline constexpr std::size_t kOffsetFlags = 340;
inline constexpr std::size_t kOffsetVT = 341;
inline constexpr std::size_t kOffsetProtokol = 343;
inline constexpr std::size_t kOffsetPriceDecimals = 344;
inline constexpr std::size_t kOffsetPerTicket = 345;
inline constexpr std::size_t kOffsetNovaSmena = 347;
inline constexpr std::size_t kOffsetSoldCountBinary = 350;  // big-endian u16
inline constexpr std::size_t kOffsetHallText = 368;
inline constexpr std::size_t kHallTextLength = 8;

inline constexpr std::uint8_t kFlagNearWinOff = 1 << 4;
inline constexpr std::uint8_t kFlagBingoPhase = 1 << 6;
// From this protocol byte on the record uses the wide layout.
inline constexpr std::uint8_t kWideProtokol = 9;

// Block 2: the drawn-ball bitmap (ball 8 * i + j + 1 is bit j of byte i) and
// the bytes whose change tells that the drawn balls changed.
inline constexpr std::size_t kOffsetBallBitmap = 49;
inline constexpr std::size_t kBallBitmapBytes = 13;
inline constexpr std::size_t kOffsetDrawnChangeFirst = 49;
inline constexpr std::size_t kOffsetDrawnChangeLast = 72;

inline constexpr int kFundRows = 6;
inline constexpr int kSoldRows = 6;
inline constexpr int kRankRows = 6;
inline constexpr int kWaitRows = 3;
inline constexpr int kKugLastCount = 3;

// A BCD field: where it starts and how many bytes it has.
struct BcdField {
  std::size_t offset;
  std::size_t bytes;
};

// A field repeated in rows: the first row's field and the distance between rows.
struct RowField {
  BcdField first;
  std::size_t stride;
  constexpr BcdField row(int n) const {
    return {first.offset + stride * static_cast<std::size_t>(n), first.bytes};
  }
};

struct FrameLayout {
  // Used length of each block 1..8 (index 0 unused): the checksum is the byte
  // at length - 1; bytes past it are neither covered nor read.
  std::array<std::size_t, kFrameBlockCount + 1> blockLength;
  BcdField LOP, MxL, BON, LN2, LIN, BIN, CEN, PRO, KUG;
  RowField FundMxL, FND;
  RowField ProSer, ProPoc, ProEnd;
  RowField RLTk, RLTkLop, RLTkWait, RLTkWaitLop;
  std::size_t kugLastBase;  // KugLast(n) is the byte at kugLastBase - n
};

inline constexpr FrameLayout kNarrowLayout{
    .blockLength = {0, 26, 26, 26, 32, 33, 7, 10, 48},
    .LOP = {1, 1},
    .MxL = {2, 1},
    .BON = {3, 3},
    .LN2 = {6, 3},
    .LIN = {9, 3},
    .BIN = {12, 3},
    .CEN = {15, 3},
    .PRO = {18, 2},
    .KUG = {20, 1},
    .FundMxL = {{97, 1}, 4},
    .FND = {{98, 3}, 4},
    .ProSer = {{145, 1}, 5},
    .ProPoc = {{146, 2}, 5},
    .ProEnd = {{148, 2}, 5},
    .RLTk = {{193, 2}, 3},
    .RLTkLop = {{195, 1}, 3},
    .RLTkWait = {{211, 2}, 3},
    .RLTkWaitLop = {{213, 1}, 3},
    .kugLastBase = 223,
};

inline constexpr FrameLayout kWideLayout{
    .blockLength = {0, 33, 26, 32, 44, 42, 7, 10, 48},
    .LOP = {1, 1},
    .MxL = {2, 1},
    .BON = {4, 4},
    .LN2 = {12, 4},
    .LIN = {16, 4},
    .BIN = {8, 4},
    .CEN = {20, 4},
    .PRO = {24, 3},
    .KUG = {27, 1},
    .FundMxL = {{97, 1}, 5},
    .FND = {{98, 4}, 5},
    .ProSer = {{145, 1}, 7},
    .ProPoc = {{146, 3}, 7},
    .ProEnd = {{149, 3}, 7},
    .RLTk = {{193, 3}, 4},
    .RLTkLop = {{196, 1}, 4},
    .RLTkWait = {{217, 3}, 4},
    .RLTkWaitLop = {{220, 1}, 4},
    .kugLastBase = 232,
};

constexpr const FrameLayout& frameLayout(bool wide) { return wide ? kWideLayout : kNarrowLayout; }

// Every field of a layout must end before its block's checksum byte.
constexpr bool fieldInBlock(const BcdField& f, std::size_t block, const FrameLayout& layout) {
  const std::size_t start = kFrameBlockSize * (block - 1);
  return f.offset > start && f.offset + f.bytes <= start + layout.blockLength[block] - 1;
}
constexpr bool layoutFits(const FrameLayout& l) {
  return fieldInBlock(l.LOP, 1, l) && fieldInBlock(l.MxL, 1, l) && fieldInBlock(l.BON, 1, l) &&
         fieldInBlock(l.LN2, 1, l) && fieldInBlock(l.LIN, 1, l) && fieldInBlock(l.BIN, 1, l) &&
         fieldInBlock(l.CEN, 1, l) && fieldInBlock(l.PRO, 1, l) && fieldInBlock(l.KUG, 1, l) &&
         fieldInBlock(l.FundMxL.row(kFundRows - 1), 3, l) && fieldInBlock(l.FND.row(kFundRows - 1), 3, l) &&
         fieldInBlock(l.ProSer.row(kSoldRows - 1), 4, l) && fieldInBlock(l.ProEnd.row(kSoldRows - 1), 4, l) &&
         fieldInBlock(l.RLTkLop.row(kRankRows - 1), 5, l) &&
         l.RLTk.row(kRankRows - 1).offset < l.RLTkWait.first.offset &&
         fieldInBlock(l.RLTkWaitLop.row(kWaitRows - 1), 5, l) &&
         fieldInBlock({l.kugLastBase - kKugLastCount, kKugLastCount}, 5, l) &&
         l.RLTkWaitLop.row(kWaitRows - 1).offset < l.kugLastBase - kKugLastCount;
}
static_assert(layoutFits(kNarrowLayout));
static_assert(layoutFits(kWideLayout));

}  // namespace bingo
