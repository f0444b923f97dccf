#pragma once
// The optional copy of the server's game-record file: early in every game,
// while the number of drawn balls lies inside the configured window, the
// newest .DG file of the hall is moved from the server share into the local
// archive and copied beside it.
//
//   NetDGFolder\name                          copy of the newest taken file
//   NetDGFolder\<first 8 of name>\<run>\name  the file itself, moved from the share
//   NetDGFolder\NetDGFolderTmp\name           first temporary copy
//   NetDGFolder\NetDGFolderTmp\<stem><rr>     second one, lower case, rr = run mod 100

#include <array>
#include <cstdint>
#include <string>

#include "config/console_config.h"
#include "config/game_record.h"
#include "platform/file_system.h"
#include "platform/housekeeping.h"
#include "platform/logs.h"

namespace bingo {

// The first letter of the hall's city name in the game record.
char cityLetter(const GameRecord& record);

class GameRecordCopy {
 public:
  GameRecordCopy(FileSystem& fs, Logs& logs) : m_fs(fs), m_logs(logs), m_folders(fs, logs) {}

  // The greatest name of the hall's game-record files in a folder (six
  // characters, the city letter, anything, ".DG"; a size that is a whole
  // multiple of 81256 bytes); empty when none, and empty, with the reason
  // traced once, when that name is longer than 50 characters. Makes the
  // folder when it is missing and reports when it cannot.
  std::string FindLatestDG(const std::string& folder, char cityLetter);

  // Second half of CheckGameOver, every tick. Changes NetDGTaken, NetDGRB and NetDGName.
  void CheckGameOver_Copy(ConsoleConfig& config, int LOP, std::int32_t Kolo, char cityLetter);

  // The two temporary copies of a taken file, in the order they are made.
  static std::array<std::string, 2> temporaryCopies(const ConsoleConfig& config, const std::string& name,
                                                    std::uint16_t run);

 private:
  FileSystem& m_fs;
  Logs& m_logs;
  Housekeeping m_folders;
  std::string m_refusedName;  // the too long name last traced
};

}  // namespace bingo
