#include "tickets/win_texts.h"

namespace bingo {

namespace {

constexpr unsigned kCaptionLinija = 7;
constexpr unsigned kCaptionCeka = 30;
constexpr unsigned kCaptionDobiliLiniju = 49;
constexpr unsigned kCaptionDobiliBingo = 50;
constexpr unsigned kCaptionTiket = 92;
constexpr unsigned kCaptionLopta = 95;

// How far the awaited marks follow the ranking.
constexpr std::size_t kAwaitedPositions = 100;

// Caption + " " + TIKET + ": " + the first ticket, then ",  " + every further
// winner among positions 2..30.
std::string winners(const TicketAnalysis& analysis, const CaptionSource& captions, unsigned caption,
                    std::uint8_t TicketRank::*miss) {
  std::string text = captions.JezikText(caption) + " " + captions.JezikText(kCaptionTiket) + ": " +
                     std::to_string(analysis.RankTable(1).ticket);
  for (std::size_t i = 2; i <= kRankedPositions; ++i)
    if (analysis.RankTable(i).*miss == 0) text += ",  " + std::to_string(analysis.RankTable(i).ticket);
  return text;
}

void markAwaited(AwaitedMarks& Waited, std::uint8_t ball) {
  // A card byte that is no ball has no cell on the board.
  if (ball >= 1 && ball <= 90) Waited[ball] = true;
}

// Marks the awaited ball of position 1 and of every following position, up
// to 100, while its ticket misses exactly one ball.
void markLeaders(const TicketAnalysis& analysis, AwaitedMarks& Waited, std::uint8_t TicketRank::*miss) {
  markAwaited(Waited, analysis.RankTable(1).Awaited);
  for (std::size_t p = 2; p <= kAwaitedPositions && analysis.RankTable(p).*miss == 1; ++p)
    markAwaited(Waited, analysis.RankTable(p).Awaited);
}

}  // namespace

std::string WinText_Build(const TicketAnalysis& analysis, const CaptionSource& captions, bool BingoPhase,
                          int LOP) {
  const TicketRank& first = analysis.RankTable(1);
  std::string text;
  if (!BingoPhase && first.RowMiss == 0 && LOP >= 5)
    text = winners(analysis, captions, kCaptionDobiliLiniju, &TicketRank::RowMiss);
  if (first.TotalMiss == 0 && LOP >= 15)
    text = winners(analysis, captions, kCaptionDobiliBingo, &TicketRank::TotalMiss);
  return text;
}

std::string BestTicketText_Build(const TicketAnalysis& analysis, const CaptionSource& captions,
                                 bool BingoPhase, std::uint16_t BoughtCount, AwaitedMarks& Waited) {
  Waited.fill(false);
  // Until a bought and sold ticket has been analysed, the first record of the
  // ranking is no bought ticket at all: say nothing rather than name it.
  if (BoughtCount == 0 || analysis.analysedCount() == 0) return {};
  const TicketRank& first = analysis.RankTable(1);
  const std::string lopta = captions.JezikText(kCaptionLopta);
  std::string text = std::to_string(first.ticket) + " " + captions.JezikText(kCaptionCeka) + " ";
  if (!BingoPhase) {
    const std::string linija = captions.JezikText(kCaptionLinija);
    if (first.RowMiss == 1) {
      text += " " + lopta + " " + std::to_string(first.Awaited) + " " + linija + " ";
      markLeaders(analysis, Waited, &TicketRank::RowMiss);
    } else {
      text += " " + std::to_string(first.RowMiss) + " " + lopta + " " + linija + " ";
    }
  } else if (first.TotalMiss == 1) {
    text += " " + lopta + " " + std::to_string(first.Awaited) + " BINGO ";
    markLeaders(analysis, Waited, &TicketRank::TotalMiss);
  } else {
    text += std::to_string(first.TotalMiss) + " " + lopta + " BINGO";
  }
  return text;
}

}  // namespace bingo
