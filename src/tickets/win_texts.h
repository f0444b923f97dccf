#pragma once
// The two texts that announce the check to the operator: the win text, which
// names the bought tickets with a line or a bingo, and the best-ticket text,
// which says what the leading bought ticket waits for.

#include <array>
#include <cstdint>
#include <string>

#include "tickets/caption_source.h"
#include "tickets/ticket_analysis.h"

namespace bingo {

// Balls 1..90 that the leading tickets wait for (index 0 unused); the
// number board shows them as awaited.
using AwaitedMarks = std::array<bool, 91>;

// Empty when no bought ticket has a line or a bingo. A bingo replaces the line
// text of the same call; at most 30 tickets are named.
std::string WinText_Build(const TicketAnalysis& analysis, const CaptionSource& captions, bool BingoPhase,
                          int LOP);

// Renews `Waited` and returns the text; both stay empty while nothing is
// bought or no bought and sold ticket has been analysed yet.
std::string BestTicketText_Build(const TicketAnalysis& analysis, const CaptionSource& captions,
                                 bool BingoPhase, std::uint16_t BoughtCount, AwaitedMarks& Waited);

}  // namespace bingo
