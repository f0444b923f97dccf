#pragma once
// The installation's fixed folder tree, as Windows path texts.

namespace bingo {

inline constexpr const char* kFolderWindows = "C:\\Windows";
inline constexpr const char* kFolderInstall = "C:\\Orma\\Bingo\\Arh";
inline constexpr const char* kFolderDg = "C:\\Orma\\Bingo\\Arh\\Dg";
inline constexpr const char* kFolderBub = "C:\\Orma\\Bingo\\Arh\\Bub";
inline constexpr const char* kFolderDmg = "C:\\Orma\\Bingo\\Arh\\DMG";
inline constexpr const char* kFolderLog = "C:\\Orma\\Bingo\\Arh\\Log";
inline constexpr const char* kFolderConfig = "C:\\Orma\\Bingo\\Arh\\CfgW";
inline constexpr const char* kFolderNetLocal = "C:\\Orma\\Bingo\\Arh\\Net";
inline constexpr const char* kFolderWav = "D:\\Orma\\Wav";
inline constexpr const char* kFolderWavTemp = "C:\\Orma\\Wav\\Temp";
inline constexpr const char* kFolderRep = "C:\\Orma\\Bingo\\Arh\\Rep";
inline constexpr const char* kFolderBat = "C:\\Orma\\Bingo\\Arh\\Bat";

inline constexpr const char* kShutDownBat = "C:\\Orma\\Bingo\\Arh\\Bat\\ShutDown.bat";
inline constexpr const char* kShutDownRBat = "C:\\Orma\\Bingo\\Arh\\Bat\\ShutDownR.bat";

// The program's version text, shown in the status bar and the About box.
inline constexpr const char* kProgramVersion = "2.3.4-[151031]";
inline constexpr const char* kApplicationTitle = "Bingo";

}  // namespace bingo
