#include "app/console/startup_base.h"

#include <algorithm>
#include <memory>

#include "config/game_config.h"

namespace bingo {
namespace {

// Sold ranges n = 0..5 of the game record.
constexpr std::size_t kRangeFirst = 1968;   // u16, first ticket
constexpr std::size_t kRangeEnd = 1980;     // u16, one past the last ticket
constexpr std::size_t kRangeCount = 1992;   // u16, number of tickets
constexpr std::size_t kRangeAmount = 2004;  // u16, summed into the second total
constexpr std::size_t kRanges = 6;

// Merged runs k = 1..7.
constexpr std::size_t kRunFirst = 286;  // + 2k, u16
constexpr std::size_t kRunLast = 314;   // + 2k, u16
constexpr std::size_t kRunCount = 104;  // u8
constexpr std::size_t kMaxRuns = 7;
constexpr std::size_t kRunsOff = 1876;  // the byte 14 here leaves the runs empty
constexpr std::uint8_t kRunsOffValue = 14;

constexpr std::size_t kSoldTotal = 1880;    // i32
constexpr std::size_t kAmountTotal = 1884;  // i32

constexpr std::size_t kMaxTicket = 24192;

}  // namespace

bool BazaTik_Check(const ConfigIo& io, ConfigRecords& records, StartupTicketBase& base,
                   std::uint8_t gameType) {
  if (gameType > 3) gameType = 0;
  if (base.BazaTikTable.size() != kBazaTikCards * kBazaTikCardSize) base.allocate();
  io.logs.Trace_Write("Ucitava se: BazaTik. Molim sacekajte...");

  const std::string& path = io.names.PathTicketBase[gameType];
  const std::size_t expected = GameConfig_TicketCount(records.GameConfig, gameType);
  bool result = false;
  if (io.fs.exists(path)) {
    std::unique_ptr<ReadFile> file;
    if (!io.fs.openRead(path, file).ok()) {
      io.logs.Report_Error("Baza tiketa nije u redu!");
    } else {
      // The table holds 24193 cards; a larger expected count can never be met
      // and must not run past the table.
      const std::size_t wanted = std::min(expected, kBazaTikCards) * kBazaTikCardSize;
      std::size_t have = 0;
      bool ioOk = true;
      while (have < wanted) {
        std::size_t got = 0;
        if (!file->read(std::span(base.BazaTikTable).subspan(have, wanted - have), got).ok()) {
          ioOk = false;
          break;
        }
        if (got == 0) break;
        have += got;
      }
      if (!file->close().ok()) ioOk = false;
      // A trailing part of a card is no card.
      result = ioOk && have / kBazaTikCardSize == expected;
    }
    records.GameConfig[kGameConfigBaseResult + gameType] = result ? 1 : 0;
  }
  io.logs.Trace_Write(result ? "1 " : "0 ");
  io.logs.Trace_Write("Ucitan  je: BazaTik.");
  return result;
}

void rebuildStartupSoldMarks(StartupTicketBase& base, GameRecord& record,
                             const GameConfigRecord& gameConfig) {
  if (base.BazaTikSold.size() != kBazaTikFlags) base.allocate();
  std::fill(base.BazaTikSold.begin(), base.BazaTikSold.end(), std::uint8_t{0});
  ByteWriter w = record.writer();
  const ByteReader r = record.reader();

  std::int32_t soldTotal = 0;
  std::int32_t amountTotal = 0;
  for (std::size_t n = 0; n < kRanges; ++n) {
    const std::uint16_t first = r.u16le(kRangeFirst + 2 * n);
    const std::uint16_t end = r.u16le(kRangeEnd + 2 * n);
    const bool used = first > 0 && end > first;
    const std::uint16_t count = used ? static_cast<std::uint16_t>(end - first) : 0;
    w.u16le(kRangeCount + 2 * n, count);
    soldTotal += count;
    amountTotal += r.u16le(kRangeAmount + 2 * n);
    // Range ends come from the record as any u16; flags exist up to ticket 24193.
    if (used)
      std::fill(base.BazaTikSold.begin() + first,
                base.BazaTikSold.begin() + std::min<std::size_t>(end, kBazaTikFlags), std::uint8_t{1});
  }

  for (std::size_t k = 1; k <= kMaxRuns; ++k) {
    w.u16le(kRunFirst + 2 * k, 0);
    w.u16le(kRunLast + 2 * k, 0);
  }
  w.u8(kRunCount, 0);
  if (r.u8(kRunsOff) != kRunsOffValue) {
    const std::size_t last =
        std::min<std::size_t>(GameConfig_TicketCount(gameConfig, r.u8(GameRecord::kGameType)), kMaxTicket);
    std::size_t runs = 0;
    for (std::size_t t = 1; t <= last; ++t) {
      if (!base.BazaTikSold[t]) continue;
      if (!base.BazaTikSold[t - 1]) {
        if (runs == kMaxRuns) break;
        ++runs;
        w.u16le(kRunFirst + 2 * runs, static_cast<std::uint16_t>(t));
      }
      w.u16le(kRunLast + 2 * runs, static_cast<std::uint16_t>(t));
    }
    // A seventh run is written but counted as six, as the record has always held it.
    w.u8(kRunCount, static_cast<std::uint8_t>(runs == kMaxRuns ? kMaxRuns - 1 : runs));
  }
  w.i32le(kSoldTotal, soldTotal);
  w.i32le(kAmountTotal, amountTotal);
}

}  // namespace bingo
