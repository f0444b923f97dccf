#include "config/record_files.h"

#include <gtest/gtest.h>

#include "config_fixture.h"

namespace bingo {
namespace {

std::vector<std::uint8_t> comDefaults() {
  std::vector<std::uint8_t> r(36, 0);
  r[20] = r[21] = 1;
  return r;
}

TEST(ComConfig, OnlyA36ByteFileIsLoaded) {
  std::vector<std::uint8_t> own(36);
  for (std::size_t i = 0; i < own.size(); ++i) own[i] = static_cast<std::uint8_t>(0xA0 + i);
  std::vector<std::uint8_t> longer = own;
  longer.push_back(0);
  struct Row {
    const char* what;
    std::optional<std::vector<std::uint8_t>> file;
    std::vector<std::uint8_t> expected;  // in memory and on disk
    int writes;
  };
  const Row rows[] = {
      {"missing", std::nullopt, comDefaults(), 1},
      {"36 bytes", own, own, 0},
      {"37 bytes", longer, comDefaults(), 1},
      {"empty", std::vector<std::uint8_t>{}, comDefaults(), 1},
  };
  for (const Row& row : rows) {
    test::ConfigFixture f;
    if (row.file) f.fs.addFile(f.names.PathComConfig, *row.file);
    ConfigRecords records;
    ComConfig_Ini(f.io, records);
    EXPECT_EQ(std::vector<std::uint8_t>(records.ComConfig.begin(), records.ComConfig.end()), row.expected)
        << row.what;
    EXPECT_EQ(f.fs.bytes(f.names.PathComConfig), row.expected) << row.what;
    EXPECT_EQ(f.fs.count(FileOp::Write), row.writes) << row.what;
    EXPECT_EQ(f.trace(), (std::vector<std::string>{"Ucitava se: CfgCOM_Ini...", "Ucitan  je: CfgCOM_Ini"}));
  }
}

TEST(ComConfig, AFailedWriteIsPassedOverSilently) {
  test::ConfigFixture f;
  f.fs.fail(FileOp::Write, f.names.PathComConfig);
  ConfigRecords records;
  ComConfig_Ini(f.io, records);
  EXPECT_EQ(std::vector<std::uint8_t>(records.ComConfig.begin(), records.ComConfig.end()), comDefaults());
  EXPECT_EQ(f.trace().size(), 2u);
}

TEST(Protocol, TheFirstByteOrEightWrittenOut) {
  const std::string path = "C:\\Orma\\Bingo\\Arh\\CfgW\\ProtklW.cfg";
  struct Row {
    const char* what;
    std::optional<std::vector<std::uint8_t>> file;
    bool writeRefused;
    std::uint8_t expected;
    std::vector<std::uint8_t> onDisk;
    std::vector<std::string> trace;
  };
  const Row rows[] = {
      {"byte 9", std::vector<std::uint8_t>{9}, false, 9, {9}, {}},
      {"longer file, first byte", std::vector<std::uint8_t>{9, 8, 7}, false, 9, {9, 8, 7}, {}},
      {"empty", std::vector<std::uint8_t>{}, false, 8, {8}, {"Protokol.cfg READ : " + path}},
      {"missing", std::nullopt, false, 8, {8}, {"Protokol.cfg READ : " + path}},
      {"missing, write refused",
       std::nullopt,
       true,
       8,
       {},
       {"Protokol.cfg READ : " + path, "Protokol.cfg SAVE : " + path}},
  };
  for (const Row& row : rows) {
    test::ConfigFixture f;
    if (row.file) f.fs.addFile(path, *row.file);
    if (row.writeRefused) f.fs.fail(FileOp::Write, path);
    ConfigRecords records;
    records.ProtocolByte = 0;
    EXPECT_EQ(Protocol_Main(f.io, records), row.expected) << row.what;
    EXPECT_EQ(records.ProtocolByte, row.expected) << row.what;
    EXPECT_EQ(f.fs.bytes(path), row.onDisk) << row.what;
    EXPECT_EQ(f.trace(), row.trace) << row.what;
  }
}

}  // namespace
}  // namespace bingo
