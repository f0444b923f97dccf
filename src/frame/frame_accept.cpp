#include <algorithm>

#include "frame/frame.h"

namespace bingo {

bool frameBlockChecksumOk(const FrameBytes& record, int block, bool wide) {
  if (block < 1 || block > kFrameBlockCount) return false;
  const std::size_t start = kFrameBlockSize * static_cast<std::size_t>(block - 1);
  const std::size_t length = frameLayout(wide).blockLength[static_cast<std::size_t>(block)];
  std::uint8_t sum = 0;
  for (std::size_t i = 0; i + 1 < length; ++i) sum = static_cast<std::uint8_t>(sum + record[start + i]);
  // Only the low seven bits of the sum are sent.
  return (sum & 0x7F) == record[start + length - 1];
}

void Frame::clear() {
  m_readCopy.fill(0);
  m_accepted.fill(0);
  m_previous.fill(0);
  m_drawn.fill(false);
  m_sold.fill(false);
  m_soldCount = 0;
  m_lopMax = 0;
}

void Frame::rebuildSold() {
  m_sold.fill(false);
  m_soldCount = 0;
  std::array<SoldRange, kSoldRows> ranges;
  std::size_t taken = 0;
  for (int n = 0; n < kSoldRows; ++n) {
    const std::uint16_t first = ProPoc(n), last = ProEnd(n);
    if (first >= last) continue;  // also the empty row 0..0
    ranges[taken++] = SoldRange{first, last};
    // A ticket covered by two rows is counted twice; the count wraps at 65536.
    // A range from ticket 0 marks the sentinel entry, which the table holds.
    std::fill(m_sold.begin() + first, m_sold.begin() + last + 1, true);
    m_soldCount = static_cast<std::uint16_t>(m_soldCount + (last - first + 1));
  }
  m_effects->soldRangesAccepted(std::span<const SoldRange>(ranges.data(), taken));
}

void Frame::unpackDrawn() {
  m_drawn.fill(false);
  // Bits for balls 91..104 are not balls of the game.
  for (std::size_t ball = 1; ball < m_drawn.size(); ++ball) {
    const std::size_t bit = ball - 1;
    m_drawn[ball] = (m_accepted[kOffsetBallBitmap + bit / 8] >> (bit % 8)) & 1;
  }
}

bool Frame::acceptReadCopy() {
  // The checksums of a read are tested with the layout of the record accepted
  // so far: a new Protokol counts from the next read on. Block 8, which holds
  // it, is tested last and has the same length in both layouts.
  for (int block = 1; block <= kFrameBlockCount; ++block) {
    const bool good = frameBlockChecksumOk(m_readCopy, block, IsWide());
    m_blockValid[static_cast<std::size_t>(block)] = good;
    if (!good) continue;  // the server may be rewriting the file: keep the old block
    const auto from = m_readCopy.begin() + static_cast<std::ptrdiff_t>(kFrameBlockSize * (block - 1));
    std::copy_n(from, kFrameBlockSize, m_accepted.begin() + (from - m_readCopy.begin()));
  }

  if (m_blockValid[8]) {
    const std::uint8_t flags = m_accepted[kOffsetFlags];
    m_bingoPhase = (flags & kFlagBingoPhase) != 0;
    m_hintSwitch = (flags & kFlagNearWinOff) == 0;
  }
  if (m_blockValid[4]) rebuildSold();
  if (!m_blockValid[2]) return true;

  unpackDrawn();
  const std::uint8_t kug = KUG();
  m_effects->drawnBlockAccepted(m_drawn, kug >= 1 && kug <= 90 ? kug : 0);
  const bool changed = !std::equal(m_accepted.begin() + kOffsetDrawnChangeFirst,
                                   m_accepted.begin() + kOffsetDrawnChangeLast + 1,
                                   m_previous.begin() + kOffsetDrawnChangeFirst);
  if (changed) m_effects->drawnBallsChanged();
  return changed;
}

}  // namespace bingo
