#include "config/game_config.h"

#include <cmath>
#include <span>

#include "platform/bytes.h"

namespace bingo {
namespace {

enum class Width { U8, U16, I32, F64 };

// "mod n": the value is replaced by its absolute value modulo n; n = 0 keeps
// only the absolute value.
struct CheckRule {
  std::size_t offset;
  Width width;
  std::uint32_t modulus;
};

constexpr CheckRule kCheckRules[] = {
    {4, Width::U8, 2},          {5, Width::U8, 2},          {6, Width::U8, 2},
    {8, Width::U8, 2},          {9, Width::U8, 5},          {10, Width::U8, 2},
    {11, Width::U8, 2},         {14, Width::U8, 10},        {22, Width::U16, 100000},
    {24, Width::U16, 100000},   {26, Width::U16, 100000},   {28, Width::U16, 100000},
    {32, Width::U8, 2},         {49, Width::U8, 101},       {50, Width::U8, 101},
    {51, Width::U8, 101},       {52, Width::U8, 101},       {53, Width::U8, 101},
    {54, Width::U8, 101},       {55, Width::U8, 101},       {56, Width::U8, 101},
    {57, Width::U8, 101},       {58, Width::U8, 101},       {59, Width::U8, 101},
    {60, Width::U8, 101},       {61, Width::U8, 101},       {62, Width::U8, 101},
    {63, Width::U8, 101},       {68, Width::U8, 91},        {69, Width::U8, 91},
    {72, Width::I32, 1001},     {76, Width::I32, 1001},     {88, Width::U8, 91},
    {89, Width::U8, 91},        {92, Width::I32, 1001},     {96, Width::I32, 1001},
    {100, Width::I32, 1000001}, {128, Width::I32, 100000},  {132, Width::I32, 1000},
    {152, Width::F64, 0},       {160, Width::F64, 0},       {168, Width::F64, 0},
    {176, Width::I32, 1000001}, {180, Width::I32, 1000001},
};

constexpr std::size_t kPrizeBase = 128;  // i32; offset 136 := this x 100000
constexpr std::size_t kPrizeScaled = 136;

struct DefaultByte {
  std::size_t offset;
  std::uint8_t value;
};

// Single bytes that are not zero in the defaults. Bytes 1..2 are the record's
// own two-letter tag, the "C2" of its file name.
constexpr DefaultByte kDefaultBytes[] = {
    {0, 2},   {1, 'C'}, {2, '2'}, {8, 1},   {88, '4'}, {89, '9'}, {108, 1}, {192, 1},
    {193, 1}, {195, 1}, {197, 1}, {198, 1}, {200, 1},  {208, 1},  {209, 1}, {210, 1},
};

constexpr std::uint16_t kDefaultTicketCounts[4] = {1944, 5952, 2000, 24192};

std::uint32_t absMod(std::int64_t value, std::uint32_t modulus) {
  // Taken in 64 bits, so the most negative i32 has an absolute value too.
  const std::int64_t a = value < 0 ? -value : value;
  return static_cast<std::uint32_t>(modulus ? a % modulus : a);
}

}  // namespace

GameConfigRecord GameConfig_Defaults() {
  GameConfigRecord record{};
  ByteWriter w(record);
  for (const auto& d : kDefaultBytes) w.u8(d.offset, d.value);
  for (std::size_t t = 0; t < 4; ++t) w.u16le(kGameConfigTicketCount + 2 * t, kDefaultTicketCounts[t]);
  w.i32le(128, 150);
  w.i32le(132, 10);
  w.i32le(136, 15000000);
  w.f64le(152, 0.2);
  w.f64le(160, 0.4);
  w.f64le(168, 0.4);
  return record;
}

bool GameConfig_Check(GameConfigRecord& record) {
  const ByteReader r(record);
  ByteWriter w(record);
  for (const auto& rule : kCheckRules) {
    switch (rule.width) {
      case Width::U8:
        w.u8(rule.offset, static_cast<std::uint8_t>(absMod(r.u8(rule.offset), rule.modulus)));
        break;
      case Width::U16:
        w.u16le(rule.offset, static_cast<std::uint16_t>(absMod(r.u16le(rule.offset), rule.modulus)));
        break;
      case Width::I32:
        w.i32le(rule.offset, static_cast<std::int32_t>(absMod(r.i32le(rule.offset), rule.modulus)));
        break;
      case Width::F64:
        w.f64le(rule.offset, std::fabs(r.f64le(rule.offset)));
        break;
    }
  }
  // The product can pass the i32 range (offset 128 goes up to 99999); the
  // installation's programs keep its low 32 bits, and so does the console.
  const std::int64_t scaled = static_cast<std::int64_t>(r.i32le(kPrizeBase)) * 100000;
  w.u32le(kPrizeScaled, static_cast<std::uint32_t>(static_cast<std::uint64_t>(scaled)));

  const auto inRange = [](std::uint16_t n) { return n >= 10 && n <= 10000; };
  return inRange(r.u16le(kGameConfigTicketCount)) && inRange(r.u16le(kGameConfigTicketCount + 2));
}

std::uint16_t GameConfig_TicketCount(const GameConfigRecord& record, std::uint8_t gameType) {
  if (gameType > 3) gameType = 0;
  return ByteReader(record).u16le(kGameConfigTicketCount + 2 * std::size_t{gameType});
}

}  // namespace bingo
