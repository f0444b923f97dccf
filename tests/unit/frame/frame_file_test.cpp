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
};

std::string logLine(int code, int count) {
  return "09:30:15:250 IOResult : " + std::to_string(code) + " COUNT " + std::to_string(count) +
         "  READ \\\\SRV7\\net\\Frame.dat\r\n";
}

// Counters: fail, missing, open, read, close, after two reads; the error log
// names the code (EIO for a short read, none for a missing file or a failed close).
TEST(FrameFile, EveryFailedReadIsCountedLoggedAndLeavesTheStateAlone) {
  // file size (0: none), the operation refused (Exists: none), its code, the
  // bytes read before a part-way failure, the counters, the code logged
  using Row = std::tuple<std::size_t, FileOp, int, std::size_t, std::vector<int>, int>;
  const Row rows[] = {
      {0, FileOp::Exists, 0, 0, {2, 2, 0, 0, 0}, 0},                      // share or file missing
      {384, FileOp::Open, EACCES, 0, {2, 0, 2, 0, 0}, EACCES},            // open refused
      {383, FileOp::Exists, 0, 0, {2, 0, 0, 2, 0}, EIO},                  // 383-byte file
      {384, FileOp::Read, EACCES, 0, {2, 0, 0, 2, 0}, EACCES},            // read refused
      {384, FileOp::Exists, ETIMEDOUT, 200, {2, 0, 0, 2, 0}, ETIMEDOUT},  // read fails part-way
      {384, FileOp::Close, EIO, 0, {2, 0, 0, 0, 2}, 0},
      {100, FileOp::Close, EBADF, 0, {2, 0, 0, 2, 2}, EIO},  // short read and close failed
  };
  for (const auto& [size, refused, code, readLimit, counters, logged] : rows) {
    Console c;
    const FrameBytes before = test::record({{1, "17"}});
    test::acceptRecord(c.frame, before);
    c.effects.calls.clear();
    const FrameBytes next = test::record({{1, "42"}});
    if (size) c.fs.addFile(kFrameFile, std::vector<std::uint8_t>(next.begin(), next.begin() + size));
    if (refused != FileOp::Exists) c.fs.fail(refused, kFrameFile, code);
    if (readLimit) c.fs.shortenReads(kFrameFile, readLimit, code);
    const std::string what = std::to_string(size) + " " + std::to_string(code);
    EXPECT_FALSE(c.tick() || c.tick() || c.file.FrameReadOk) << what;
    EXPECT_EQ(c.counters(), counters) << what;
    EXPECT_TRUE(c.frame.accepted() == before && c.frame.readCopy() == before && c.effects.calls.empty())
        << what;
    EXPECT_EQ(c.fs.text(kErrorLog), logLine(logged, 1) + logLine(logged, 2)) << what;
  }
}

TEST(FramePaths, NetPcDecidesEveryServerPath) {
  const std::tuple<const char*, const char*, std::string> rows[] = {
      // net.ini (nullptr: no file), NetPC from the INI, the server named
      {"SRV7\r\nOTHER\r\n", "FROMINI", "SRV7"}, {" srv 8 ", "", " srv 8 "},  // used untrimmed
      {nullptr, "FROMINI", "FROMINI"},          {nullptr, "", "bingoserver"}, {"", "FROMINI", "FROMINI"},
      {"\r\nSRV9", "", "bingoserver"},
  };
  for (const auto& [netIni, iniNetPC, netPC] : rows) {
    test::FakeFileSystem fs;
    if (netIni) fs.addTextFile("net.ini", netIni);
    ConsoleConfig c;
    c.NetPC = iniNetPC;
    const std::string f = "\\\\" + netPC + "\\net\\";
    EXPECT_EQ(FramePaths_Settle(c, fs), f + "Frame.dat") << netPC;
    EXPECT_EQ(c.NetPC + "|" + c.FoldersNet + "|" + c.FilesFrame + "|" + c.FilesOff1 + "|" + c.FilesOff2 +
                  "|" + c.FilesOff3 + "|" + c.FilesAltS + "|" + c.FilesAltN,
              netPC + "|" + f.substr(0, f.size() - 1) + "|" + f + "Frame.dat|" + f + "Off1.txt|" + f +
                  "Off2.txt|" + f + "Off3.txt|" + f + "AltS.txt|" + f + "AltN.txt");
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
  EXPECT_TRUE(c.frame.readCopy() == FrameBytes{} && c.frame.accepted() == FrameBytes{} &&
              c.frame.previous() == FrameBytes{});
  EXPECT_EQ(std::count(c.frame.Drawn().begin(), c.frame.Drawn().end(), true) +
                std::count(c.frame.Sold().begin(), c.frame.Sold().end(), true) + c.frame.SoldCount() +
                c.frame.LopMax(),
            0);
}

}  // namespace
}  // namespace bingo
