#include <gtest/gtest.h>

#include "frame_test_support.h"

namespace bingo {
namespace {

using test::acceptRecord;
using test::record;
using test::RecordingEffects;

TEST(FrameAccept, ChecksumComparesOnlyTheLowSevenBitsOfTheSum) {
  // Added to one byte of block 1 after sealing: offset, delta, still accepted.
  const std::tuple<std::size_t, int, bool> rows[] = {
      {5, 128, true},  // a change of exactly 128 in one byte is not noticed
      {5, 1, false},
      {5, 127, false},
      {25, 128, false},  // the checksum byte with bit 7 set never matches
      {30, 1, true}};    // bytes past the used length are not covered
  for (const auto& [offset, delta, accepted] : rows) {
    NullFrameEffects effects;
    Frame frame(effects);
    acceptRecord(frame, record({{1, "33"}, {5, "10"}}));
    FrameBytes next = record({{1, "44"}, {5, "20"}});
    next[offset] = static_cast<std::uint8_t>(next[offset] + delta);
    acceptRecord(frame, next);
    EXPECT_EQ(std::tuple(frame.BlockValid(1), frame.LOP()), std::tuple(accepted, accepted ? 44 : 33))
        << offset;
  }
}

// A change of layout counts from the read after the record that announced
// it, both ways. Each read shows block 1 and 8 valid, wide, LOP and a wide BON.
TEST(FrameAccept, ProtocolChangeCountsFromTheNextRead) {
  // Block 1 sealed for the wide lengths only: its narrow checksum byte (25) is 0.
  const FrameBytes wide = record({{1, "05"}, {4, "00001234"}, {kOffsetVT, "01"}}, true);
  const FrameBytes narrow = record({{kOffsetProtokol, "08"}, {1, "07"}, {3, "01"}});
  ASSERT_TRUE(!frameBlockChecksumOk(wide, 1, false) && !frameBlockChecksumOk(narrow, 1, true));
  NullFrameEffects effects;
  Frame frame(effects);
  std::string seen;
  for (const FrameBytes& r : {record({{kOffsetProtokol, "08"}, {1, "02"}}), wide, wide, narrow, narrow}) {
    acceptRecord(frame, r);
    seen += std::to_string(frame.BlockValid(1)) + std::to_string(frame.BlockValid(8)) +
            std::to_string(frame.IsWide()) + std::to_string(frame.LOP()) +
            (frame.IsWide() ? "/" + std::to_string(frame.BON()) : "") + " ";
  }
  EXPECT_EQ(seen, "1102 0112/0 1115/1234 0105 1107 ");
}

TEST(FrameAccept, TornRecordKeepsTheOldContentsOfExactlyTheBadBlocks) {
  FrameBytes oldRecord, newRecord;
  oldRecord.fill(3);
  newRecord.fill(0x11);
  test::sealAll(oldRecord, false);
  test::sealAll(newRecord, false);
  FrameBytes torn = newRecord, expected = newRecord;
  torn[48 + 10] ^= 0x01;   // block 2
  torn[240 + 3] ^= 0x40;   // block 6
  torn[336 + 46] ^= 0x02;  // block 8, its last covered byte
  for (const std::size_t start : {48, 240, 336})
    std::copy_n(oldRecord.begin() + static_cast<std::ptrdiff_t>(start), kFrameBlockSize,
                expected.begin() + static_cast<std::ptrdiff_t>(start));

  NullFrameEffects effects;
  Frame frame(effects);
  acceptRecord(frame, oldRecord);
  acceptRecord(frame, torn);
  std::string valid;
  for (int block = 1; block <= 8; ++block) valid += std::to_string(frame.BlockValid(block));
  EXPECT_EQ(valid, "10111010");
  EXPECT_EQ(frame.accepted(), expected);
  EXPECT_EQ(frame.previous(), oldRecord);
}

TEST(FrameAccept, SoldRangesAreMarkedCountedAndHandedOnInRowOrder) {
  // Overlapping rows count a ticket twice; empty rows and first not below last
  // are skipped; a range from ticket 0 marks the sentinel inside the table;
  // capped ends reach the upper sentinel and the count wraps past 65535.
  struct Row {
    FrameBytes record;
    std::vector<SoldRange> ranges;
    std::uint16_t soldCount;
    int marked;
  };
  const Row rows[] = {
      {record({{146, "0001 0010 00 0005 0012"}}), {{1, 10}, {5, 12}}, 18, 12},
      {record({{156, "0007 0007 00 0009 0003"}, {171, "0020 0021"}}), {{20, 21}}, 2, 2},
      {record({{146, "0000 0003"}}), {{0, 3}}, 4, 4},
      {record({{146, "000001 999999 00 000001 999999 00 000001 999999"}}, true),
       {{1, 24193}, {1, 24193}, {1, 24193}},
       static_cast<std::uint16_t>(3 * 24193 - 65536),
       24193},
  };
  for (const Row& row : rows) {
    RecordingEffects effects;
    Frame frame(effects);
    acceptRecord(frame, row.record);
    if (row.record[kOffsetProtokol] >= kWideProtokol) acceptRecord(frame, row.record);
    bool ends = true;
    for (const SoldRange& r : row.ranges) ends = ends && frame.Sold()[r.first] && frame.Sold()[r.last];
    EXPECT_EQ(std::tuple(effects.ranges, frame.SoldCount(),
                         std::count(frame.Sold().begin(), frame.Sold().end(), true), ends),
              std::tuple(row.ranges, row.soldCount, row.marked, true));
  }
}

TEST(FrameAccept, DrawnBitmapUnpacksBallsOneToNinety) {
  // Byte i bit j is ball 8i + j + 1; byte 11 bits 2..7 and byte 12 are balls 91..104.
  RecordingEffects effects;
  Frame frame(effects);
  acceptRecord(frame, record({{1, "04"}, {20, "90"}, {49, "8101"}, {60, "FEFF"}}));
  std::vector<int> balls;
  for (int ball = 0; ball <= 90; ++ball)
    if (frame.Drawn()[static_cast<std::size_t>(ball)]) balls.push_back(ball);
  EXPECT_EQ(balls, (std::vector<int>{1, 8, 9, 90}));
  EXPECT_EQ(effects.lastBall, 90);

  acceptRecord(frame, record({{20, "95"}}));
  EXPECT_EQ(effects.lastBall, 0) << "KUG 95 names no cell";
}

TEST(FrameAccept, ResultTellsWhetherTheDrawnBallsChangedOrWereRejected) {
  // what, the next record, the result, the effects called
  using Row = std::tuple<const char*, FrameBytes, bool, std::vector<std::string>>;
  const FrameBytes base = record({{1, "03"}, {49, "07"}, {146, "0001 0002"}});
  FrameBytes rejected = record({{1, "03"}, {49, "0F"}}), soldRejected = base;
  rejected[73] ^= 1;
  soldRejected[175] ^= 1;
  const std::vector<std::string> same{"sold", "board"}, changed{"sold", "board", "changed"};
  const Row rows[] = {
      {"same record", base, false, same},
      {"only block 1 changed", record({{1, "04"}, {49, "07"}, {146, "0001 0002"}}), false, same},
      {"a new ball", record({{49, "0F"}}), true, changed},
      {"a byte after the bitmap changed", record({{49, "07"}, {72, "01"}}), true, changed},
      {"the unread first byte of the block", record({{48, "55"}, {49, "07"}}), false, same},
      {"drawn-ball block rejected", rejected, true, {"sold"}},
      {"sold block rejected: nothing handed on", soldRejected, false, {"board"}},
  };
  for (const auto& [what, next, result, calls] : rows) {
    RecordingEffects effects;
    Frame frame(effects);
    acceptRecord(frame, base);
    effects.calls.clear();
    EXPECT_EQ(std::pair(acceptRecord(frame, next), effects.calls), std::pair(result, calls)) << what;
  }
}

// Bit 6 is the bingo phase, bit 4 switches near-win hints off; a rejected
// settings block sets nothing, also after the phase was cleared by hand.
TEST(FrameAccept, FlagsFollowTheAcceptedSettingsBlock) {
  NullFrameEffects effects;
  Frame frame(effects);
  FrameBytes rejected = record({{kOffsetFlags, "40"}});
  rejected[383] ^= 1;
  const FrameBytes set = record({{kOffsetFlags, "40"}}), others = record({{kOffsetFlags, "BF"}});
  std::string seen;
  const auto read = [&](const FrameBytes& r) {
    acceptRecord(frame, r);
    seen += std::to_string(frame.BingoPhase()) + std::to_string(frame.HintSwitch()) + " ";
  };
  read(set);
  read(others);
  read(set);
  frame.setBingoPhase(false);  // the bought tickets were forgotten
  read(rejected);
  read(set);
  EXPECT_EQ(seen, "11 00 11 01 11 ");
}

}  // namespace
}  // namespace bingo
