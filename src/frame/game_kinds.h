#pragma once
// The game-kind table: short and long names of the 13 kinds of game the
// server announces in VI, and which fund each kind plays for. Built in, and
// replaced once at start from "cVIw.Txt" when that file reads cleanly.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace bingo {

struct GameKind {
  std::string shortName;
  std::string longName;
  std::uint8_t fundCode = 0;  // 1..6: the fund row this kind plays for; 0: none
};

inline constexpr int kGameKindCount = 13;
inline constexpr const char* kGameKindFile = "cVIw.Txt";

class GameKinds {
 public:
  GameKinds() { restoreBuiltIns(); }

  // Built-in table, then "cVIw.Txt" from the server's share folder when the
  // server answers and the file is there, else from the working directory.
  // Any read or close failure restores the whole built-in table.
  void GameKinds_Load(FileSystem& fs, bool serverAnswers, const std::string& FoldersNet);

  // Replaces the table from the text of a game-kind file; false (and the
  // built-in table) when a line cannot be read.
  bool loadText(std::string_view text);

  // Entry `index`, 0..12; any other index gives entry 0.
  const GameKind& entry(int index) const;
  // Caption of fund row n (0..5): the long name of the first entry playing for
  // fund n + 1, else entry 5's.
  std::string FundName(int n) const;

  void restoreBuiltIns();

 private:
  std::array<GameKind, kGameKindCount> m_kinds;
};

}  // namespace bingo
