#include <algorithm>

#include "frame/frame.h"
#include "platform/bytes.h"

namespace bingo {
namespace {

constexpr bool inRange(int n, int count) { return n >= 0 && n < count; }

}  // namespace

std::uint32_t Frame::number(const BcdField& field) const {
  return bcdNumber(std::span<const std::uint8_t>(m_accepted).subspan(field.offset, field.bytes));
}

std::uint8_t Frame::LOP() {
  const auto lop = static_cast<std::uint8_t>(number(layout().LOP));
  m_lopMax = std::max(m_lopMax, lop);
  return lop;
}

std::uint8_t Frame::MxL() const { return static_cast<std::uint8_t>(number(layout().MxL)); }
std::uint8_t Frame::KUG() const { return static_cast<std::uint8_t>(number(layout().KUG)); }

std::uint8_t Frame::KugLast(int n) const {
  if (n < 1 || n > kKugLastCount) return 0;
  return static_cast<std::uint8_t>(bcdByte(m_accepted[layout().kugLastBase - static_cast<std::size_t>(n)]));
}

std::uint32_t Frame::BON() const { return number(layout().BON); }
std::uint32_t Frame::BIN() const { return number(layout().BIN); }
std::uint32_t Frame::LN2() const { return number(layout().LN2); }
std::uint32_t Frame::LIN() const { return number(layout().LIN); }

double Frame::CEN() const {
  // The price field's first byte is not part of the price.
  const BcdField field = layout().CEN;
  return static_cast<double>(number({field.offset + 1, field.bytes - 1}));
}

double Frame::CENScaled() {
  VT();
  double price = CEN();
  switch (m_accepted[kOffsetPriceDecimals]) {
    case 1:
      price /= 10;
      break;
    case 2:
      price /= 100;
      break;
    default:
      break;
  }
  if (m_accepted[kOffsetPerTicket] == 1) price /= 6;
  return price;
}

std::uint32_t Frame::PRO() const {
  const std::uint32_t binary = ByteReader(m_accepted).u16be(kOffsetSoldCountBinary);
  return std::max(number(layout().PRO), binary);
}

std::uint8_t Frame::FundMxL(int n) const {
  return inRange(n, kFundRows) ? static_cast<std::uint8_t>(number(layout().FundMxL.row(n))) : 0;
}
std::uint32_t Frame::FND(int n) const { return inRange(n, kFundRows) ? number(layout().FND.row(n)) : 0; }

std::uint8_t Frame::ProSer(int n) const {
  return inRange(n, kSoldRows) ? static_cast<std::uint8_t>(number(layout().ProSer.row(n)) % 100) : 0;
}

std::uint16_t Frame::ProPoc(int n) const {
  if (!inRange(n, kSoldRows)) return 0;
  return static_cast<std::uint16_t>(std::min<std::uint32_t>(number(layout().ProPoc.row(n)), kTicketSentinel));
}

std::uint16_t Frame::ProEnd(int n) const {
  if (!inRange(n, kSoldRows)) return 0;
  return static_cast<std::uint16_t>(std::min<std::uint32_t>(number(layout().ProEnd.row(n)), kTicketSentinel));
}

std::uint32_t Frame::RLTk(int n) const { return inRange(n, kRankRows) ? number(layout().RLTk.row(n)) : 0; }
std::uint8_t Frame::RLTkLop(int n) const {
  return inRange(n, kRankRows) ? static_cast<std::uint8_t>(number(layout().RLTkLop.row(n))) : 0;
}
std::uint32_t Frame::RLTkWait(int n) const {
  return inRange(n, kWaitRows) ? number(layout().RLTkWait.row(n)) : 0;
}
std::uint8_t Frame::RLTkWaitLop(int n) const {
  return inRange(n, kWaitRows) ? static_cast<std::uint8_t>(number(layout().RLTkWaitLop.row(n))) : 0;
}

std::uint8_t Frame::VT() {
  std::uint8_t type = m_accepted[kOffsetVT];
  if (type >= kTicketBaseSizes.size()) type = 0;
  return m_effects->TicketBase_SelectType(type);
}

std::uint16_t Frame::TicketBaseSize() {
  const std::uint8_t type = VT();
  return type < kTicketBaseSizes.size() ? kTicketBaseSizes[type] : kTicketBaseSizes[0];
}

std::uint8_t Frame::VI() const {
  const std::uint8_t kind = m_accepted[kOffsetVI];
  return kind < kGameKindCount ? kind : 0;
}

std::string Frame::HallText() const {
  return std::string(reinterpret_cast<const char*>(m_accepted.data() + kOffsetHallText), kHallTextLength);
}

bool Frame::BlockValid(int block) const {
  return block >= 1 && block <= kFrameBlockCount && m_blockValid[static_cast<std::size_t>(block)];
}

}  // namespace bingo
