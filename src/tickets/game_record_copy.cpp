#include "tickets/game_record_copy.h"

#include "platform/text.h"

namespace bingo {

namespace {

// The search pattern and the returned name are held in 50 characters.
constexpr std::size_t kNameLimit = 50;

// A listed name is used as one path component only.
bool singleComponent(const std::string& name) {
  return name.find('\\') == std::string::npos && name.find('/') == std::string::npos &&
         name.find("..") == std::string::npos;
}

}  // namespace

char cityLetter(const GameRecord& record) {
  return static_cast<char>(record.bytes()[GameRecord::kCityLetter]);
}

std::string GameRecordCopy::FindLatestDG(const std::string& folder, char cityLetter) {
  const std::string base = folder.substr(0, kNameLimit);
  m_folders.Folder_Ensure(base, true);
  const std::string pattern = (base + "\\??????" + cityLetter + "*.DG").substr(0, kNameLimit);
  const auto cut = pattern.find_last_of('\\');
  const std::string where = pattern.substr(0, cut);
  const auto names = m_fs.listFiles(where, pattern.substr(cut + 1));
  std::string latest;
  if (!names) return latest;
  for (const std::string& name : *names) {
    if (!singleComponent(name) || name <= latest) continue;
    const auto size = m_fs.fileSize(where + "\\" + name);
    if (size && *size % GameRecord::kSize == 0) latest = name;
  }
  // The latest record that cannot be named in 50 characters is not passed
  // over for an older one, which would be filed as this game's record.
  if (latest.size() > kNameLimit) {
    if (latest != m_refusedName) m_logs.Trace_Write("Predugo ime fajla igre, nije preuzet: " + latest);
    m_refusedName = latest;
    return {};
  }
  return latest;
}

std::array<std::string, 2> GameRecordCopy::temporaryCopies(const ConsoleConfig& config,
                                                           const std::string& name, std::uint16_t run) {
  const std::string first = config.NetDGFolder + "\\" + config.NetDGFolderTmp + "\\" + name;
  const auto dot = name.find_last_of('.');
  const std::string stem = name.substr(0, dot);
  const std::string second = config.NetDGFolder + "\\" + config.NetDGFolderTmp + "\\" + stem +
                             formatText("%02u", static_cast<unsigned>(run % 100));
  return {first, toLowerAscii(second)};
}

void GameRecordCopy::CheckGameOver_Copy(ConsoleConfig& config, int LOP, std::int32_t Kolo, char cityLetter) {
  if (!config.NetDGEnabled) return;
  if (LOP <= config.NetDGLOPmin || LOP >= config.NetDGLOPmax) {
    config.NetDGTaken = false;
    return;
  }
  if (config.NetDGTaken) return;
  config.NetDGName = FindLatestDG(config.FoldersNet, cityLetter);
  if (config.NetDGName.empty()) return;
  config.NetDGRB = static_cast<std::uint16_t>(Kolo > 0 ? Kolo - 1 : 0);

  const std::string& name = config.NetDGName;
  const std::string perName = config.NetDGFolder + "\\" + name.substr(0, 8);
  const std::string perGame = perName + "\\" + formatText("%03u", unsigned{config.NetDGRB});
  bool ok = m_folders.Folder_Ensure(config.NetDGFolder, false);
  ok = ok && m_folders.Folder_Ensure(perName, false);
  ok = ok && m_folders.Folder_Ensure(config.NetDGFolder + "\\" + config.NetDGFolderTmp, false);
  ok = ok && m_folders.Folder_Ensure(perGame, false);

  // The moves and copies run even after a failed folder step; they then fail
  // too, and the next tick inside the window tries the whole step again.
  const std::string moved = perGame + "\\" + name;
  ok = m_fs.moveFile(config.FoldersNet + "\\" + name, moved).ok() && ok;
  ok = m_fs.copyFile(moved, config.NetDGFolder + "\\" + name).ok() && ok;
  const auto temporary = temporaryCopies(config, name, config.NetDGRB);
  ok = m_fs.copyFile(moved, temporary[0]).ok() && ok;
  ok = m_fs.copyFile(temporary[0], temporary[1]).ok() && ok;

  config.NetDGRB = static_cast<std::uint16_t>(config.NetDGRB % 100);
  config.NetDGTaken = ok;
}

}  // namespace bingo
