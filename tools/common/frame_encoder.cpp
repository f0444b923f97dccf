#include "common/frame_encoder.h"

#include <algorithm>

#include "common/bcd.h"
#include "platform/bytes.h"

namespace bingo::tools {
namespace {

// Where each field lives in one layout (record offsets, field widths in bytes).
struct FrameLayout {
  std::size_t bon, ln2, lin, bin, money;  // prizes, each `money` bytes
  std::size_t cenValue, cenBytes;         // the price's used bytes; the field's first byte stays 0
  std::size_t pro, proBytes, kug;
  std::size_t fundStride, fundAmountBytes;
  std::size_t soldStride, ticketBytes, soldLast;  // soldLast: offset of ProEnd within a row
  std::size_t rankStride, waitFirst, kugLastBase;
};

// Narrow: BON, LN2, LIN, BIN. Wide: BON, BIN, LN2, LIN.
constexpr FrameLayout kNarrow{3, 6, 9, 12, 3, 16, 2, 18, 2, 20, 4, 3, 5, 2, 3, 3, 211, 223};
constexpr FrameLayout kWide{4, 12, 16, 8, 4, 21, 3, 24, 3, 27, 5, 4, 7, 3, 4, 4, 217, 232};

constexpr std::size_t kBitmap = 49;
constexpr std::size_t kFundFirst = 97;
constexpr std::size_t kSoldFirst = 145;
constexpr std::size_t kRankFirst = 193;
constexpr std::size_t kKolo = 337, kVi = 339, kFlags = 340, kVt = 341, kProtokol = 343;
constexpr std::size_t kPriceDecimals = 344, kPerTicket = 345, kNovaSmena = 347;
constexpr std::size_t kSoldCount = 350, kHallText = 368, kHallTextLength = 8;
constexpr std::uint8_t kFlagHintsOff = 1 << 4, kFlagBingoPhase = 1 << 6;

// Every field must end at or before its block's checksum byte (block start + L - 1).
static_assert(kNarrow.kug + 1 <= 0 + 25 && kWide.kug + 1 <= 0 + 32);
static_assert(kFundFirst + 5 * kNarrow.fundStride + 1 + kNarrow.fundAmountBytes <= 96 + 25);
static_assert(kFundFirst + 5 * kWide.fundStride + 1 + kWide.fundAmountBytes <= 96 + 31);
static_assert(kSoldFirst + 5 * kNarrow.soldStride + kNarrow.soldLast + kNarrow.ticketBytes <= 144 + 31);
static_assert(kSoldFirst + 5 * kWide.soldStride + kWide.soldLast + kWide.ticketBytes <= 144 + 43);
static_assert(kNarrow.kugLastBase <= 192 + 32 && kWide.kugLastBase <= 192 + 41);
static_assert(kHallText + kHallTextLength < kFrameSize - 1);

class FieldWriter {
 public:
  explicit FieldWriter(FrameRecord& record) : m_record(record) {}
  void bcd(std::size_t at, std::size_t bytes, std::uint32_t value) {
    bcdEncode(std::span(m_record).subspan(at, bytes), value);
  }
  void u8(std::size_t at, std::uint8_t value) { m_record[at] = value; }

 private:
  FrameRecord& m_record;
};

}  // namespace

FrameRecord encodeFrame(const FrameState& s) {
  const bool wide = isWideProtocol(s.protokol);
  const FrameLayout& l = wide ? kWide : kNarrow;
  FrameRecord record{};
  FieldWriter w(record);

  // Counts and ball numbers are decimal fields too: one BCD byte each.
  w.bcd(1, 1, s.lop);
  w.bcd(2, 1, s.mxl);
  w.bcd(l.bon, l.money, s.bon);
  w.bcd(l.ln2, l.money, s.ln2);
  w.bcd(l.lin, l.money, s.lin);
  w.bcd(l.bin, l.money, s.bin);
  w.bcd(l.cenValue, l.cenBytes, s.price);
  w.bcd(l.pro, l.proBytes, s.pro);
  w.bcd(l.kug, 1, s.kug);

  for (int ball = 1; ball <= 90; ++ball)
    if (s.drawn[static_cast<std::size_t>(ball)])
      record[kBitmap + static_cast<std::size_t>((ball - 1) / 8)] |=
          static_cast<std::uint8_t>(1u << ((ball - 1) % 8));

  for (std::size_t n = 0; n < s.funds.size(); ++n) {
    const std::size_t row = kFundFirst + n * l.fundStride;
    w.bcd(row, 1, s.funds[n].ballLimit);
    w.bcd(row + 1, l.fundAmountBytes, s.funds[n].amount);
  }
  for (std::size_t n = 0; n < s.sold.size(); ++n) {
    const std::size_t row = kSoldFirst + n * l.soldStride;
    w.bcd(row, 1, s.sold[n].series);
    w.bcd(row + 1, l.ticketBytes, s.sold[n].first);
    w.bcd(row + l.soldLast, l.ticketBytes, s.sold[n].last);
  }
  for (std::size_t n = 0; n < s.rank.size(); ++n) {
    const std::size_t row = kRankFirst + n * l.rankStride;
    w.bcd(row, l.ticketBytes, s.rank[n].ticket);
    w.bcd(row + l.ticketBytes, 1, s.rank[n].ballsNeeded);
  }
  for (std::size_t n = 0; n < s.waiting.size(); ++n) {
    const std::size_t row = l.waitFirst + n * l.rankStride;
    w.bcd(row, l.ticketBytes, s.waiting[n].ticket);
    w.bcd(row + l.ticketBytes, 1, s.waiting[n].ballsNeeded);
  }
  for (std::size_t n = 1; n <= s.kugLast.size(); ++n) w.bcd(l.kugLastBase - n, 1, s.kugLast[n - 1]);

  w.u8(kKolo, s.kolo);
  w.u8(kVi, s.vi);
  w.u8(kFlags,
       static_cast<std::uint8_t>((s.hintsOff ? kFlagHintsOff : 0) | (s.bingoPhase ? kFlagBingoPhase : 0)));
  w.u8(kVt, s.vt);
  w.u8(kProtokol, s.protokol);
  w.u8(kPriceDecimals, s.priceDecimals);
  w.u8(kPerTicket, s.perTicket);
  w.u8(kNovaSmena, s.novaSmena);
  ByteWriter(record).u16be(kSoldCount, s.soldCount);
  for (std::size_t i = 0; i < kHallTextLength; ++i)
    record[kHallText + i] = static_cast<std::uint8_t>(i < s.hallText.size() ? s.hallText[i] : ' ');

  sealFrame(record, wide);
  return record;
}

std::uint8_t blockChecksum(std::span<const std::uint8_t, kFrameSize> record, std::size_t block, bool wide) {
  const std::size_t length = (wide ? kBlockLengthWide : kBlockLengthNarrow)[block];
  unsigned sum = 0;
  for (std::size_t i = 0; i + 1 < length; ++i) sum += record[block * kBlockSize + i];
  return static_cast<std::uint8_t>(sum & 0x7F);
}

bool blockChecksumGood(std::span<const std::uint8_t, kFrameSize> record, std::size_t block, bool wide) {
  const std::size_t length = (wide ? kBlockLengthWide : kBlockLengthNarrow)[block];
  return record[block * kBlockSize + length - 1] == blockChecksum(record, block, wide);
}

void sealFrame(std::span<std::uint8_t, kFrameSize> record, bool wide) {
  for (std::size_t block = 0; block < kBlocks; ++block) {
    const std::size_t length = (wide ? kBlockLengthWide : kBlockLengthNarrow)[block];
    record[block * kBlockSize + length - 1] = blockChecksum(record, block, wide);
  }
}

}  // namespace bingo::tools
