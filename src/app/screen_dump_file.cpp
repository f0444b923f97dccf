#include "app/screen_dump_file.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "display/model/screen_dump.h"
#include "display/model/screen_model.h"

namespace bingo {

ScreenDumpFile ScreenDumpFile::fromEnvironment() {
  const char* path = std::getenv("BINGO_SCREEN_DUMP");
  return ScreenDumpFile(path ? path : "");
}

void ScreenDumpFile::update(const ScreenModel& model, std::int32_t TimerCount) {
  if (m_path.empty() || model.revision() == m_writtenRevision) return;
  const std::string temporary = m_path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return;
    out << screenDumpJson(model, TimerCount);
    if (!out.flush()) return;
  }
  if (std::rename(temporary.c_str(), m_path.c_str()) == 0) m_writtenRevision = model.revision();
}

}  // namespace bingo
