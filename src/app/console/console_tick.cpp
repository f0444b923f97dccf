// The frame timer's tick and the console update it runs: captions and values
// of every label, the bought-ticket upkeep, the best-ticket text, the ping,
// the frame read, the display tail and the command files.

#include "app/console/console.h"
#include "display/model/number_board.h"
#include "display/model/ticket_panel.h"
#include "frame/frame_update.h"
#include "frame/signal_files.h"
#include "platform/sys_info_text.h"
#include "platform/text.h"

namespace bingo {

namespace {

constexpr Rgb kMemoRed{255, 0, 0};
constexpr Rgb kMemoWhite{255, 255, 255};

std::string numbered(const char* stem, int n, const char* suffix = "") {
  return std::string(stem) + std::to_string(n) + suffix;
}

std::string nb(std::int64_t n) { return NumberOrBlank(static_cast<std::int32_t>(n)); }

}  // namespace

void Console::TimerFramesTimer() {
  m_loop.LimitTickCount += 1;
  m_config.Bub2Enabled = false;

  if (m_loop.LimitTickCount > 100) {
    m_loop.LimitTickCount = 0;
    const std::uint16_t bought = m_tickets.bought().BoughtCount();
    if (m_config.UnosLimit > 0 && bought > 0 && bought < m_config.UnosLimit) {
      m_screen.memoAdd("<" + std::to_string(m_config.UnosLimit));
      TkKupDeleteAll();
    }
  }

  m_loop.BlinkCount = (m_loop.BlinkCount + 1) % 1000;
  if (m_loop.BlinkCount % 2 == 0) m_loop.BlinkPhase = !m_loop.BlinkPhase;

  CheckGameOver();
  UpDateControlsConsole();

  // The bought-ticket upkeep reads LOP once, before its steps.
  m_tickets.TkKup_Upkeep(m_frame.LOP());
  UpDateTIkup();
  const std::string bestTicketText = BestTicketText_Build(
      m_tickets.analysis(), m_captions, m_frame.BingoPhase(), m_tickets.bought().BoughtCount(), m_waited);
  showAwaitedMarks();

  m_loop.ServerReachable = m_sv.network.Server_Ping(m_config.NetPC);
  (m_loop.ServerReachable ? m_loop.ServerOkCount : m_loop.ServerFailCount) += 1;
  const bool changed = m_loop.ServerReachable && Frame_Update(m_frame, m_frameFile, m_config);

  displayTail(bestTicketText, changed);

  // Second-drum signal: dropped after its countdown, or as soon as the
  // server took the signal file.
  if (m_config.Bub2AltS && m_loop.AltSCountdown > 0) {
    if (--m_loop.AltSCountdown == 0) m_config.Bub2AltS = false;
  }
  if (m_loop.TimerCount % 5 == 0 && m_config.Bub2AltS && !AltS_Present(m_config, m_sv.fs))
    m_config.Bub2AltS = false;

  if (m_loop.TimerCount % 100 == 0 && m_frameFile.FrameReadOk)
    m_commands.Commands_Check(m_config, m_sv.fs, m_sv.shell, m_sv.systemInfo);
}

void Console::CheckGameOver() {
  const FrameFacts now = facts();  // reads LOP first, which raises LopMax
  const NewRoundResult round =
      m_tickets.CheckGameOver_NewRound(m_frame.Kolo(), m_frame.LopMax(), m_captions, now);
  if (round.detected) {
    m_screen.memoClear();
    m_screen.setMemoBackground(kMemoWhite);
    for (const char* box : {"LblLIN", "LblBIN"}) {
      m_screen.setText(box, "");
      m_screen.setVisible(box, false);
    }
    addMemoLines(round.memoLines);
    m_screen.setStatusPanel(12, "");
    if (round.ticketsCleared) {
      m_frame.SetLopMax(0);
      m_frame.setBingoPhase(false);
      afterTicketChange();
      m_screen.setVisible("PanelTK", true);
    }
  }
  m_dgCopy.CheckGameOver_Copy(m_config, m_frame.LOP(), m_frame.Kolo(), cityLetter(m_startup.gameRecord));
}

void Console::UpDateControlsConsole() {
  setCaptionTexts(m_screen, m_captions);  // the labels' captions, from the layout

  Frame& f = m_frame;
  m_screen.setText("LabelVT", nb(f.TicketBaseSize()));
  m_screen.setText("LabelVI", f.VIShortName());
  m_screen.setText("LabelLOP", nb(f.LOP()));
  m_screen.setText("LabelMxL", nb(f.MxL()));
  m_screen.setText("LabelKUG", nb(f.KUG()));
  m_screen.setText("LabelBON", nb(f.BON()));
  m_screen.setText("LabelBIN", nb(f.BIN()));
  m_screen.setText("LabelLN2", nb(f.LN2()));
  m_screen.setText("LabelLIN", nb(f.LIN()));
  m_screen.setText("LabelCEN", formatText("%3.0f", f.CEN()));
  m_screen.setText("LabelPRO", nb(f.PRO()));
  for (int n = 0; n < 6; ++n) {
    m_screen.setText(numbered("LabelProSer", n + 1), nb(f.ProSer(n)));
    m_screen.setText(numbered("LabelProPoc", n + 1), nb(f.ProPoc(n)));
    m_screen.setText(numbered("LabelProEnd", n + 1), nb(f.ProEnd(n)));
  }
  m_screen.setText("LabelIgraProTk", nb(f.SoldCountShown()));
  for (int n = 0; n < 6; ++n) {
    m_screen.setText(numbered("LabelMxL", n + 1), nb(f.FundMxL(n)));
    m_screen.setText(numbered("LabelFND", n + 1), nb(f.FND(n)));
  }
  for (int n = 0; n < 3; ++n) {
    m_screen.setText(numbered("LabelRLTkWaitLop", n + 1), nb(f.RLTkWaitLop(n)));
    m_screen.setText(numbered("LabelRLTkWait", n + 1), nb(f.RLTkWait(n)));
  }
  for (int n = 0; n < 6; ++n) {
    m_screen.setText(numbered("LabelRLTk", n + 1, "Lop"), nb(f.RLTkLop(n)));
    m_screen.setText(numbered("LabelRLTk", n + 1), nb(f.RLTk(n)));
  }
  m_screen.setText("LabelKugLast00", nb(f.KUG()));
  for (int n = 1; n <= 3; ++n) m_screen.setText(numbered("LabelKugLast0", n), nb(f.KugLast(n)));

  const TicketAnalysis& analysis = m_tickets.analysis();
  m_screen.setText("LabelWaitLinCnt", nb(analysis.LineWaitCount()));
  m_screen.setText("LabelWaitLinMin", nb(analysis.LineWaitMin()));
  m_screen.setText("LabelWaitBinCnt", nb(analysis.BingoWaitCount()));
  m_screen.setText("LabelWaitBinMin", nb(analysis.BingoWaitMin()));

  m_screen.setText("LabelLinBin", m_captions.JezikText(61) + " " +
                                      (f.BingoPhase() ? std::string("BINGO") : m_captions.JezikText(7)));
}

void Console::UpDateTIkup() {
  const BoughtTicketsView view = m_tickets.UpDateTIkup(m_frame.CENScaled());
  for (int i = 0; i < 10; ++i) {
    // The third first-ticket label keeps its historical spelling.
    m_screen.setText(i == 2 ? std::string("LabelTkKUpPoc3") : numbered("LabelTkKupPoc", i + 1), view.Poc[i]);
    m_screen.setText(numbered("LabelTkKupEnd", i + 1), view.End[i]);
  }
  m_screen.setText("LabelTkKupCount", view.Count);
  m_screen.setText("LabelTkKupUplata", view.Uplata);
}

void Console::showAwaitedMarks() {
  clearWaitedMarks(m_screen);
  for (int ball = 1; ball <= 90; ++ball)
    if (m_waited[ball]) setWaitedMark(m_screen, ball);
}

void Console::displayTail(const std::string& bestTicketText, bool changed) {
  const bool BingoPhase = m_frame.BingoPhase();
  const int LOP = m_frame.LOP();
  const TicketAnalysis& analysis = m_tickets.analysis();

  if (changed) {
    if (!bestTicketText.empty()) {
      m_screen.memoClear();
      m_screen.memoAdd(nb(analysis.BingoWaitCount()) + " " + m_captions.JezikText(42) + " " +
                       m_captions.JezikText(30) + " " + nb(analysis.BingoWaitMin()) + " " +
                       m_captions.JezikText(65) + " za " + "BINGO " + bestTicketText);
    }
    const std::string winText = WinText_Build(analysis, m_captions, BingoPhase, LOP);
    if (!winText.empty() && winText.find(m_captions.JezikText(0)) != std::string::npos) LineWinText = winText;
    if (!winText.empty() && winText.find("BIN") != std::string::npos) BingoWinText = winText;
    if (!winText.empty()) {
      m_screen.memoAdd(winText);
      m_screen.setText("LblLIN", LineWinText);
      m_screen.setVisible("LblLIN", true);
      m_screen.setStatusPanel(12, LineWinText);
    } else if (!BingoWinText.empty()) {
      m_screen.memoAdd(BingoWinText);
      m_screen.setText("LblBIN", BingoWinText);
      m_screen.setVisible("LblBIN", true);
      m_screen.setStatusPanel(12, BingoWinText);
    }
  }

  m_loop.TimerCount += 1;
  const std::string winNow = WinText_Build(analysis, m_captions, BingoPhase, LOP);
  if (m_loop.TimerCount % 4 != 0 && (!BingoWinText.empty() || !winNow.empty())) {
    m_screen.setText("LblBIN", BingoWinText);
    m_screen.setVisible("LblBIN", true);
    m_screen.setMemoBackground(kMemoRed);
  } else {
    m_screen.setVisible("LblBIN", false);
  }

  if (LOP >= 1 && LOP <= 4) {
    m_screen.setMemoBackground(kMemoWhite);
    BingoWinText.clear();
    LineWinText.clear();
  }

  if (LOP > 0) {
    m_screen.setVisible("PanelTK", true);
    refreshTicketPanel(m_screen, m_loop.BlinkPhase, m_frame.HintSwitch());
  } else {
    m_screen.setVisible("PanelTK", false);
  }

  diagnosticLabels();
}

void Console::diagnosticLabels() {
  const OsVersion os = m_sv.systemInfo.osVersion();
  const FrameFile& ff = m_frameFile;
  const auto set = [this](const char* name, const std::string& text) { m_screen.setText(name, text); };
  const auto dec = [](std::int64_t n) { return std::to_string(n); };

  set("LblTest_Info_Win_Ver_Name", WindowsVersionText(os));
  set("LblTest_Info_Win_Ver_Numb", dec(WindowsMajorVersion(os)) + " : " + (m_commands.WinVer5Up ? "1" : "0"));
  set("LblTest_Info_Tk_Baza_File_Name", dec(m_frame.TicketBaseSize()));
  set("LblTest_Info_Timer_Intrv", dec(m_config.TimerInterval));
  set("LblTest_Info_Timer_Count", dec(m_loop.TimerCount));
  for (const char* empty :
       {"LblTest_Info_Timer_Time", "LblTest_Info_LAN_PCCL_Name", "LblTest_Info_LAN_PCCL_Cont",
        "LblTest_Info_LAN_PCSR_TCIP", "LblTest_Info_LAN_Net_Fold_Cont", "LblTest_Info_LAN_Net_Frame_Bad",
        "LblTest_Info_LAN_Net_Off3_Cont", "LblTest_Info_LAN_Net_AltS_Cont", "LblTest_Info_LAN_Net_cVIw_Name",
        "LblTest_Info_LAN_Net_cVIw_Cont", "LblTest_Info_LAN_Net_cJez_Count"})
    set(empty, "");
  set("LblTest_Info_LAN_PCCL_TCIP", m_sv.network.Local_IPText());
  set("LblTest_Info_LAN_PCSR_Name", m_config.NetPC);
  set("LblTest_Info_LAN_PCSR_Cont", std::string(m_loop.ServerReachable ? "1" : "0") + " : " +
                                        dec(m_loop.ServerOkCount) + " : " + dec(m_loop.ServerFailCount));
  set("LblTest_Info_LAN_Net_Fold_Name", m_config.FoldersNet);
  set("LblTest_Info_LAN_Net_Frame_Name", m_config.FilesFrame);
  set("LblTest_Info_LAN_Net_Frame_Cont", dec(m_loop.TimerCount) + " : " + dec(ff.FrameFailCount));
  set("LblTest_Info_LAN_Net_Frame_Read", dec(ff.FrameMissingCount) + " : 0 : " + dec(ff.FrameOpenErrCount) +
                                             " : " + dec(ff.FrameReadErrCount) + " : " +
                                             dec(ff.FrameCloseErrCount));
  set("LblTest_Info_LAN_Net_Off3_Name", m_config.FilesOff1);
  set("LblTest_Info_LAN_Net_AltS_Name", m_config.FilesAltS);
  set("LblTest_Info_LAN_Net_cJez_Name", m_captions.languageFilePath());
  set("LblTest_Info_LAN_Net_cJez_Value", dec(m_captions.Jezik()));
  set("LblTest_Info_LAN_Net_Protokol_Value", dec(m_frame.Protokol()));
  set("LblTest_Info_LAN_Net_NovaSmena_Value", dec(m_frame.NovaSmena()));
}

}  // namespace bingo
