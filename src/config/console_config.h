#pragma once
// The console's settings record: built-in defaults, then the start-up
// sequence, then the INI file beside the program. Fields in the order in which
// the INI file is read and written.

#include <cstdint>
#include <string>

namespace bingo {

// The fixed default server computer name.
inline constexpr const char* kDefaultServerName = "bingoserver";

struct ConsoleConfig {
  std::string NetPC;                  // [Net] PC
  std::string FoldersNet;             // [Folders] Net
  std::string FilesFrame;             // [Files] Frame
  std::string FilesOff1;              // [Files] Off1
  std::string FilesOff2;              // [Files] Off2
  std::string FilesOff3;              // [Files] Off3
  std::string FilesAltS;              // [Files] AltS
  std::string FilesAltN;              // [Files] AltN
  std::uint16_t TimerInterval = 100;  // [Timer] Interval
  bool TimerEnabled = true;           // [Timer] Enabled
  bool NetDGEnabled = false;          // [NetDG] Enabled
  bool NetDGTaken = false;            // [NetDG] Taken
  std::uint16_t NetDGRB = 0;          // [NetDG] RB
  std::string NetDGExt;               // [NetDG] Ext
  std::string NetDGName;              // [NetDG] Name
  std::string NetDGFolder;            // [NetDG] Folder
  std::string NetDGFolderNet;         // [NetDG] FolderNet
  std::string NetDGFolderTmp;         // [NetDG] FolderTmp
  std::uint16_t NetDGLOPmin = 2;      // [NetDG] LOPmin
  std::uint16_t NetDGLOPmax = 5;      // [NetDG] LOPmax
  std::uint8_t Jezik = 0;             // [Jezik] Jezik
  std::int32_t UnosLimit = 0;         // [Unos] Limit
  std::uint16_t FormTop = 0;          // [Form] Top
  std::uint16_t FormLeft = 0;         // [Form] Left
  std::uint16_t FormHeight = 748;     // [Form] Height
  std::uint16_t FormWidth = 1032;     // [Form] Width
  bool Bub2Enabled = false;           // [Bub2] Enabled
  bool Bub2RS232 = false;             // [Bub2] RS232
  bool Bub2LAN = false;               // [Bub2] LAN
  bool Bub2AltS = false;              // [Bub2] AltS
  bool WBShow = false;                // [WB] Show
  bool WBCam2 = false;                // [WB] Cam2
  std::string WBURL0;                 // [WBURL] URL0
  std::string WBURL1;                 // [WBURL] URL1
  std::string WBURL2;                 // [WBURL] URL2
  bool ScreenFit = false;             // [Screen] Fit: scale the layout to fill the screen
};

}  // namespace bingo
