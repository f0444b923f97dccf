#include "frame/frame_file.h"

#include <cerrno>
#include <memory>

namespace bingo {

bool FrameFile::Frame_Read(const std::string& FilesFrame, FrameBytes& readCopy) {
  bool ok = true;
  int code = 0;
  if (!m_fs.exists(FilesFrame)) {
    ok = false;
    ++FrameMissingCount;
  }
  if (ok) {
    std::unique_ptr<ReadFile> file;
    code = m_fs.openRead(FilesFrame, file).code;
    if (code != 0) {
      ok = false;
      ++FrameOpenErrCount;
    } else {
      // One whole record or nothing: a file shorter than 384 bytes cannot be read.
      std::size_t total = 0;
      while (total < m_readBuffer.size()) {
        std::size_t got = 0;
        code = file->read(std::span(m_readBuffer).subspan(total), got).code;
        if (code != 0 || got == 0) break;
        total += got;
      }
      if (code == 0 && total < m_readBuffer.size()) code = EIO;
      if (code != 0) {
        ok = false;
        ++FrameReadErrCount;
      }
      if (!file->close().ok()) {
        ok = false;
        ++FrameCloseErrCount;
      }
    }
  }
  if (ok) readCopy = m_readBuffer;
  FrameReadOk = ok;
  if (!ok) {
    ++FrameFailCount;
    m_logs.Log_Error("IOResult : " + std::to_string(code) + " COUNT " + std::to_string(FrameFailCount) +
                     "  READ " + FilesFrame);
  }
  return ok;
}

std::string FramePaths_Settle(ConsoleConfig& config, FileSystem& fs) {
  const std::string defaultServer = kDefaultServerName;
  config.FilesFrame = "\\\\" + defaultServer + "\\net\\Frame.dat";
  const std::string named = readFirstLine(fs, kNetIdentityFile).value_or(std::string());
  if (!named.empty())
    config.NetPC = named;
  else if (config.NetPC.empty())
    config.NetPC = defaultServer;
  config.FoldersNet = "\\\\" + config.NetPC + "\\net";
  config.FilesFrame = config.FoldersNet + "\\Frame.dat";
  config.FilesOff1 = config.FoldersNet + "\\Off1.txt";
  config.FilesOff2 = config.FoldersNet + "\\Off2.txt";
  config.FilesOff3 = config.FoldersNet + "\\Off3.txt";
  config.FilesAltS = config.FoldersNet + "\\AltS.txt";
  config.FilesAltN = config.FoldersNet + "\\AltN.txt";
  return config.FilesFrame;
}

}  // namespace bingo
