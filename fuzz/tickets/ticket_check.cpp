// Any card file, drawn balls and bought range: the win check must stay inside
// its tables and agree with the literal check, record for record.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "support/fake_file_system.h"
#include "tickets/tickets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace bingo;
  // 12 bytes of drawn balls (one bit per ball), a flags byte, two bytes of
  // the last bought ticket, then the card file of type 0.
  constexpr std::size_t kHeader = 15;
  if (size < kHeader) return 0;
  FrameFacts facts;
  for (std::size_t ball = 1; ball <= 90; ++ball)
    facts.Drawn[ball] = (data[(ball - 1) / 8] >> ((ball - 1) % 8)) & 1;
  facts.BingoPhase = data[12] & 1;
  facts.HintSwitch = data[12] & 2;
  facts.LOP = data[12] >> 2;
  const unsigned last = 1 + (data[13] | (data[14] << 8)) % kTicketMax;

  test::FakeFileSystem fs;
  fs.addFile(TicketBase::cardFileNameOf(0), std::vector<std::uint8_t>(data + kHeader, data + size));
  Tickets tickets(fs);
  tickets.TicketBase_Init();
  const TicketRange sold[] = {{1, kTicketSentinel}};
  tickets.bought().SoldSet_Rebuild(sold);
  tickets.EditKupEndExit("1", std::to_string(last), false, facts);

  TicketAnalysis literal;
  literal.runLiteral(tickets.base(), tickets.bought(), facts);
  for (std::size_t p = 1; p <= kTicketSentinel; ++p)
    if (!(tickets.analysis().RankTable(p) == literal.RankTable(p))) std::abort();
  for (std::size_t n = 0; n < 6; ++n)
    if (tickets.analysis().bestTickets()[n].cells != literal.bestTickets()[n].cells) std::abort();
  return 0;
}
