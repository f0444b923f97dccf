#include "common/hall_game.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "common/bcd.h"

namespace bingo::tools {
namespace {

constexpr int kRanges = 6;
constexpr std::size_t kRankRows = 6, kWaitingRows = 3;
// Game kinds F1 .. J1 take turns; PZ ("PRAZNO", empty) is never played.
constexpr int kPlayedKinds = 12;
// The fund each game kind plays for (built-in game-kind table), 0 for none.
constexpr std::array<int, 13> kKindFund{0, 0, 0, 0, 0, 0, 6, 5, 4, 3, 2, 1, 0};
// A fund is paid when the bingo comes within this many balls.
constexpr std::array<std::uint8_t, 6> kFundBallLimits{36, 38, 40, 42, 44, 46};

std::uint32_t roundDownToTen(std::uint64_t value) { return static_cast<std::uint32_t>(value / 10 * 10); }

}  // namespace

HallGame::HallGame(HallSettings settings, std::vector<Card> cards, std::uint64_t seed)
    : m_settings(std::move(settings)), m_cards(std::move(cards)), m_random(seed), m_check(m_cards) {
  if (m_cards.size() < 2 * kRanges) throw std::invalid_argument("too few cards to sell six ranges");
  // A narrow record carries ticket numbers in four digits.
  if (!isWideProtocol(m_settings.protokol) && m_cards.size() > bcdMax(2))
    throw std::invalid_argument("ticket numbers above 9999 need the wide layout (protocol 9)");
  for (std::size_t n = 0; n < m_fundBase.size(); ++n) {
    m_fundBase[n] = static_cast<std::uint32_t>(m_random.between(5, 40)) * 1000;
    m_frame.funds[n] = {kFundBallLimits[n], m_fundBase[n]};
  }
  m_frame.protokol = m_settings.protokol;
  m_frame.vt = m_settings.gameType;
  m_frame.price = m_settings.price;
  m_frame.priceDecimals = m_settings.priceDecimals;
  m_frame.perTicket = m_settings.perTicket;
  m_frame.hintsOff = m_settings.hintsOff;
  m_frame.hallText = m_settings.hallText;
  m_frame.kolo = m_settings.firstKolo == 0 ? 1 : m_settings.firstKolo;
}

void HallGame::startRound() {
  if (m_rounds > 0) m_frame.kolo = m_frame.kolo == 255 ? 1 : static_cast<std::uint8_t>(m_frame.kolo + 1);
  // The first round of a run opens a new shift.
  m_frame.novaSmena = m_rounds == 0 ? 1 : 0;
  ++m_rounds;
  m_frame.vi = static_cast<std::uint8_t>((m_frame.kolo - 1) % kPlayedKinds);

  m_frame.lop = 0;
  m_frame.kug = 0;
  m_frame.kugLast = {};
  m_frame.drawn = {};
  m_frame.rank = {};
  m_frame.waiting = {};
  m_frame.bingoPhase = false;
  m_lineWon = false;

  sellTickets();
  setPrizes();
  std::iota(m_order.begin(), m_order.end(), 1);
  m_random.shuffle(std::span(m_order));

  m_result = RoundResult{};
  m_result.kolo = m_frame.kolo;
  m_result.vi = m_frame.vi;
  m_result.soldTickets = m_check.soldTickets();
}

// Six sellers, each with an equal share of the ticket base, each selling one
// run from near the start of its share: between half and nine tenths of it.
void HallGame::sellTickets() {
  const std::uint32_t base = static_cast<std::uint32_t>(m_cards.size());
  const std::uint32_t share = base / kRanges;
  for (int k = 0; k < kRanges; ++k) {
    const std::uint32_t shareFirst = static_cast<std::uint32_t>(k) * share + 1;
    const std::uint32_t shareLast = k == kRanges - 1 ? base : shareFirst + share - 1;
    const auto first = static_cast<std::uint32_t>(m_random.between(shareFirst, shareFirst + share / 20));
    const auto length = static_cast<std::uint32_t>(m_random.between(share / 2, share * 9 / 10));
    const std::uint32_t last = std::min(shareLast, first + std::max<std::uint32_t>(length, 2) - 1);
    m_frame.sold[static_cast<std::size_t>(k)] = {static_cast<std::uint8_t>(k + 1), first, last};
  }
  m_check.startRound(m_frame.sold);
  const auto sold = static_cast<std::uint32_t>(m_check.soldTickets());
  m_frame.pro = sold;
  m_frame.soldCount = static_cast<std::uint16_t>(sold);
}

std::uint32_t HallGame::moneyMax() const { return bcdMax(isWideProtocol(m_settings.protokol) ? 4 : 3); }

// The pot is the takings of the round; the prizes are shares of it, the funds
// grow by a hundredth of it each.
void HallGame::setPrizes() {
  const std::uint64_t pot = std::uint64_t{m_frame.pro} * m_settings.price;
  const auto prize = [&](unsigned percent) {
    return std::min<std::uint32_t>(roundDownToTen(pot * percent / 100), moneyMax());
  };
  m_frame.bin = prize(35);
  m_frame.lin = prize(10);
  m_frame.ln2 = prize(5);
  m_frame.bon = prize(20);
  // The bonus is paid for a bingo within MxL balls.
  m_frame.mxl = static_cast<std::uint8_t>(m_random.between(35, 45));
  for (auto& fund : m_frame.funds) fund.amount = std::min<std::uint32_t>(fund.amount + prize(1), moneyMax());
}

HallGame::Ball HallGame::drawBall() {
  if (roundOver() || m_frame.lop >= kBalls) return Ball::Bingo;
  // The line won with the previous ball has been shown; from now on only the bingo remains.
  if (m_lineWon) m_frame.bingoPhase = true;

  const int ball = m_order[m_frame.lop];
  ++m_frame.lop;
  m_frame.kugLast = {m_frame.kug, m_frame.kugLast[0], m_frame.kugLast[1]};
  m_frame.kug = static_cast<std::uint8_t>(ball);
  m_frame.drawn[static_cast<std::size_t>(ball)] = true;
  m_check.ballDrawn(ball);

  Ball outcome = Ball::Drawn;
  if (!m_lineWon) {
    auto winners = m_check.lineWinners();
    if (!winners.empty()) {
      m_lineWon = true;
      m_result.lineBall = m_frame.lop;
      m_result.lineWinners = std::move(winners);
      outcome = Ball::Line;
    }
  }
  auto bingo = m_check.bingoWinners();
  if (!bingo.empty()) {
    m_result.bingoBall = m_frame.lop;
    m_result.bingoWinners = std::move(bingo);
    const int fund = kKindFund[m_frame.vi];
    if (fund > 0 && m_frame.lop <= m_frame.funds[static_cast<std::size_t>(fund - 1)].ballLimit) {
      m_result.fundWon = fund;
      m_frame.funds[static_cast<std::size_t>(fund - 1)].amount =
          m_fundBase[static_cast<std::size_t>(fund - 1)];
    }
    outcome = Ball::Bingo;
  }
  fillRankList();
  return outcome;
}

// While the line is open the rank list shows the tickets nearest a line; once
// it is won, those nearest a bingo. The waiting tickets are the next nearest
// a bingo that the rank list does not show.
void HallGame::fillRankList() {
  const auto rank = m_frame.bingoPhase ? m_check.nearestBingo(kRankRows) : m_check.nearestLine(kRankRows);
  const auto waiting = m_check.nearestBingo(kWaitingRows, rank);
  m_frame.rank = {};
  m_frame.waiting = {};
  for (std::size_t i = 0; i < rank.size(); ++i) m_frame.rank[i] = {rank[i].ticket, rank[i].ballsNeeded};
  for (std::size_t i = 0; i < waiting.size(); ++i)
    m_frame.waiting[i] = {waiting[i].ticket, waiting[i].ballsNeeded};
}

}  // namespace bingo::tools
