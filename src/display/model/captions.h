#pragma once
// The three-language caption table and the choice of language. The language
// file "cJezik.txt" decides, once at start: its first letter M, A or S picks
// Macedonian, Albanian or Serbian; any other letter Albanian; no readable
// file Serbian.

#include <cstdint>
#include <string>

#include "platform/file_system.h"
#include "tickets/caption_source.h"

namespace bingo {

inline constexpr const char* kLanguageFileName = "cJezik.txt";

class Captions : public CaptionSource {
 public:
  std::uint8_t Jezik() const { return m_jezik; }
  void setJezik(std::uint8_t jezik) { m_jezik = jezik; }

  // Caption k of the current language; empty for a number the table does not
  // hold, above 99, or a language without texts.
  std::string JezikText(unsigned k) const override;

  // Sets Jezik from the language file: the share's file when the server
  // answers and the file is there, else the one in the working directory.
  void Language_Select(FileSystem& fs, bool serverAnswers, const std::string& FoldersNet);
  // The language file chosen by the last selection, shown among the diagnostic labels.
  const std::string& languageFilePath() const { return m_languageFilePath; }

 private:
  std::uint8_t m_jezik = 0;
  std::string m_languageFilePath;
};

// The caption of one language, independent of any console's choice.
std::string captionText(std::uint8_t Jezik, unsigned k);

}  // namespace bingo
