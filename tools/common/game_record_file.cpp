#include "common/game_record_file.h"

#include "platform/text.h"

namespace bingo::tools {
namespace {

constexpr std::size_t kSellerStride = 6, kSellerNameLength = 5;
constexpr std::size_t kCityNameLength = 8;
// Six sold ranges: first ticket, one past the last ticket, count; then the total sold.
constexpr std::size_t kSoldFirst = 1968, kSoldEnd = 1980, kSoldCount = 1992, kSoldTotal = 1880;

}  // namespace

std::string gameRecordName(const LocalTime& at, char cityLetter, std::uint8_t kolo) {
  return formatText("%02d%02d%02d%c%02d%02d%02d%03u.DG", at.year % 100, at.month, at.day, cityLetter, at.hour,
                    at.minute, at.second, static_cast<unsigned>(kolo));
}

GameRecord makeGameRecord(const FrameState& round, char cityLetter) {
  GameRecord record;
  ByteWriter w = record.writer();
  w.u8(GameRecord::kGameType, round.vt);
  w.shortString(GameRecord::kCityName, std::string(1, cityLetter), kCityNameLength);
  std::int32_t total = 0;
  for (std::size_t n = 0; n < round.sold.size(); ++n) {
    w.shortString(GameRecord::kSellerNames + kSellerStride * n, formatText("PR%zu ", n), kSellerNameLength);
    const auto& range = round.sold[n];
    if (range.first == 0 || range.first >= range.last) continue;
    const auto count = static_cast<std::uint16_t>(range.last - range.first + 1);
    w.u16le(kSoldFirst + 2 * n, static_cast<std::uint16_t>(range.first));
    w.u16le(kSoldEnd + 2 * n, static_cast<std::uint16_t>(range.last + 1));
    w.u16le(kSoldCount + 2 * n, count);
    total += count;
  }
  w.i32le(kSoldTotal, total);
  return record;
}

}  // namespace bingo::tools
