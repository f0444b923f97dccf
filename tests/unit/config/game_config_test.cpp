#include "config/game_config.h"

#include <gtest/gtest.h>

#include <cstring>

#include "config/record_files.h"
#include "config_fixture.h"
#include "support/hex.h"

namespace bingo {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::hex;

// The bytes at `at` replaced by `bytes`, on top of `base`.
Bytes patched(Bytes base, std::initializer_list<std::pair<std::size_t, const char*>> changes) {
  for (const auto& [at, text] : changes) {
    const Bytes run = hex(text);
    std::copy(run.begin(), run.end(), base.begin() + static_cast<std::ptrdiff_t>(at));
  }
  return base;
}

// The default record, byte by byte: card counts 1944, 5952, 2000, 24192 at
// 22, 150, 10 and 15000000 at 128, 0.2, 0.4, 0.4 at 152.
const Bytes kDefaults =
    patched(Bytes(kGameConfigSize, 0), {{0, "02 4332"},
                                        {8, "01"},
                                        {22, "9807 4017 D007 805E"},
                                        {88, "3439"},
                                        {108, "01"},
                                        {128, "96000000 0A000000 C0E1E400"},
                                        {152, "9A9999999999C93F 9A9999999999D93F 9A9999999999D93F"},
                                        {192, "01 01 00 01 00 01 01 00 01"},
                                        {208, "01 01 01"}});

GameConfigRecord asRecord(const Bytes& bytes) {
  GameConfigRecord r{};
  std::copy(bytes.begin(), bytes.end(), r.begin());
  return r;
}

// Each row changes the defaults at one offset and gives the bytes found there
// after the check; the valid file of the next test shows the defaults pass.
TEST(GameConfig, CheckRulesTakeTheAbsoluteValueModuloN) {
  const std::tuple<std::size_t, const char*, const char*, bool> rows[] = {
      // offset, bytes written there, bytes found there after the check (a longer run for 128), valid
      {72, "16FCFFFF", "01000000", true},                     // -1002 -> 1
      {100, "00000080", "DD580700", true},                    // most negative i32 -> 481501
      {128, "F9FFFFFF", "07000000 0A000000 60AE0A00", true},  // -7: 7, then 700000 at 136
      {128, "9F860100", "9F860100 0A000000 605D0A54", true},  // 99999: the low 32 bits of 9999900000
      {152, "000000000000E0BF", "000000000000E03F", true},    // f64 made positive
      {22, "0500", "0500", false},                            // type 0 count 5
      {22, "0A00", "0A00", true},
      {24, "1127", "1127", false},
      {24, "1027", "1027", true},  // type 1 at most 10000
      {26, "0500", "0500", true},  // type 2 count is no part of the test
  };
  for (const auto& [at, in, out, valid] : rows) {
    GameConfigRecord r = asRecord(patched(kDefaults, {{at, in}}));
    EXPECT_EQ(GameConfig_Check(r), valid) << at << " " << in;
    EXPECT_EQ(r, asRecord(patched(kDefaults, {{at, out}}))) << at << " " << in;
  }
  EXPECT_EQ(GameConfig_Defaults(), asRecord(kDefaults));
}

// Every byte 0x80 + 7 x offset (mod 256), checked: each rule's offset and modulus shows.
TEST(GameConfig, CheckRulesOnEveryCheckedField) {
  GameConfigRecord r;
  for (std::size_t i = 0; i < r.size(); ++i) r[i] = static_cast<std::uint8_t>(0x80 + i * 7);
  EXPECT_FALSE(GameConfig_Check(r));
  EXPECT_EQ(Bytes(r.begin(), r.end()), hex("80878E95000100B100010001D4DB06E9F0F7FE050C131A21282F363D444B5259"
                                           "00676E757C838A91989FA6ADB4BBC2C9D00D141B22293001080F161D242B3239"
                                           "40474E5501086A71E20200006B020000B0B7BEC5CCD3DAE13239F6FDA4020000"
                                           "1B03000029830C00585F666D747B828990979EA5ACB3BAC1C8CFD6DDE4EBF2F9"
                                           "809F00005400000000B060F3545B626970777E858C939AA1A8AFB6BDC4CBD259"
                                           "E0E7EEF5FC030A11181F262D343B4249AC5F0A00CA5D0A00888F969DA4ABB2B9"
                                           "C0C7CED5DCE3EAF1F8FF060D141B222930373E454C535A61686F767D848B9299"
                                           "A0A7AEB5BCC3CAD1D8DFE6EDF4FB0209"));
}

// A 240-byte file that passes the check is loaded as checked (3 at offset 8
// reads 1) and left as it is; any other is replaced by the defaults.
TEST(GameConfig, IniLoadsAValidFileAndReplacesAnyOther) {
  const Bytes valid = patched(kDefaults, {{8, "03"}, {14, "04"}}), loaded = patched(kDefaults, {{14, "04"}});
  Bytes longer = valid, shorter = valid;
  longer.push_back(0);
  shorter.pop_back();
  const std::tuple<Bytes, bool, Bytes> rows[] = {
      // file, rewrite refused, in memory
      {valid, false, loaded},      {longer, false, kDefaults},
      {shorter, false, kDefaults}, {patched(valid, {{22, "0500"}}), false, kDefaults},
      {longer, true, kDefaults},
  };
  for (const auto& [file, refused, inMemory] : rows) {
    test::ConfigFixture f;
    f.fs.addFile(f.names.PathGameConfig, file);
    if (refused) f.fs.fail(FileOp::Write, f.names.PathGameConfig);
    ConfigRecords records;
    GameConfig_Ini(f.io, records);
    EXPECT_EQ(Bytes(records.GameConfig.begin(), records.GameConfig.end()), inMemory) << file.size();
    EXPECT_EQ(f.fs.bytes(f.names.PathGameConfig), inMemory == loaded || refused ? file : kDefaults);
    EXPECT_EQ(f.trace()[1], refused ? "Neuspesno snimanje fajla : C:\\Orma\\Bingo\\Arh\\CfgW\\CfgC2.cfg"
                                    : "Ucitan  je: CFG_Ini");
  }
}

}  // namespace
}  // namespace bingo
