// The record and text files of the configuration folder read from any bytes.
// The first byte chooses the file.

#include <cstddef>
#include <cstdint>

#include "config/city_file.h"
#include "config/fund_definitions.h"
#include "config/fund_modes.h"
#include "config/game_config.h"
#include "config/record_files.h"
#include "support/fake_file_system.h"
#include "support/fakes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace bingo;
  if (size == 0) return 0;
  const std::string cfg = "C:\\Orma\\Bingo\\Arh\\CfgW\\";
  FileNames names;
  names.PathGameConfig = cfg + "CfgC2.cfg";
  names.PathComConfig = cfg + "COMw.cfg";
  names.PathProtocol = cfg + "ProtklW.cfg";
  names.PathCity = cfg + "GradW.txt";
  names.PathFundModes = cfg + "RezDefW.txt";
  names.PathFundDefs = cfg + "cVIw.txt";

  test::FakeFileSystem fs;
  fs.addFolder("C:\\Orma\\Bingo\\Arh\\Log");
  test::FakeClock clock;
  Logs logs(fs, clock, "C:\\Orma\\Bingo\\ClientBingo.exe");
  const ConfigIo io{fs, logs, names};
  ConfigRecords records;
  GameRecord record;
  const std::vector<std::uint8_t> bytes(data + 1, data + size);

  switch (data[0] % 5) {
    case 0: {
      fs.addFile(names.PathGameConfig, bytes);
      GameConfig_Ini(io, records);
      // The check rules hold on what they made.
      GameConfigRecord copy = records.GameConfig;
      if (!GameConfig_Check(copy) || copy != records.GameConfig) __builtin_trap();
      break;
    }
    case 1:
      fs.addFile(names.PathFundModes, bytes);
      FundModes_Read(io, record);
      break;
    case 2:
      fs.addFile(names.PathCity, bytes);
      City_Find(io, record);
      if (City_Name(record).size() > kCityMaxLength) __builtin_trap();
      break;
    case 3:
      fs.addFile(names.PathFundDefs, bytes);
      FundDefs_Read(io, records);
      break;
    case 4:
      fs.addFile(names.PathComConfig, bytes);
      fs.addFile(names.PathProtocol, bytes);
      ComConfig_Ini(io, records);
      Protocol_Main(io, records);
      break;
  }
  return 0;
}
