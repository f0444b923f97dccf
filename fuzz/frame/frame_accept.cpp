// Any bytes as up to four successive frame reads: every block accepted or not,
// every decoder read, nothing outside its tables, every handed-on value in range.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "frame/frame.h"

namespace {

void check(bool condition) {
  if (!condition) __builtin_trap();
}

class CheckingEffects : public bingo::FrameEffects {
 public:
  std::uint8_t TicketBase_SelectType(std::uint8_t type) override {
    check(type <= 3);
    return type;
  }
  void soldRangesAccepted(std::span<const bingo::SoldRange> ranges) override {
    check(ranges.size() <= 6);
    for (const auto& r : ranges) check(r.first < r.last && r.last <= bingo::kTicketSentinel);
  }
  void drawnBlockAccepted(const bingo::DrawnBalls& drawn, std::uint8_t lastBall) override {
    check(!drawn[0] && lastBall <= 90);
  }
  void drawnBallsChanged() override {}
};

void decodeEverything(bingo::Frame& f) {
  volatile double sink = 0;
  sink = sink + f.LOP() + f.MxL() + f.KUG() + f.BON() + f.BIN() + f.LN2() + f.LIN() + f.CEN() +
         f.CENScaled() + f.PRO() + f.Kolo() + f.NovaSmena() + f.SoldCountShown();
  for (int n = -1; n <= 7; ++n)
    sink = sink + f.KugLast(n) + f.FundMxL(n) + f.FND(n) + f.ProSer(n) + f.RLTk(n) + f.RLTkLop(n) +
           f.RLTkWait(n) + f.RLTkWaitLop(n);
  for (int n = 0; n < 6; ++n)
    check(f.ProPoc(n) <= bingo::kTicketSentinel && f.ProEnd(n) <= bingo::kTicketSentinel);
  check(f.VT() <= 3 && f.VI() <= 12 && f.LOP() <= 99 && f.KUG() <= 99);
  const std::uint16_t size = f.TicketBaseSize();
  check(size == 1944 || size == 5952 || size == 2000 || size == 24192);
  check(f.HallText().size() == 8 && !f.VIShortName().empty());
  check(f.BON() <= 99999999u && f.PRO() <= 999999u);
  check(f.SoldCountShown() < bingo::kTicketSentinel);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckingEffects effects;
  bingo::Frame frame(effects);
  for (int read = 0; read < 4 && size > 0; ++read) {
    frame.keepPrevious();
    bingo::FrameBytes record{};
    const std::size_t n = size < record.size() ? size : record.size();
    std::memcpy(record.data(), data, n);  // a short tail reads as zeros
    data += n;
    size -= n;
    frame.readCopy() = record;
    frame.acceptReadCopy();
    decodeEverything(frame);
  }
  return 0;
}
