// One tick's frame read and acceptance of a local Frame.dat, unchanged and
// changed, against a plain 384-byte read of the same file in the same run.
// Accepting and decoding should cost less than the read itself.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "frame/frame_update.h"
#include "platform/linux_file_system.h"

namespace bingo {
namespace {

// A sealed narrow record with `balls` drawn and a few fields set.
FrameBytes sampleRecord(int balls) {
  FrameBytes r{};
  r[1] = static_cast<std::uint8_t>((balls / 10) << 4 | balls % 10);
  r[20] = r[1];
  for (int ball = 1; ball <= balls; ++ball)
    r[kOffsetBallBitmap + static_cast<std::size_t>(ball - 1) / 8] |=
        static_cast<std::uint8_t>(1 << ((ball - 1) % 8));
  r[146] = 0x00, r[147] = 0x01, r[148] = 0x24, r[149] = 0x00;  // sold 1..2400
  r[kOffsetProtokol] = 8;
  for (int block = 1; block <= kFrameBlockCount; ++block) {
    const std::size_t start = kFrameBlockSize * static_cast<std::size_t>(block - 1);
    const std::size_t length = kNarrowLayout.blockLength[static_cast<std::size_t>(block)];
    unsigned sum = 0;
    for (std::size_t i = 0; i + 1 < length; ++i) sum += r[start + i];
    r[start + length - 1] = static_cast<std::uint8_t>(sum & 0x7F);
  }
  return r;
}

// What the console update reads of the frame every tick.
double decodeForScreen(Frame& f) {
  double sum = f.LOP() + f.MxL() + f.KUG() + f.BON() + f.BIN() + f.LN2() + f.LIN() + f.CEN() + f.PRO() +
               f.SoldCountShown() + f.TicketBaseSize() + f.Kolo() + f.NovaSmena() + f.Protokol();
  for (int n = 1; n <= 3; ++n) sum += f.KugLast(n);
  for (int n = 0; n < 6; ++n)
    sum += f.FundMxL(n) + f.FND(n) + f.ProSer(n) + f.ProPoc(n) + f.ProEnd(n) + f.RLTk(n) + f.RLTkLop(n);
  for (int n = 0; n < 3; ++n) sum += f.RLTkWait(n) + f.RLTkWaitLop(n);
  return sum + static_cast<double>(f.VIShortName().size());
}

class LocalShare {
 public:
  LocalShare() {
    std::string pattern = (std::filesystem::temp_directory_path() / "bingo-bench-XXXXXX").string();
    m_root = ::mkdtemp(pattern.data());
    std::filesystem::create_directories(m_root + "/unc/SRV/net");
    write("Frame.dat", sampleRecord(10));
    write("Frame2.dat", sampleRecord(11));
  }
  ~LocalShare() { std::filesystem::remove_all(m_root); }
  HostPaths paths() const { return HostPaths(HostRoots{m_root, m_root + "/unc"}); }
  std::string host(const char* name) const { return m_root + "/unc/SRV/net/" + name; }

 private:
  void write(const char* name, const FrameBytes& r) {
    std::ofstream(host(name), std::ios::binary).write(reinterpret_cast<const char*>(r.data()), r.size());
  }
  std::string m_root;
};

struct Console {
  LocalShare share;
  LinuxFileSystem fs{share.paths()};
  SystemClock clock;
  Logs logs{fs, clock, "C:\\Orma\\Bingo\\Arh\\ClientBingo.exe"};
  NullFrameEffects effects;
  Frame frame{effects};
  FrameFile file{fs, logs};
  ConsoleConfig config;
  Console() { config.FilesFrame = "\\\\SRV\\net\\Frame.dat"; }
};

void BM_PlainRead384(benchmark::State& state) {
  LocalShare share;
  const std::string path = share.host("Frame.dat");
  FrameBytes buffer{};
  for (auto _ : state) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    benchmark::DoNotOptimize(::read(fd, buffer.data(), buffer.size()));
    ::close(fd);
    benchmark::DoNotOptimize(buffer);
  }
}
BENCHMARK(BM_PlainRead384);

void BM_ReadAcceptUnchanged(benchmark::State& state) {
  Console c;
  Frame_Update(c.frame, c.file, c.config);
  for (auto _ : state) {
    benchmark::DoNotOptimize(Frame_Update(c.frame, c.file, c.config));
    benchmark::DoNotOptimize(decodeForScreen(c.frame));
  }
  if (c.file.FrameFailCount) state.SkipWithError("frame read failed");
}
BENCHMARK(BM_ReadAcceptUnchanged);

void BM_ReadAcceptChanged(benchmark::State& state) {
  // Two files of different drawn balls, read in turn: every read changes the board.
  Console c;
  const std::string paths[2] = {"\\\\SRV\\net\\Frame.dat", "\\\\SRV\\net\\Frame2.dat"};
  int turn = 0;
  for (auto _ : state) {
    c.config.FilesFrame = paths[turn ^= 1];
    if (!Frame_Update(c.frame, c.file, c.config)) state.SkipWithError("the drawn balls did not change");
    benchmark::DoNotOptimize(decodeForScreen(c.frame));
  }
}
BENCHMARK(BM_ReadAcceptChanged);

void BM_AcceptAndDecodeOnly(benchmark::State& state) {
  NullFrameEffects effects;
  Frame frame(effects);
  const FrameBytes records[2] = {sampleRecord(10), sampleRecord(11)};
  int turn = 0;
  for (auto _ : state) {
    frame.keepPrevious();
    frame.readCopy() = records[turn ^= 1];
    benchmark::DoNotOptimize(frame.acceptReadCopy());
    benchmark::DoNotOptimize(decodeForScreen(frame));
  }
}
BENCHMARK(BM_AcceptAndDecodeOnly);

}  // namespace
}  // namespace bingo
