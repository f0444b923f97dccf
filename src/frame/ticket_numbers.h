#pragma once
// Ticket numbers run 1..24192; per-ticket tables hold entries 0..24193, 0 and
// 24193 being sentinels that never hold a ticket. 24193 is also where the
// frame's decoded range ends are capped.

#include <cstddef>
#include <cstdint>

namespace bingo {

inline constexpr std::uint16_t kTicketMax = 24192;
inline constexpr std::uint16_t kTicketSentinel = 24193;
inline constexpr std::size_t kTicketTableSize = 24194;

}  // namespace bingo
