#pragma once
// The frame module's two operations on the whole of it: the reset at start and
// the read-and-accept cycle of every tick whose server ping succeeded.

#include <string>

#include "config/console_config.h"
#include "frame/frame.h"
#include "frame/frame_file.h"
#include "platform/file_system.h"

namespace bingo {

// All frame copies zero, Drawn, Sold and LopMax cleared, then the frame and
// command-file paths settled. Returns FilesFrame.
std::string Frame_Reset(Frame& frame, ConsoleConfig& config, FileSystem& fs);

// One read-and-accept cycle:
//   1. the accepted record becomes the previous record;
//   2. the file is read; a failed read returns false and changes nothing else;
//   3. each block 1..8 whose checksum is good (lengths of the layout accepted
//      so far) replaces its old contents; BlockValid keeps the results;
//   4. an accepted block 8 sets BingoPhase and HintSwitch from its flags;
//   5. an accepted block 4 rebuilds Sold and hands the sold ranges on;
//   6. an accepted block 2 unpacks Drawn and marks the board; the result is
//      whether the drawn-ball bytes changed (which also re-runs the analysis);
//   7. when block 2 was not accepted the result is true.
bool Frame_Update(Frame& frame, FrameFile& file, const ConsoleConfig& config);

}  // namespace bingo
