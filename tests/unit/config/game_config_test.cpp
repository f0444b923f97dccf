#include "config/game_config.h"

#include <gtest/gtest.h>

#include <cstring>

#include "config/record_files.h"
#include "config_fixture.h"

namespace bingo {
namespace {

// The default record, byte by byte from the record's table.
GameConfigRecord literalDefaults() {
  GameConfigRecord r{};
  const std::pair<std::size_t, std::vector<std::uint8_t>> bytes[] = {
      {0, {0x02, 'C', '2'}},
      {8, {0x01}},
      {22, {0x98, 0x07, 0x40, 0x17, 0xD0, 0x07, 0x80, 0x5E}},  // 1944, 5952, 2000, 24192
      {88, {0x34, 0x39}},
      {108, {0x01}},
      {128, {0x96, 0x00, 0x00, 0x00, 0x0A, 0x00, 0x00, 0x00, 0xC0, 0xE1, 0xE4, 0x00}},  // 150, 10, 15000000
      {152, {0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xC9, 0x3F}},                          // 0.2
      {160, {0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xD9, 0x3F}},                          // 0.4
      {168, {0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xD9, 0x3F}},                          // 0.4
      {192, {0x01, 0x01, 0x00, 0x01, 0x00, 0x01, 0x01, 0x00, 0x01}},
      {208, {0x01, 0x01, 0x01}},
  };
  for (const auto& [at, run] : bytes) std::memcpy(r.data() + at, run.data(), run.size());
  return r;
}

std::vector<std::uint8_t> withBytes(std::vector<std::pair<std::size_t, std::vector<std::uint8_t>>> changes,
                                    std::size_t size = kGameConfigSize) {
  const GameConfigRecord base = literalDefaults();
  std::vector<std::uint8_t> file(base.begin(), base.end());
  file.resize(size);
  for (const auto& [at, run] : changes) std::memcpy(file.data() + at, run.data(), run.size());
  return file;
}

TEST(GameConfig, DefaultsAreTheLiteralRecordAndPassTheCheck) {
  GameConfigRecord r = GameConfig_Defaults();
  EXPECT_EQ(r, literalDefaults());
  EXPECT_TRUE(GameConfig_Check(r));
  EXPECT_EQ(r, literalDefaults());
}

TEST(GameConfig, CheckRulesTakeTheAbsoluteValueModuloN) {
  struct Row {
    const char* what;
    std::vector<std::pair<std::size_t, std::vector<std::uint8_t>>> in;
    std::size_t at;
    std::vector<std::uint8_t> expected;
    bool valid;
  };
  const Row rows[] = {
      {"offset 8 = 3", {{8, {3}}}, 8, {1}, true},
      {"offset 9 mod 5", {{9, {7}}}, 9, {2}, true},
      {"offset 14 mod 10", {{14, {25}}}, 14, {5}, true},
      {"offset 63 mod 101", {{63, {202}}}, 63, {0}, true},
      {"offset 69 mod 91", {{69, {200}}}, 69, {18}, true},
      {"offset 89 mod 91", {{89, {0xFF}}}, 89, {73}, true},
      {"offset 48 has no rule", {{48, {0xFF}}}, 48, {0xFF}, true},
      {"i32 at 72, negative", {{72, {0x16, 0xFC, 0xFF, 0xFF}}}, 72, {0x01, 0x00, 0x00, 0x00}, true},  // -1002
      {"most negative i32 at 100",
       {{100, {0x00, 0x00, 0x00, 0x80}}},
       100,
       {0xDD, 0x58, 0x07, 0x00},
       true},                                                                               // 481501
      {"offset 132 mod 1000", {{132, {0xC4, 0x09, 0, 0}}}, 132, {0xF4, 0x01, 0, 0}, true},  // 2500 -> 500
      {"offset 128 = 7", {{128, {7, 0, 0, 0}}}, 136, {0x60, 0xAE, 0x0A, 0x00}, true},       // 700000
      {"offset 128 = -7",
       {{128, {0xF9, 0xFF, 0xFF, 0xFF}}},
       128,
       {7, 0, 0, 0, 10, 0, 0, 0, 0x60, 0xAE, 0x0A, 0x00},
       true},
      {"offset 128 = 99999 keeps the low 32 bits of 136",
       {{128, {0x9F, 0x86, 0x01, 0x00}}},
       136,
       {0x60, 0x5D, 0x0A, 0x54},
       true},  // 9999900000 mod 2^32
      {"f64 at 152 made positive",
       {{152, {0, 0, 0, 0, 0, 0, 0xE0, 0xBF}}},
       152,
       {0, 0, 0, 0, 0, 0, 0xE0, 0x3F},
       true},
      {"type 0 count 5", {{22, {5, 0}}}, 22, {5, 0}, false},
      {"type 0 count 10", {{22, {10, 0}}}, 22, {10, 0}, true},
      {"type 1 count 10001", {{24, {0x11, 0x27}}}, 24, {0x11, 0x27}, false},
      {"type 1 count 10000", {{24, {0x10, 0x27}}}, 24, {0x10, 0x27}, true},
      {"type 2 count is no part of the test", {{26, {5, 0}}}, 26, {5, 0}, true},
  };
  for (const Row& row : rows) {
    const auto file = withBytes(row.in);
    GameConfigRecord r;
    std::copy(file.begin(), file.end(), r.begin());
    EXPECT_EQ(GameConfig_Check(r), row.valid) << row.what;
    EXPECT_EQ(std::vector<std::uint8_t>(r.begin() + row.at, r.begin() + row.at + row.expected.size()),
              row.expected)
        << row.what;
  }
}

TEST(GameConfig, IniLoadsAValidFileAndReplacesAnyOther) {
  struct Row {
    const char* what;
    std::optional<std::vector<std::uint8_t>> file;
    bool rewritten;
    std::size_t at;
    std::vector<std::uint8_t> inMemory;
  };
  const Row rows[] = {
      {"missing", std::nullopt, true, 8, {1}},
      {"241 bytes", withBytes({{8, {0}}}, 241), true, 8, {1}},
      {"239 bytes", withBytes({{8, {0}}}, 239), true, 8, {1}},
      {"offset 22 is 5", withBytes({{22, {5, 0}}, {14, {4}}}), true, 14, {0}},
      {"offset 8 is 3", withBytes({{8, {3}}}), false, 8, {1}},
      {"offset 128 is 7", withBytes({{128, {7, 0, 0, 0}}}), false, 136, {0x60, 0xAE, 0x0A, 0x00}},
  };
  for (const Row& row : rows) {
    test::ConfigFixture f;
    if (row.file) f.fs.addFile(f.names.PathGameConfig, *row.file);
    ConfigRecords records;
    GameConfig_Ini(f.io, records);
    const GameConfigRecord defaults = literalDefaults();
    const auto expectedFile =
        row.rewritten ? std::vector<std::uint8_t>(defaults.begin(), defaults.end()) : *row.file;
    EXPECT_EQ(f.fs.bytes(f.names.PathGameConfig), expectedFile) << row.what;
    EXPECT_EQ(f.fs.count(FileOp::Write), row.rewritten ? 1 : 0) << row.what;
    EXPECT_EQ(std::vector<std::uint8_t>(records.GameConfig.begin() + row.at,
                                        records.GameConfig.begin() + row.at + row.inMemory.size()),
              row.inMemory)
        << row.what;
    EXPECT_EQ(f.trace(), (std::vector<std::string>{"Ucitava se: CFG_Ini...", "Ucitan  je: CFG_Ini"}))
        << row.what;
  }
}

TEST(GameConfig, AFailedWriteIsTracedAndTheDefaultsStay) {
  test::ConfigFixture f;
  f.fs.fail(FileOp::Write, f.names.PathGameConfig);
  ConfigRecords records;
  GameConfig_Ini(f.io, records);
  EXPECT_EQ(records.GameConfig, literalDefaults());
  EXPECT_EQ(f.trace(),
            (std::vector<std::string>{"Ucitava se: CFG_Ini...",
                                      "Neuspesno snimanje fajla : C:\\Orma\\Bingo\\Arh\\CfgW\\CfgC2.cfg",
                                      "Ucitan  je: CFG_Ini"}));
}

}  // namespace
}  // namespace bingo
