#include "frame/frame_update.h"

namespace bingo {

std::string Frame_Reset(Frame& frame, ConsoleConfig& config, FileSystem& fs) {
  frame.clear();
  return FramePaths_Settle(config, fs);
}

bool Frame_Update(Frame& frame, FrameFile& file, const ConsoleConfig& config) {
  frame.keepPrevious();
  if (!file.Frame_Read(config.FilesFrame, frame.readCopy())) return false;
  return frame.acceptReadCopy();
}

}  // namespace bingo
