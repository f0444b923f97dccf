#include "common/simulator.h"

#include <algorithm>

#include "common/game_record_file.h"
#include "platform/text.h"

namespace bingo::tools {
namespace {

constexpr const char* kKindNames[13] = {"F1", "F2", "B7", "B6", "B5", "B4", "B3",
                                        "B2", "B1", "J3", "J2", "J1", "PZ"};

std::string offName(int n) { return formatText("Off%d.txt", n); }

std::string ticketList(const std::vector<std::uint32_t>& tickets) {
  std::string text = tickets.size() == 1 ? "ticket" : "tickets";
  for (std::uint32_t t : tickets) text += " " + std::to_string(t);
  return text;
}

}  // namespace

Simulator::Simulator(const SimOptions& options, std::uint64_t seed, std::vector<Card> cards,
                     std::optional<std::vector<std::uint8_t>> gameKinds, ShareOutput& share, Pacer& pacer,
                     const Clock& clock, std::ostream& log)
    : m_options(options),
      m_game(options.hall, std::move(cards), seed),
      m_gameKinds(std::move(gameKinds)),
      m_share(share),
      m_pacer(pacer),
      m_clock(clock),
      m_log(log) {}

void Simulator::report(bool ok, const char* what) {
  // One line when writing starts failing and one when it works again, not one per ball.
  if (!ok && !m_lastWriteFailed)
    m_log << "write failed (" << what << "): " << m_share.lastError() << std::endl;
  if (ok && m_lastWriteFailed) m_log << "writing works again" << std::endl;
  m_lastWriteFailed = !ok;
}

void Simulator::prepareShare() {
  // Command files left by an earlier run would close every console at once.
  for (int n = 1; n <= 3; ++n) report(m_share.removeFile(offName(n)), "command file");
  if (m_options.language != 0) {
    const std::string text = std::string(1, m_options.language) + "\r\n";
    report(m_share.putFile("cJezik.txt",
                           std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())),
           "cJezik.txt");
  }
  if (m_options.removeLanguage) report(m_share.removeFile("cJezik.txt"), "cJezik.txt");
  if (m_gameKinds) report(m_share.putFile("cVIw.Txt", *m_gameKinds), "cVIw.Txt");
  if (m_options.removeGameKinds) report(m_share.removeFile("cVIw.Txt"), "cVIw.Txt");
}

void Simulator::run() {
  prepareShare();
  for (int round = 0; m_options.games == 0 || round < m_options.games; ++round) playRound();
  // The command file is issued and taken back even when the rounds end first.
  if (m_options.off != 0) {
    const std::int64_t removeAt = (std::int64_t{m_options.offAfterS} + m_options.offHoldS) * 1000;
    if (removeAt > m_elapsedMs) wait(removeAt - m_elapsedMs);
    runDueCommands();
  }
}

void Simulator::playRound() {
  m_game.startRound();
  const FrameState& frame = m_game.frame();
  m_log << "round " << int{frame.kolo} << ": " << kKindNames[frame.vi] << ", type " << int{frame.vt} << ", "
        << m_game.result().soldTickets << " tickets sold" << std::endl;
  if (m_options.dg) {
    const GameRecord record = makeGameRecord(frame, m_options.cityLetter);
    report(m_share.putFile(gameRecordName(m_clock.now(), m_options.cityLetter, frame.kolo), record.bytes()),
           "game record");
  }
  publish();
  wait(m_options.pauseMs);

  while (!m_game.roundOver()) {
    const HallGame::Ball ball = m_game.drawBall();
    publish();
    const RoundResult& result = m_game.result();
    if (ball == HallGame::Ball::Line ||
        (ball == HallGame::Ball::Bingo && result.lineBall == m_game.frame().lop))
      m_log << "round " << int{result.kolo} << ": line at ball " << result.lineBall << ", "
            << ticketList(result.lineWinners) << std::endl;
    if (ball == HallGame::Ball::Bingo) {
      m_log << "round " << int{result.kolo} << ": bingo at ball " << result.bingoBall << ", "
            << ticketList(result.bingoWinners);
      if (result.fundWon) m_log << ", fund " << result.fundWon << " won";
      m_log << std::endl;
    }
    wait(ball == HallGame::Ball::Drawn ? m_options.ballMs : std::max(m_options.ballMs, m_options.holdMs));
  }
}

void Simulator::publish() {
  const FrameRecord record = encodeFrame(m_game.frame());
  report(m_share.writeFrame(record), kFrameFileName);
  ++m_frames;
  if (m_onPublished) m_onPublished(m_game.frame());
}

void Simulator::wait(std::int64_t ms) {
  while (ms > 0) {
    std::int64_t step = ms;
    if (m_options.off != 0) {
      const std::int64_t createAt = std::int64_t{m_options.offAfterS} * 1000;
      const std::int64_t removeAt = createAt + std::int64_t{m_options.offHoldS} * 1000;
      for (std::int64_t at : {createAt, removeAt})
        if (at > m_elapsedMs && at - m_elapsedMs < step) step = at - m_elapsedMs;
    }
    runDueCommands();
    m_pacer.waitMs(step);
    m_elapsedMs += step;
    ms -= step;
  }
  runDueCommands();
}

void Simulator::runDueCommands() {
  if (m_options.off == 0) return;
  const std::int64_t createAt = std::int64_t{m_options.offAfterS} * 1000;
  const std::int64_t removeAt = createAt + std::int64_t{m_options.offHoldS} * 1000;
  if (!m_offCreated && m_elapsedMs >= createAt) {
    m_offCreated = true;
    report(m_share.putFile(offName(m_options.off), {}), "command file");
    m_log << "created " << offName(m_options.off) << std::endl;
  }
  if (m_offCreated && !m_offRemoved && m_elapsedMs >= removeAt) {
    m_offRemoved = true;
    report(m_share.removeFile(offName(m_options.off)), "command file");
    m_log << "removed " << offName(m_options.off) << std::endl;
  }
}

}  // namespace bingo::tools
