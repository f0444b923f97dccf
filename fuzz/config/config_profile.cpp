// The console INI file read from any bytes, then written back and read again.

#include <cstddef>
#include <cstdint>

#include "config/console_ini.h"
#include "config/profile_file.h"
#include "platform/app_error.h"
#include "support/fake_file_system.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace bingo;
  constexpr const char* kProgram = "C:\\Orma\\ClientBingo.exe";
  test::FakeFileSystem fs;
  fs.addFile("c:\\orma\\clientbingo.ini", std::vector<std::uint8_t>(data, data + size));

  ConsoleConfig config;
  ConsoleConfig_SetDefaults(config, fs);
  ConsoleIni_Read(config, fs, kProgram);
  try {
    ConsoleIni_Write(config, fs, kProgram);
  } catch (const AppError&) {
    return 0;  // a file beyond what a save reads whole is refused, and kept
  }

  // Whatever the file held, every value of ours reads back as written.
  ConsoleConfig again;
  ConsoleIni_Read(again, fs, kProgram);
  if (again.TimerInterval != config.TimerInterval || again.FormWidth != config.FormWidth ||
      again.UnosLimit != config.UnosLimit || again.Jezik != config.Jezik || again.WBShow != config.WBShow)
    __builtin_trap();
  return 0;
}
