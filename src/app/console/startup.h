#pragma once
// The start-up sequence: folders and file names, work areas, the configuration
// records and text files, and the game record brought into a known state, in
// one fixed order. Its only witnesses are the files it makes and the lines of
// the daily trace log.

#include <string>
#include <string_view>

#include "app/console/startup_base.h"
#include "config/config_records.h"
#include "config/game_record.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/housekeeping.h"
#include "platform/logs.h"

namespace bingo {

// What the sequence fills; the console keeps it for the whole run.
struct StartupState {
  GameRecord gameRecord;
  ConfigRecords records;
  StartupTicketBase ticketBase;
  std::string TodayYYMMDD;
  bool cityFromFile = false;
  bool ticketBaseComplete = false;
};

struct StartupServices {
  FileSystem& fs;
  Logs& logs;
  Housekeeping& housekeeping;
  const Clock& clock;
  std::string programPath;
};

// True when the program file's name (after the last '\' or '/') begins with C or c.
bool IsConsoleRole(std::string_view programPath);

// Today as YYMMDD (year modulo 100), zero-padded.
std::string TodayYYMMDD(const Clock& clock);

// Runs the whole sequence once; no step stops it.
void Startup_Run(const StartupServices& services, StartupState& state);

// The sub-step "uDGFind_First" of the installation's other programs: the first
// game-record file of the Dg folder into the game record. True when one was loaded.
bool DGFind_First(FileSystem& fs, GameRecord& record);

}  // namespace bingo
