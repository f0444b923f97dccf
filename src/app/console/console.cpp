#include "app/console/console.h"

#include "config/console_ini.h"
#include "display/model/number_board.h"
#include "display/model/ticket_panel.h"
#include "frame/frame_update.h"
#include "platform/folders.h"

namespace bingo {

namespace {

constexpr const char* kFundCaptionLabels[] = {"LabelFND1_Label", "LabelFND2_Label", "LabelFND3_Label",
                                              "LabelFND4_Label", "LabelFND5_Label", "LabelFND6_Label"};

}  // namespace

Console::Console(ConsoleServices services)
    : m_sv(std::move(services)),
      m_logs(m_sv.fs, m_sv.clock, m_sv.programPath),
      m_housekeeping(m_sv.fs, m_logs),
      m_tickets(m_sv.fs),
      m_frame(*this),
      m_frameFile(m_sv.fs, m_logs),
      m_dgCopy(m_sv.fs, m_logs) {}

void Console::resetLoopCounters() {
  m_loop = LoopState{};
  m_frameFile.FrameReadOk = true;
  m_frameFile.FrameFailCount = 0;
  m_frameFile.FrameMissingCount = 0;
  m_frameFile.FrameOpenErrCount = 0;
  m_frameFile.FrameReadErrCount = 0;
  m_frameFile.FrameCloseErrCount = 0;
}

void Console::FormCreate() {
  m_logs.Log_Run(std::string("RUN ") + kApplicationTitle + " " + m_sv.programPath);
  ConsoleConfig_SetDefaults(m_config, m_sv.fs);
  resetLoopCounters();
  Startup_Run(StartupServices{m_sv.fs, m_logs, m_housekeeping, m_sv.clock, m_sv.programPath}, m_startup);
  ConsoleIni_Read(m_config, m_sv.fs, m_sv.programPath);

  m_frame.gameKinds().GameKinds_Load(m_sv.fs, m_sv.network.Server_Ping(m_config.NetPC), m_config.FoldersNet);
  Language_Settle();

  m_tickets.TicketBase_Init();
  clearWaitedMarks(m_screen);
  recolourNumberBoard(m_screen, m_loop.BlinkPhase);

  Frame_Reset(m_frame, m_config, m_sv.fs);
  m_loop.TimerCount = 0;
  m_screen.setVisible("LblBIN", false);
  m_screen.setVisible("LblLIN", false);
  m_screen.memoAdd(m_captions.JezikText(63));
  for (int n = 0; n < 6; ++n) m_screen.setText(kFundCaptionLabels[n], m_frame.gameKinds().FundName(n));
}

// The language file decides the language, read twice in a row; when the two
// readings differ (the file changed in between) the settings are saved.
void Console::Language_Settle() {
  const auto select = [this] {
    m_captions.setJezik(0);
    m_captions.Language_Select(m_sv.fs, m_sv.network.Server_Ping(m_config.NetPC), m_config.FoldersNet);
    return m_captions.Jezik();
  };
  const std::uint8_t first = select();
  const std::uint8_t second = select();
  m_config.Jezik = second;
  m_screen.setJezik(second);
  if (first != second) {
    // A refused save must not leave the window half made: the error is
    // reported like any other and the creation goes on.
    try {
      ConsoleIni_Write(m_config, m_sv.fs, m_sv.programPath);
    } catch (const std::exception& error) {
      AppEventsLogException(error.what());
    }
  }
}

void Console::FormDestroy(int left, int top, int width, int height) {
  m_tickets.TicketBase_Free();
  m_config.FormLeft = static_cast<std::uint16_t>(left);
  m_config.FormTop = static_cast<std::uint16_t>(top);
  m_config.FormWidth = static_cast<std::uint16_t>(width);
  m_config.FormHeight = static_cast<std::uint16_t>(height);
  m_logs.Log_Run(std::string("END ") + kApplicationTitle);
}

void Console::AppEventsLogException(const std::string& message) {
  m_logs.Log_Error(message);
  m_errors.push_back(message);
}

FrameFacts Console::facts() {
  FrameFacts f;
  f.Drawn = m_frame.Drawn();
  f.LOP = m_frame.LOP();
  f.BingoPhase = m_frame.BingoPhase();
  f.HintSwitch = m_frame.HintSwitch();
  return f;
}

std::uint8_t Console::TicketBase_SelectType(std::uint8_t type) {
  return m_tickets.base().TicketBase_SelectType(type);
}

void Console::soldRangesAccepted(std::span<const SoldRange> ranges) {
  std::vector<TicketRange> sold;
  sold.reserve(ranges.size());
  for (const SoldRange& r : ranges) sold.push_back({r.first, r.last});
  m_tickets.bought().SoldSet_Rebuild(sold);
  m_tickets.bought().TkKup_Count();
}

void Console::drawnBlockAccepted(const DrawnBalls& drawn, std::uint8_t lastBall) {
  setNumberBoardFromRecord(m_screen, drawn, lastBall, m_loop.BlinkPhase);
}

void Console::drawnBallsChanged() {
  m_tickets.TicketAnalysis_Run(facts());
  refillTicketPanel();
}

void Console::refillTicketPanel() {
  fillTicketPanel(m_screen, m_tickets.analysis().bestTickets());
  refreshTicketPanel(m_screen, m_loop.BlinkPhase, m_frame.HintSwitch());
}

void Console::addMemoLines(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) m_screen.memoAdd(line);
}

}  // namespace bingo
