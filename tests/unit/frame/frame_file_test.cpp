#include <gtest/gtest.h>

#include "frame/frame_update.h"
#include "frame_test_support.h"
#include "support/fake_file_system.h"
#include "support/fakes.h"

namespace bingo {
namespace {

constexpr const char* kProgram = "C:\\Orma\\Bingo\\Arh\\ClientBingo.exe";
constexpr const char* kErrorLog = "C:\\Orma\\Bingo\\Arh\\clientbingo.err";
constexpr const char* kFrameFile = "\\\\SRV7\\net\\Frame.dat";

struct Console {
  test::FakeFileSystem fs;
  test::FakeClock clock;
  Logs logs{fs, clock, kProgram};
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

std::vector<std::uint8_t> fileBytes(const FrameBytes& r, std::size_t size = kFrameSize) {
  std::vector<std::uint8_t> bytes(r.begin(), r.end());
  bytes.resize(size, 0x5A);
  return bytes;
}

TEST(FrameFile, EveryFailedReadIsCountedLoggedAndLeavesTheStateAlone) {
  struct Row {
    const char* what;
    std::function<void(test::FakeFileSystem&)> setUp;
    std::vector<int> counters;  // fail, missing, open, read, close
    int code;
  };
  const FrameBytes good = test::record({{1, {0x42}}});
  const Row rows[] = {
      {"share or file missing", [](test::FakeFileSystem&) {}, {1, 1, 0, 0, 0}, 0},
      {"open refused",
       [&](test::FakeFileSystem& fs) {
         fs.addFile(kFrameFile, fileBytes(good));
         fs.fail(FileOp::Open, kFrameFile, EACCES);
       },
       {1, 0, 1, 0, 0},
       EACCES},
      {"383-byte file",
       [&](test::FakeFileSystem& fs) { fs.addFile(kFrameFile, fileBytes(good, 383)); },
       {1, 0, 0, 1, 0},
       EIO},
      {"read refused",
       [&](test::FakeFileSystem& fs) {
         fs.addFile(kFrameFile, fileBytes(good));
         fs.fail(FileOp::Read, kFrameFile, EIO);
       },
       {1, 0, 0, 1, 0},
       EIO},
      {"close failed",
       [&](test::FakeFileSystem& fs) {
         fs.addFile(kFrameFile, fileBytes(good));
         fs.fail(FileOp::Close, kFrameFile, EIO);
       },
       {1, 0, 0, 0, 1},
       0},
      {"short read and close failed",
       [&](test::FakeFileSystem& fs) {
         fs.addFile(kFrameFile, fileBytes(good, 100));
         fs.fail(FileOp::Close, kFrameFile, EBADF);
       },
       {1, 0, 0, 1, 1},
       EIO},
  };
  for (const Row& row : rows) {
    Console c;
    FrameBytes before = test::record({{1, {0x17}}});
    test::acceptRecord(c.frame, before);
    c.effects.calls.clear();
    row.setUp(c.fs);

    EXPECT_FALSE(c.tick()) << row.what;
    EXPECT_FALSE(c.file.FrameReadOk) << row.what;
    EXPECT_EQ(c.counters(), row.counters) << row.what;
    EXPECT_EQ(c.frame.accepted(), before) << row.what;
    EXPECT_EQ(c.frame.readCopy(), before) << row.what;
    EXPECT_TRUE(c.effects.calls.empty()) << row.what;
    EXPECT_EQ(c.fs.text(kErrorLog), "09:30:15:250 IOResult : " + std::to_string(row.code) +
                                        " COUNT 1  READ \\\\SRV7\\net\\Frame.dat\r\n")
        << row.what;
  }
}

TEST(FrameFile, OnlyTheFirstRecordOfALongerFileIsRead) {
  Console c;
  const FrameBytes good = test::record({{1, {0x42}}});
  std::vector<std::uint8_t> bytes = fileBytes(good, 768);
  c.fs.addFile(kFrameFile, bytes);
  EXPECT_FALSE(c.tick()) << "the drawn balls did not change";
  EXPECT_TRUE(c.file.FrameReadOk);
  EXPECT_EQ(c.frame.accepted(), good);
  EXPECT_EQ(c.frame.LOP(), 42);
  EXPECT_FALSE(c.fs.hasFile(kErrorLog));
}

TEST(FrameFile, ReadsDeliveredInPiecesMakeOneRecord) {
  // A share may hand the record over in several reads; only a whole record counts.
  Console c;
  const FrameBytes good = test::record({{1, {0x42}}});
  c.fs.addFile(kFrameFile, fileBytes(good));
  c.fs.shortenReads(kFrameFile, 384);
  c.tick();
  EXPECT_TRUE(c.file.FrameReadOk);
  c.fs.shortenReads(kFrameFile, 200);
  c.tick();
  EXPECT_FALSE(c.file.FrameReadOk);
  EXPECT_EQ(c.file.FrameReadErrCount, 1);
}

TEST(FrameFile, FileDeletedAndRecreatedBetweenTicks) {
  Console c;
  c.fs.addFile(kFrameFile, fileBytes(test::record({{1, {0x01}}, {49, {0x01}}})));
  EXPECT_TRUE(c.tick()) << "ball 1 was drawn";
  c.fs.removeFile(kFrameFile);
  EXPECT_FALSE(c.tick());
  EXPECT_EQ(c.file.FrameMissingCount, 1);
  EXPECT_EQ(c.frame.LOP(), 1);
  c.fs.addFile(kFrameFile, fileBytes(test::record({{1, {0x02}}, {49, {0x01}}})));
  EXPECT_FALSE(c.tick()) << "only block 1 changed";
  EXPECT_TRUE(c.file.FrameReadOk);
  EXPECT_EQ(c.frame.LOP(), 2);
  EXPECT_EQ(c.counters(), (std::vector<int>{1, 1, 0, 0, 0}));
  EXPECT_EQ(c.fs.text(kErrorLog), "09:30:15:250 IOResult : 0 COUNT 1  READ \\\\SRV7\\net\\Frame.dat\r\n");
}

TEST(FrameFile, FailuresKeepCountingAcrossTicks) {
  Console c;
  c.tick();
  c.tick();
  c.fs.addFile(kFrameFile, fileBytes(FrameBytes{}, 10));
  c.tick();
  EXPECT_EQ(c.counters(), (std::vector<int>{3, 2, 0, 1, 0}));
  EXPECT_EQ(c.fs.text(kErrorLog),
            "09:30:15:250 IOResult : 0 COUNT 1  READ \\\\SRV7\\net\\Frame.dat\r\n"
            "09:30:15:250 IOResult : 0 COUNT 2  READ \\\\SRV7\\net\\Frame.dat\r\n"
            "09:30:15:250 IOResult : 5 COUNT 3  READ \\\\SRV7\\net\\Frame.dat\r\n");
}

TEST(FramePaths, NetPcDecidesEveryServerPath) {
  struct Row {
    const char* what;
    const char* netIni;  // nullptr: no file
    const char* iniNetPC;
    const char* netPC;
  };
  const Row rows[] = {
      {"net.ini names the server", "SRV7\r\nOTHER\r\n", "FROMINI", "SRV7"},
      {"net.ini is used untrimmed", " srv 8 ", "", " srv 8 "},
      {"no net.ini: the INI file's server stays", nullptr, "FROMINI", "FROMINI"},
      {"no net.ini and no INI server: the default", nullptr, "", "bingoserver"},
      {"empty net.ini", "", "FROMINI", "FROMINI"},
      {"net.ini with an empty first line", "\r\nSRV9", "", "bingoserver"},
  };
  for (const Row& row : rows) {
    test::FakeFileSystem fs;
    if (row.netIni) fs.addTextFile("net.ini", row.netIni);
    ConsoleConfig config;
    config.NetPC = row.iniNetPC;
    config.FoldersNet = "\\\\FROMINI\\other";
    config.FilesFrame = "C:\\Frame.dat";
    config.FilesOff1 = config.FilesOff2 = config.FilesOff3 = config.FilesAltS = config.FilesAltN =
        "C:\\x.txt";
    const std::string folder = std::string("\\\\") + row.netPC + "\\net";
    EXPECT_EQ(FramePaths_Settle(config, fs), folder + "\\Frame.dat") << row.what;
    EXPECT_EQ(config.NetPC, row.netPC) << row.what;
    EXPECT_EQ(config.FoldersNet, folder) << row.what;
    EXPECT_EQ(config.FilesFrame, folder + "\\Frame.dat") << row.what;
    EXPECT_EQ(config.FilesOff1, folder + "\\Off1.txt") << row.what;
    EXPECT_EQ(config.FilesOff2, folder + "\\Off2.txt") << row.what;
    EXPECT_EQ(config.FilesOff3, folder + "\\Off3.txt") << row.what;
    EXPECT_EQ(config.FilesAltS, folder + "\\AltS.txt") << row.what;
    EXPECT_EQ(config.FilesAltN, folder + "\\AltN.txt") << row.what;
  }
}

TEST(FramePaths, ResetClearsTheCopiesAndSettlesThePaths) {
  Console c;
  c.fs.addTextFile("net.ini", "SRV7");
  test::acceptRecord(c.frame, test::record({{1, {0x09}}, {49, {0x01}}}));
  EXPECT_EQ(Frame_Reset(c.frame, c.config, c.fs), kFrameFile);
  EXPECT_EQ(c.frame.accepted(), FrameBytes{});
  EXPECT_FALSE(c.frame.Drawn()[1]);
}

}  // namespace
}  // namespace bingo
