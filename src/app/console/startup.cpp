#include "app/console/startup.h"

#include <algorithm>

#include "config/city_file.h"
#include "config/fund_definitions.h"
#include "config/fund_modes.h"
#include "config/game_config.h"
#include "config/record_files.h"
#include "platform/folders.h"
#include "platform/text.h"

namespace bingo {
namespace {

constexpr std::size_t kSellers = 6;
constexpr std::size_t kSellerLength = 5;  // length byte + 5 characters each

struct SuperPrize {
  std::size_t offset;
  std::int32_t value;
};
constexpr SuperPrize kSuperPrizes[] = {{904, 5}, {908, 15}, {1272, 35}, {1276, 46}};

constexpr std::size_t kNextF3 = 20;      // cleared at every start
constexpr std::size_t kImaPromene = 23;  // cleared at every start

// Runs one step between its "Ucitava se" and "Ucitan  je" trace lines.
template <class Step>
void traced(Logs& logs, std::string_view name, Step&& step) {
  logs.Trace_Begin(name);
  step();
  logs.Trace_End(name);
}

}  // namespace

bool IsConsoleRole(std::string_view programPath) {
  const auto separator = programPath.find_last_of("\\/");
  const std::string_view name =
      separator == std::string_view::npos ? programPath : programPath.substr(separator + 1);
  return !name.empty() && asciiUpper(name.front()) == 'C';
}

std::string TodayYYMMDD(const Clock& clock) {
  const LocalTime t = clock.now();
  return formatText("%02d%02d%02d", t.year % 100, t.month, t.day);
}

bool DGFind_First(FileSystem& fs, GameRecord& record) {
  auto names = fs.listFiles(kFolderDg, "*.dg");
  if (!names || names->empty()) return false;
  std::sort(names->begin(), names->end());
  const auto bytes = readFileBytes(fs, std::string(kFolderDg) + "\\" + names->front(), GameRecord::kSize);
  if (!bytes || bytes->size() != GameRecord::kSize) return false;
  std::copy(bytes->begin(), bytes->end(), record.bytes().begin());
  return true;
}

void Startup_Run(const StartupServices& s, StartupState& state) {
  Logs& logs = s.logs;
  Housekeeping& hk = s.housekeeping;
  const bool console = IsConsoleRole(s.programPath);

  traced(logs, "AppHalt_Folders_Make", [&] { hk.AppHalt_Folders_Make(console); });
  traced(logs, "AppHalt_FileAndFold_Names_Make_Default",
         [&] { hk.AppHalt_FileAndFold_Names_Make_Default(); });
  traced(logs, "AppHalt_Files_EraseOld", [&] { hk.AppHalt_Files_EraseOld(); });
  traced(logs, "AppHalt_Files_EraseOff", [&] { hk.AppHalt_Files_EraseOff(); });
  traced(logs, "AppHalt_Files", [&] { hk.AppHalt_Files(); });

  // The game record lives in the state already; the other work areas are the
  // start-up card table and its sold flags. Nothing in the console uses any
  // other area of the installation's programs, so none is made.
  traced(logs, "uPoint_Ini", [&] { state.ticketBase.allocate(); });

  const ConfigIo io{s.fs, logs, hk.names()};
  ConfigRecords& records = state.records;
  GameRecord& dg = state.gameRecord;
  ComConfig_Ini(io, records);
  GameConfig_Ini(io, records);

  traced(logs, "FillChar (DG,0)&(BubKalin)", [&] { dg.clear(); });
  traced(logs, "uVI_Default",
         [&] { FundDefs_Default(records.FundDefs, records.GameConfig[kGameConfigFundRow]); });
  traced(logs, "uRezDef_Read", [&] { FundModes_Read(io, dg); });
  traced(logs, "uVI_Read", [&] {
    if (s.fs.exists(io.names.PathFundDefs) && !FundDefs_Read(io, records))
      FundDefs_Default(records.FundDefs, records.GameConfig[kGameConfigFundRow]);
  });
  traced(logs, "uGrad_Find", [&] {
    state.cityFromFile = City_Find(io, dg);
    logs.Trace_Write(std::string(state.cityFromFile ? "1 " : "0 ") + City_Name(dg) + " ");
  });
  traced(logs, "uDates_Find", [&] {
    state.TodayYYMMDD = TodayYYMMDD(s.clock);
    logs.Trace_Write(state.TodayYYMMDD + " ");
  });
  traced(logs, "Prodavci", [&] {
    ByteWriter w = dg.writer();
    for (std::size_t i = 0; i < kSellers; ++i)
      w.shortString(GameRecord::kSellerNames + (kSellerLength + 1) * i, "PR" + std::to_string(i) + " ",
                    kSellerLength);
  });
  traced(logs, "SuperPremije", [&] {
    ByteWriter w = dg.writer();
    for (const SuperPrize& p : kSuperPrizes) w.i32le(p.offset, p.value);
  });
  if (!console) {
    traced(logs, "uDGFind_First", [&] {
      DGFind_First(s.fs, dg);
      if (dg.reader().u8(GameRecord::kGameType) > 3) dg.writer().u8(GameRecord::kGameType, 0);
    });
  }

  // A game type above 3 counts as 0, as everywhere in the ticket base.
  const std::uint8_t recordType = dg.reader().u8(GameRecord::kGameType);
  const std::uint8_t gameType = recordType > 3 ? 0 : recordType;
  state.ticketBaseComplete = BazaTik_Check(io, records, state.ticketBase, gameType);
  records.GameConfig[kGameConfigBaseResult + gameType] = state.ticketBaseComplete ? 1 : 0;

  traced(logs, "uProtokl_Main", [&] { Protocol_Main(io, records); });
  if (!console) {
    // A step of the installation's other programs; it has nothing to do here.
    traced(logs, "uKug_Izv_UpDate", [] {});
  }
  traced(logs, "uIntervl_UpDate", [&] { rebuildStartupSoldMarks(state.ticketBase, dg, records.GameConfig); });
  traced(logs, "ImaPromene i NextF3", [&] {
    dg.writer().u8(kImaPromene, 0);
    dg.writer().u8(kNextF3, 0);
  });
}

}  // namespace bingo
