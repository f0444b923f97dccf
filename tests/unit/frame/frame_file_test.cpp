#include <gtest/gtest.h>

#include "frame/frame_update.h"
#include "frame_test_support.h"
#include "support/fake_file_system.h"
#include "support/fakes.h"

namespace bingo {
namespace {

constexpr const char* kErrorLog = "C:\\Orma\\Bingo\\Arh\\clientbingo.err";
constexpr const char* kFrameFile = "\\\\SRV7\\net\\Frame.dat";

struct Console {
  test::FakeFileSystem fs;
  test::FakeClock clock;
  Logs logs{fs, clock, "C:\\Orma\\Bingo\\Arh\\ClientBingo.exe"};
  test::RecordingEffects effects;
  Frame frame{effects};
  FrameFile file{fs, logs};
  ConsoleConfig config;

  Console() {
    fs.addFolder("C:\\Orma\\Bingo\\Arh");
    config.FilesFrame = kFrameFile;
  }
  bool tick() { return Frame_Update(frame, file, config); }
  std::vector<int> counters() const {
    return {file.FrameFailCount, file.FrameMissingCount, file.FrameOpenErrCount, file.FrameReadErrCount,
            file.FrameCloseErrCount};
  }
  void put(const FrameBytes& r, std::size_t size = kFrameSize) {
    std::vector<std::uint8_t> bytes(r.begin(), r.end());
    bytes.resize(size, 0x5A);
    fs.addFile(kFrameFile, bytes);
  }
};

std::string logLine(int code, int count) {
  return "09:30:15:250 IOResult : " + std::to_string(code) + " COUNT " + std::to_string(count) +
         "  READ \\\\SRV7\\net\\Frame.dat\r\n";
}

TEST(FrameFile, EveryFailedReadIsCountedLoggedAndLeavesTheStateAlone) {
  struct Row {
    const char* what;
    std::size_t size;  // 0: no file
    FileOp refused;    // FileOp::Exists: nothing refused
    int refusedCode;
    std::size_t readLimit;      // the read fails with refusedCode after this many bytes
    std::vector<int> counters;  // fail, missing, open, read, close
    int logged;
  };
  const Row rows[] = {
      {"share or file missing", 0, FileOp::Exists, 0, 0, {1, 1, 0, 0, 0}, 0},
      {"open refused", 384, FileOp::Open, EACCES, 0, {1, 0, 1, 0, 0}, EACCES},
      {"383-byte file", 383, FileOp::Exists, 0, 0, {1, 0, 0, 1, 0}, EIO},
      {"read refused", 384, FileOp::Read, EACCES, 0, {1, 0, 0, 1, 0}, EACCES},
      {"read fails part-way", 384, FileOp::Exists, ETIMEDOUT, 200, {1, 0, 0, 1, 0}, ETIMEDOUT},
      {"close failed", 384, FileOp::Close, EIO, 0, {1, 0, 0, 0, 1}, 0},
      {"short read and close failed", 100, FileOp::Close, EBADF, 0, {1, 0, 0, 1, 1}, EIO},
  };
  for (const Row& row : rows) {
    Console c;
    const FrameBytes before = test::record({{1, "17"}});
    test::acceptRecord(c.frame, before);
    c.effects.calls.clear();
    if (row.size) c.put(test::record({{1, "42"}}), row.size);
    if (row.refused != FileOp::Exists) c.fs.fail(row.refused, kFrameFile, row.refusedCode);
    if (row.readLimit) c.fs.shortenReads(kFrameFile, row.readLimit, row.refusedCode);

    EXPECT_FALSE(c.tick()) << row.what;
    EXPECT_FALSE(c.file.FrameReadOk) << row.what;
    EXPECT_EQ(c.counters(), row.counters) << row.what;
    EXPECT_EQ(c.frame.accepted(), before) << row.what;
    EXPECT_EQ(c.frame.readCopy(), before) << row.what;
    EXPECT_TRUE(c.effects.calls.empty()) << row.what;
    EXPECT_EQ(c.fs.text(kErrorLog), logLine(row.logged, 1)) << row.what;
  }
}

TEST(FrameFile, FailuresKeepCountingUntilTheFirstRecordOfTheFileIsRead) {
  Console c;
  c.tick();
  c.tick();
  c.put(FrameBytes{}, 10);
  c.tick();
  const FrameBytes good = test::record({{1, "42"}, {49, "01"}});
  c.put(good, 768);
  EXPECT_TRUE(c.tick()) << "ball 1 was drawn";
  EXPECT_TRUE(c.file.FrameReadOk);
  EXPECT_EQ(c.frame.accepted(), good);
  EXPECT_EQ(c.counters(), (std::vector<int>{3, 2, 0, 1, 0}));
  EXPECT_EQ(c.fs.text(kErrorLog), logLine(0, 1) + logLine(0, 2) + logLine(EIO, 3));
}

TEST(FramePaths, NetPcDecidesEveryServerPath) {
  struct Row {
    const char* netIni;  // nullptr: no file
    const char* iniNetPC;
    const char* netPC;
  };
  const Row rows[] = {
      {"SRV7\r\nOTHER\r\n", "FROMINI", "SRV7"}, {" srv 8 ", "", " srv 8 "},  // used untrimmed
      {nullptr, "FROMINI", "FROMINI"},          {nullptr, "", "bingoserver"}, {"", "FROMINI", "FROMINI"},
      {"\r\nSRV9", "", "bingoserver"},
  };
  for (const Row& row : rows) {
    test::FakeFileSystem fs;
    if (row.netIni) fs.addTextFile("net.ini", row.netIni);
    ConsoleConfig config;
    config.NetPC = row.iniNetPC;
    config.FoldersNet = "\\\\FROMINI\\other";
    config.FilesFrame = config.FilesOff1 = config.FilesOff2 = config.FilesOff3 = config.FilesAltS =
        config.FilesAltN = "C:\\x.txt";
    const std::string folder = std::string("\\\\") + row.netPC + "\\net\\";
    EXPECT_EQ(FramePaths_Settle(config, fs), folder + "Frame.dat") << row.netPC;
    EXPECT_EQ(config.NetPC, row.netPC);
    EXPECT_EQ(config.FoldersNet + "\\", folder);
    const std::pair<std::string, const char*> files[] = {
        {config.FilesFrame, "Frame.dat"}, {config.FilesOff1, "Off1.txt"}, {config.FilesOff2, "Off2.txt"},
        {config.FilesOff3, "Off3.txt"},   {config.FilesAltS, "AltS.txt"}, {config.FilesAltN, "AltN.txt"}};
    for (const auto& [path, name] : files) EXPECT_EQ(path, folder + name) << row.netPC;
  }
}

TEST(FramePaths, ResetClearsEveryCopyAndCounterAndSettlesThePaths) {
  Console c;
  c.fs.addTextFile("net.ini", "SRV7");
  const FrameBytes full = test::record({{1, "09"}, {49, "01"}, {146, "00010010"}});
  test::acceptRecord(c.frame, full);
  test::acceptRecord(c.frame, full);
  c.frame.readCopy()[7] = 1;
  ASSERT_EQ(c.frame.LOP(), 9);
  EXPECT_EQ(Frame_Reset(c.frame, c.config, c.fs), kFrameFile);
  EXPECT_EQ(c.frame.readCopy(), FrameBytes{});
  EXPECT_EQ(c.frame.accepted(), FrameBytes{});
  EXPECT_EQ(c.frame.previous(), FrameBytes{});
  EXPECT_EQ(std::count(c.frame.Drawn().begin(), c.frame.Drawn().end(), true), 0);
  EXPECT_EQ(std::count(c.frame.Sold().begin(), c.frame.Sold().end(), true), 0);
  EXPECT_EQ(c.frame.SoldCount(), 0);
  EXPECT_EQ(c.frame.LopMax(), 0);
}

}  // namespace
}  // namespace bingo
