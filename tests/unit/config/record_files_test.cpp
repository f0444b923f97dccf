#include "config/record_files.h"

#include <gtest/gtest.h>

#include "config_fixture.h"

namespace bingo {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Any size but 36 is replaced by the defaults (bytes 20 and 21 set); a refused
// write of them is passed over silently. A missing file is the start-up's case.
TEST(ComConfig, OnlyA36ByteFileIsLoaded) {
  Bytes defaults(36, 0), own(36, 0xA5), longer(37, 0xA5);
  defaults[20] = defaults[21] = 1;
  for (const auto& [file, refused] :
       {std::pair{own, false}, {longer, false}, {Bytes{}, false}, {longer, true}}) {
    test::ConfigFixture f;
    f.fs.addFile(f.names.PathComConfig, file);
    if (refused) f.fs.fail(FileOp::Write, f.names.PathComConfig);
    ConfigRecords records;
    ComConfig_Ini(f.io, records);
    const Bytes& expected = file == own ? own : defaults;
    EXPECT_EQ(Bytes(records.ComConfig.begin(), records.ComConfig.end()), expected) << file.size();
    EXPECT_EQ(f.fs.bytes(f.names.PathComConfig), refused ? file : expected);
    EXPECT_EQ(f.fs.count(FileOp::Write), file == own ? 0 : 1);
  }
}

// The first byte, or 8 written out; a missing file is the start-up's case.
TEST(Protocol, TheFirstByteOrEightWrittenOut) {
  const std::string path = "C:\\Orma\\Bingo\\Arh\\CfgW\\ProtklW.cfg";
  const std::string read = "Protokol.cfg READ : " + path, save = "Protokol.cfg SAVE : " + path;
  // file, write refused, protocol byte, file afterwards, trace
  const std::tuple<Bytes, bool, std::uint8_t, Bytes, std::vector<std::string>> rows[] = {
      {Bytes{9}, false, 9, {9}, {}},
      {Bytes{9, 8, 7}, false, 9, {9, 8, 7}, {}},
      {Bytes{}, false, 8, {8}, {read}},
      {Bytes{}, true, 8, {}, {read, save}}};
  for (const auto& [file, refused, expected, onDisk, trace] : rows) {
    test::ConfigFixture f;
    f.fs.addFile(path, file);
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
