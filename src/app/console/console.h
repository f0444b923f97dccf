#pragma once
// One console: its settings, logs, start-up records, frame copies, ticket
// tables and screen model, and everything the main window does with them. The
// window's handlers only forward here and then draw the screen model, so the
// whole console can be driven without a toolkit, with fakes for the platform.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/console/startup.h"
#include "config/console_config.h"
#include "display/model/captions.h"
#include "display/model/screen_model.h"
#include "frame/commands.h"
#include "frame/frame.h"
#include "frame/frame_file.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/housekeeping.h"
#include "platform/logs.h"
#include "platform/network.h"
#include "platform/shell.h"
#include "platform/system_info.h"
#include "tickets/game_record_copy.h"
#include "tickets/operator_prompts.h"
#include "tickets/tickets.h"
#include "tickets/win_texts.h"

namespace bingo {

struct ConsoleServices {
  FileSystem& fs;
  const Clock& clock;
  Network& network;
  Shell& shell;
  const SystemInfo& systemInfo;
  OperatorPrompts& prompts;
  std::string programPath;  // full path of the running program
};

// The frame loop's counters.
struct LoopState {
  std::int32_t TimerCount = 0;
  std::int32_t LimitTickCount = 0;
  std::int32_t BlinkCount = 0;
  bool BlinkPhase = false;
  bool ServerReachable = true;
  std::int32_t ServerOkCount = 0;
  std::int32_t ServerFailCount = 0;
  std::int32_t AltSCountdown = 0;
};

class Console : private FrameEffects {
 public:
  explicit Console(ConsoleServices services);
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  // Window creation, without what only the toolkit does (handlers, geometry,
  // the timer itself): run log, defaults, start-up, INI, game kinds, language,
  // ticket base, frame reset, first memo line, fund captions.
  void FormCreate();
  // Window destruction: the window's place goes into the settings (not saved), "END ".
  void FormDestroy(int left, int top, int width, int height);

  // One tick of the frame timer.
  void TimerFramesTimer();

  // The idle pass: lock keys, date and time, game settings in the status bar.
  void AppEventsIdle(bool capsLock, bool numLock);
  void ActionListUpdate();
  // The hint of the control under the mouse: panel 0 gets the part after '|'.
  void AppEventsHint(const std::string& hint);
  // An error no code caught: appended to the error log; the window shows it.
  void AppEventsLogException(const std::string& message);
  // Whether the window may close; asks caption 52 unless Bub2Enabled.
  bool FormCloseQuery();

  // Ticket entry.
  void EditKupEndExit(const std::string& pocText, const std::string& endText);
  void acTK_Kup_BrisiExecute();
  void TkKupDeleteAll();
  void TkKupUnosNew();

  // Options of the "B" and "WB" menus; each but Alt S saves the INI file.
  void acBub_WB_Show();
  void acBub_WB_Cam2();
  void acBub_Bub2Enable();
  void acBub_LAN();
  void acBub_RS232();
  void acBub_AltSC(bool EditKupPocVisible);

  // Help: the texts of the two information boxes; the memory box also
  // toggles the "B" menu once it is closed.
  void acHelp_HwInfoMemoryExecute();
  void acHelp_HwWinVerExecute();

  // What the window reads back.
  ScreenModel& screen() { return m_screen; }
  const ScreenModel& screen() const { return m_screen; }
  ConsoleConfig& config() { return m_config; }
  const LoopState& loop() const { return m_loop; }
  Frame& frame() { return m_frame; }
  const FrameFile& frameFile() const { return m_frameFile; }
  const Tickets& tickets() const { return m_tickets; }
  const Captions& captions() const { return m_captions; }
  Logs& logs() { return m_logs; }
  const StartupState& startup() const { return m_startup; }
  const std::string& programPath() const { return m_sv.programPath; }
  const SystemInfo& systemInfo() const { return m_sv.systemInfo; }

  // Requests from the model to the window, taken once.
  bool takeFocusRequest() { return std::exchange(m_focusEditKupPoc, false); }
  // "WB_Cam" was switched on: the browser goes to `WBURL1`.
  bool takeCameraNavigation() { return std::exchange(m_cameraNavigation, false); }
  std::vector<std::string> takeErrors() { return std::exchange(m_errors, {}); }

 private:
  // FrameEffects: what an accepted frame does to the tickets, board and panel.
  std::uint8_t TicketBase_SelectType(std::uint8_t type) override;
  void soldRangesAccepted(std::span<const SoldRange> ranges) override;
  void drawnBlockAccepted(const DrawnBalls& drawn, std::uint8_t lastBall) override;
  void drawnBallsChanged() override;

  FrameFacts facts();
  void resetLoopCounters();
  void Language_Settle();
  void CheckGameOver();
  void UpDateControlsConsole();
  void UpDateTIkup();
  void displayTail(const std::string& bestTicketText, bool changed);
  void diagnosticLabels();
  void showAwaitedMarks();
  void refillTicketPanel();
  void afterTicketChange();
  void addMemoLines(const std::vector<std::string>& lines);
  void saveIni();
  void toggleBubMenu();

  ConsoleServices m_sv;
  ConsoleConfig m_config;
  Logs m_logs;
  Housekeeping m_housekeeping;
  StartupState m_startup;
  Captions m_captions;
  ScreenModel m_screen;
  Tickets m_tickets;
  Frame m_frame;
  FrameFile m_frameFile;
  Commands m_commands;
  GameRecordCopy m_dgCopy;
  AwaitedMarks m_waited{};
  LoopState m_loop;
  std::string LineWinText;
  std::string BingoWinText;
  bool m_focusEditKupPoc = false;
  bool m_cameraNavigation = false;
  std::vector<std::string> m_errors;
};

}  // namespace bingo
