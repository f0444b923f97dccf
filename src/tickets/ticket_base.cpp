#include "tickets/ticket_base.h"

#include <algorithm>

#include "platform/folders.h"

namespace bingo {

std::string TicketBase::cardFileNameOf(std::uint8_t type) {
  return std::string(kFolderConfig) + "\\A" + std::to_string(kCardCounts.at(type)) + ".3x5";
}

void TicketBase::TicketBase_Init() {
  m_cards.assign(kTicketTableSize * kCardBytes, 0);
  ++m_version;
  for (std::uint8_t t = 0; t < kGameTypes; ++t) m_fileNames[t] = cardFileNameOf(t);
  m_type = 0;
  TicketBase_Load(0);
}

void TicketBase::TicketBase_Free() {
  std::vector<std::uint8_t>().swap(m_cards);
  ++m_version;
  m_type = 0;
}

std::uint8_t TicketBase::TicketBase_SelectType(std::uint8_t t) {
  if (t < kGameTypes && t != m_type) {
    m_type = t;
    TicketBase_Load(t);
  }
  return m_type;
}

void TicketBase::TicketBase_Load(std::uint8_t type) {
  if (type >= kGameTypes || m_cards.empty()) return;
  std::unique_ptr<ReadFile> file;
  if (!m_fs.openRead(cardFileNameOf(type), file).ok()) return;
  ++m_version;
  // Read in large pieces; only whole cards are stored, so a torn last card
  // keeps what it held before. A read error ends the load with the cards so far.
  const std::size_t wanted = std::size_t{kCardCounts[type]} * kCardBytes;
  std::vector<std::uint8_t> buffer(64 * 1024 - (64 * 1024) % kCardBytes);
  std::size_t stored = 0;   // bytes of whole cards stored
  std::size_t pending = 0;  // bytes in buffer not yet stored
  while (stored + pending < wanted) {
    const std::size_t room = std::min(buffer.size() - pending, wanted - stored - pending);
    std::size_t got = 0;
    if (!file->read(std::span(buffer).subspan(pending, room), got).ok() || got == 0) break;
    pending += got;
    const std::size_t whole = pending - pending % kCardBytes;
    std::copy_n(buffer.begin(), whole, m_cards.begin() + static_cast<std::ptrdiff_t>(kCardBytes + stored));
    std::copy(buffer.begin() + static_cast<std::ptrdiff_t>(whole),
              buffer.begin() + static_cast<std::ptrdiff_t>(pending), buffer.begin());
    stored += whole;
    pending -= whole;
  }
  // The file closes as it goes out of scope: a failing close changes nothing read.
}

std::span<const std::uint8_t> TicketBase::card(std::uint16_t ticket) const {
  const std::size_t at = std::size_t{ticket} * kCardBytes;
  if (at + kCardBytes > m_cards.size()) return {};
  return std::span(m_cards).subspan(at, kCardBytes);
}

std::uint8_t TicketBase::TicketBase_Card(std::uint16_t ticket, unsigned row, unsigned pos) const {
  if (row < 1 || row > kCardRows || pos < 1 || pos > kRowNumbers) return 0;
  const auto c = card(ticket);
  return c.empty() ? 0 : c[(row - 1) * kRowNumbers + (pos - 1)];
}

}  // namespace bingo
