// frame-dump FILE...: applies each file in order as one frame read of a console
// that started from an all-zero record, then prints the decoded state as JSON.
// A file shorter than one record is a failed read: nothing of it is accepted.

#include <cstdio>
#include <fstream>
#include <iostream>

#include "frame/frame.h"
#include "frame_json.h"

namespace {

enum class ReadResult { Record, Short, Unreadable };

ReadResult readRecord(const char* path, bingo::FrameBytes& record) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return ReadResult::Unreadable;
  in.read(reinterpret_cast<char*>(record.data()), static_cast<std::streamsize>(record.size()));
  if (in.bad()) return ReadResult::Unreadable;
  return static_cast<std::size_t>(in.gcount()) == record.size() ? ReadResult::Record : ReadResult::Short;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: frame-dump FILE...\n");
    return 2;
  }
  bingo::NullFrameEffects effects;
  bingo::Frame frame(effects);
  bool changed = false;
  for (int i = 1; i < argc; ++i) {
    bingo::FrameBytes record{};
    const ReadResult result = readRecord(argv[i], record);
    if (result == ReadResult::Unreadable) {
      std::fprintf(stderr, "frame-dump: cannot read %s\n", argv[i]);
      return 2;
    }
    frame.keepPrevious();
    changed = false;
    if (result == ReadResult::Record) {
      frame.readCopy() = record;
      changed = frame.acceptReadCopy();
    }
  }
  std::cout << bingo::frameJson(frame, changed);
  return 0;
}
