// What the operator does: the ticket entry and deletion, the options of the
// "B" and "WB" menus, the Help actions, the close question, and what the idle
// pass and the action list keep in step with the settings.

#include "app/console/console.h"
#include "config/console_ini.h"
#include "display/model/ticket_panel.h"
#include "frame/signal_files.h"
#include "platform/folders.h"
#include "platform/sys_info_text.h"
#include "platform/text.h"

namespace bingo {

namespace {

std::string twoDigits(int n) { return formatText("%02d", n); }

}  // namespace

void Console::TkKupUnosNew() {
  m_screen.setText("EditKupPoc", "");
  m_screen.setText("EditKupEnd", "");
  if (!m_config.Bub2Enabled) m_focusEditKupPoc = true;
}

// After every change of the bought tickets: the panel of bought tickets, the
// six best tickets and empty entry fields.
void Console::afterTicketChange() {
  refillTicketPanel();
  UpDateTIkup();
  TkKupUnosNew();
}

void Console::EditKupEndExit(const std::string& pocText, const std::string& endText) {
  const std::vector<std::string> memo =
      m_tickets.EditKupEndExit(pocText, endText, m_config.Bub2Enabled, facts());
  afterTicketChange();
  addMemoLines(memo);
}

void Console::acTK_Kup_BrisiExecute() {
  const DeleteResult result =
      m_tickets.acTK_Kup_BrisiExecute(m_sv.prompts, m_captions, [this] { return facts(); });
  if (!result.deleted) return;
  afterTicketChange();
}

void Console::TkKupDeleteAll() {
  for (int i = 1; i <= 10; ++i) {
    m_screen.setText(i == 3 ? std::string("LabelTkKUpPoc3") : "LabelTkKupPoc" + std::to_string(i), "");
    m_screen.setText("LabelTkKupEnd" + std::to_string(i), "");
  }
  m_frame.setBingoPhase(false);
  m_tickets.TkKupDeleteAll(facts());
  afterTicketChange();
  m_screen.setVisible("PanelTK", true);
}

void Console::saveIni() { ConsoleIni_Write(m_config, m_sv.fs, m_sv.programPath); }

void Console::acBub_WB_Show() {
  m_config.WBShow = !m_config.WBShow;
  if (!m_config.WBShow) m_config.WBCam2 = false;
  saveIni();
  // Shown again, the browser keeps the page it had: showing never navigates.
  m_screen.setVisible("WebBrowser_Camera", m_config.WBShow);
}

void Console::acBub_WB_Cam2() {
  if (!m_config.WBShow) return;
  m_config.WBCam2 = !m_config.WBCam2;
  saveIni();
  m_cameraNavigation = m_config.WBCam2;
}

void Console::acBub_Bub2Enable() {
  m_config.Bub2Enabled = m_config.Bub2LAN && !m_config.Bub2Enabled;
  saveIni();
}

void Console::acBub_LAN() {
  m_config.Bub2LAN = !m_config.Bub2LAN;
  for (const char* item : {"mnuBub_Bub2Enable", "mnuBub_AltS"}) {
    m_screen.setMenuEnabled(item, m_config.Bub2LAN);
    m_screen.setMenuVisible(item, m_config.Bub2LAN);
  }
  saveIni();
}

void Console::acBub_RS232() {
  m_config.Bub2RS232 = false;
  AltN_Drop(m_config, m_sv.fs);
  saveIni();
}

void Console::acBub_AltSC(bool EditKupPocVisible) {
  m_config.Bub2AltS = true;
  if (!m_config.Bub2Enabled && EditKupPocVisible) m_focusEditKupPoc = true;
  if (m_config.Bub2Enabled && m_config.Bub2LAN) {
    m_loop.AltSCountdown = 1;
    AltS_Raise(m_config, m_sv.fs);
  }
  if (m_config.Bub2Enabled && m_config.Bub2RS232) m_loop.AltSCountdown = m_config.Bub2LAN ? 1 : 10;
}

void Console::acHelp_HwInfoMemoryExecute() {
  m_sv.prompts.infoBox(kApplicationTitle, SysInfo_MemoryText(m_sv.systemInfo.heapStats()));
  toggleBubMenu();
}

void Console::toggleBubMenu() {
  const MenuState& bub = m_screen.menu("mnuBub");
  m_screen.setMenuEnabled("mnuBub", !bub.enabled);
  m_screen.setMenuVisible("mnuBub", !m_screen.menu("mnuBub").visible);
}

void Console::acHelp_HwWinVerExecute() {
  m_sv.prompts.infoBox(kApplicationTitle, SysInfo_WindowsText(m_sv.systemInfo.osVersion()));
}

bool Console::FormCloseQuery() {
  if (m_config.Bub2Enabled) return true;
  return m_sv.prompts.askYesNo(kApplicationTitle, m_captions.JezikText(52));
}

void Console::ActionListUpdate() {
  m_screen.setMenuChecked("acBub_Bub2Enable", m_config.Bub2Enabled);
  m_screen.setMenuChecked("acBub_LAN", m_config.Bub2LAN);
  m_screen.setMenuChecked("acBub_RS232", m_config.Bub2RS232);
  m_screen.setMenuChecked("acBub_WB_Show", m_config.WBShow);
  m_screen.setMenuChecked("acBub_WB_Cam2", m_config.WBCam2);
  m_screen.setMenuChecked("acBub_AltSC", m_config.Bub2AltS);
  m_screen.setVisible("ChkBox_AltS", m_config.Bub2Enabled);
}

void Console::AppEventsIdle(bool capsLock, bool numLock) {
  m_screen.setStatusPanel(2, capsLock ? "CAPS" : "");
  m_screen.setStatusPanel(1, numLock ? "NUM" : "");
  m_screen.setVisible("ChkBox_AltS", m_config.Bub2Enabled);

  const LocalTime now = m_sv.clock.now();
  m_screen.setStatusPanel(3,
                          twoDigits(now.day) + "." + twoDigits(now.month) + "." + twoDigits(now.year % 100));
  m_screen.setStatusPanel(4, twoDigits(now.hour) + ":" + twoDigits(now.minute) + ":" + twoDigits(now.second));
  m_screen.setStatusPanel(7, kProgramVersion);
  m_screen.setStatusPanel(5, std::to_string(m_frame.TicketBaseSize()));
  m_screen.setStatusPanel(6, m_frame.HallText());
  m_screen.setStatusPanel(8, NumberOrBlank(m_frame.Kolo()));
  m_screen.setStatusPanel(9, m_frame.VILongName());
}

void Console::AppEventsHint(const std::string& hint) {
  const auto bar = hint.find('|');
  m_screen.setStatusPanel(0, bar == std::string::npos ? hint : hint.substr(bar + 1));
}

}  // namespace bingo
