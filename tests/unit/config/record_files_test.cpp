#include "config/record_files.h"

#include <gtest/gtest.h>

#include "config_fixture.h"

namespace bingo {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Any other size is replaced by the defaults (bytes 20 and 21 set); a refused
// write of them is passed over silently.
TEST(ComConfig, OnlyA36ByteFileIsLoaded) {
  Bytes defaults(36, 0), own(36), longer;
  defaults[20] = defaults[21] = 1;
  for (std::size_t i = 0; i < own.size(); ++i) own[i] = static_cast<std::uint8_t>(0xA0 + i);
  longer = own;
  longer.push_back(0);
  const std::tuple<std::optional<Bytes>, bool, Bytes, Bytes> rows[] = {
      // file, write refused, in memory, on disk
      {std::nullopt, false, defaults, defaults}, {own, false, own, own},
      {longer, false, defaults, defaults},       {Bytes{}, false, defaults, defaults},
      {std::nullopt, true, defaults, {}},
  };
  for (const auto& [file, refused, inMemory, onDisk] : rows) {
    test::ConfigFixture f;
    if (file) f.fs.addFile(f.names.PathComConfig, *file);
    if (refused) f.fs.fail(FileOp::Write, f.names.PathComConfig);
    ConfigRecords records;
    ComConfig_Ini(f.io, records);
    EXPECT_EQ(Bytes(records.ComConfig.begin(), records.ComConfig.end()), inMemory) << file.has_value();
    EXPECT_EQ(f.fs.bytes(f.names.PathComConfig), onDisk);
    EXPECT_EQ(f.fs.count(FileOp::Write), inMemory == own ? 0 : 1);
    EXPECT_EQ(f.trace().size(), 2u);
  }
}

TEST(Protocol, TheFirstByteOrEightWrittenOut) {
  const std::string path = "C:\\Orma\\Bingo\\Arh\\CfgW\\ProtklW.cfg";
  const std::string read = "Protokol.cfg READ : " + path, save = "Protokol.cfg SAVE : " + path;
  const std::tuple<std::optional<Bytes>, bool, std::uint8_t, Bytes, std::vector<std::string>> rows[] = {
      // file, write refused, protocol byte, file afterwards, trace
      {Bytes{9}, false, 9, {9}, {}},
      {Bytes{9, 8, 7}, false, 9, {9, 8, 7}, {}},
      {Bytes{}, false, 8, {8}, {read}},
      {std::nullopt, false, 8, {8}, {read}},
      {std::nullopt, true, 8, {}, {read, save}},
  };
  for (const auto& [file, refused, expected, onDisk, trace] : rows) {
    test::ConfigFixture f;
    if (file) f.fs.addFile(path, *file);
    if (refused) f.fs.fail(FileOp::Write, path);
    ConfigRecords records;
    records.ProtocolByte = 0;
    EXPECT_EQ(Protocol_Main(f.io, records) * 1000 + records.ProtocolByte, expected * 1001);
    EXPECT_EQ(f.fs.bytes(path), onDisk);
    EXPECT_EQ(f.trace(), trace);
  }
}

}  // namespace
}  // namespace bingo
