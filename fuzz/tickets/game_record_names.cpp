// Any names and sizes in the server's share listing, as another machine may
// leave them: the game-record copy takes at most one name, a single path
// component of at most 50 characters, moves only out of the share, and
// creates, moves and copies only inside its archive (and the log folder).

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/text.h"
#include "support/fake_file_system.h"
#include "support/fakes.h"
#include "tickets/game_record_copy.h"

namespace {

void check(bool condition) {
  if (!condition) __builtin_trap();
}

constexpr const char* kShare = "\\\\SRV\\net";
constexpr const char* kArchive = "C:\\Orma\\Bingo\\Arh\\DG2";
constexpr const char* kLogFolder = "C:\\Orma\\Bingo\\Arh\\Log";

bool under(const std::string& path, const std::string& folder) {
  const std::string p = bingo::toUpperAscii(path), f = bingo::toUpperAscii(folder) + "\\";
  return p.rfind(f, 0) == 0 && p.find("..") == std::string::npos;
}

// The fake file system, whose share listing says whatever the input says and
// which checks where every change goes.
class HostileShare : public bingo::test::FakeFileSystem {
 public:
  std::vector<std::string> names;
  std::vector<std::uint64_t> sizes;

  std::optional<std::vector<std::string>> listFiles(const std::string& folder,
                                                    const std::string& pattern) override {
    if (bingo::toUpperAscii(folder) != bingo::toUpperAscii(kShare))
      return FakeFileSystem::listFiles(folder, pattern);
    return names;
  }
  std::optional<std::uint64_t> fileSize(const std::string& path) override {
    for (std::size_t i = 0; i < names.size(); ++i)
      if (path == std::string(kShare) + "\\" + names[i]) return sizes[i];
    return FakeFileSystem::fileSize(path);
  }
  bingo::IoStatus moveFile(const std::string& from, const std::string& to) override {
    check(under(from, kShare) && singleComponentAfter(from, kShare));
    check(under(to, kArchive));
    return FakeFileSystem::moveFile(from, to);
  }
  bingo::IoStatus copyFile(const std::string& from, const std::string& to) override {
    check(under(from, kArchive) && under(to, kArchive));
    return FakeFileSystem::copyFile(from, to);
  }
  bingo::IoStatus makeFolder(const std::string& path) override {
    check(under(path, kArchive) || path == kArchive || path == kShare || path == kLogFolder);
    return FakeFileSystem::makeFolder(path);
  }
  bingo::IoStatus writeFile(const std::string&, std::span<const std::uint8_t>) override {
    check(false);  // the copy writes no file of its own
    return {};
  }
  bingo::IoStatus removeFile(const std::string&) override {
    check(false);
    return {};
  }

 private:
  static bool singleComponentAfter(const std::string& path, const std::string& folder) {
    const std::string rest = path.substr(folder.size() + 1);
    return !rest.empty() && rest.size() <= 50 && rest.find_first_of("\\/") == std::string::npos;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace bingo;
  // Names separated by NUL; each name's size is 81256 times its length modulo 3, plus its first byte
  // modulo 2.
  HostileShare fs;
  fs.addFolder(kShare);
  fs.addFolder("C:\\Orma\\Bingo\\Arh");
  std::string name;
  for (std::size_t i = 0; i <= size; ++i) {
    if (i < size && data[i] != 0) {
      name.push_back(static_cast<char>(data[i]));
      continue;
    }
    if (!name.empty() && fs.names.size() < 64) {
      fs.names.push_back(name);
      fs.sizes.push_back(GameRecord::kSize * (name.size() % 3) + static_cast<std::uint8_t>(name[0]) % 2);
      // The record itself, where a name that is one component would put it.
      fs.addFile(std::string(kShare) + "\\" + name, std::vector<std::uint8_t>(8, 0x5A));
    }
    name.clear();
  }

  test::FakeClock clock;
  Logs logs(fs, clock, "C:\\Orma\\Bingo\\Arh\\ClientBingo.exe");
  GameRecordCopy copy(fs, logs);
  ConsoleConfig config;
  config.NetDGEnabled = true;
  config.FoldersNet = kShare;
  config.NetDGFolder = kArchive;
  config.NetDGFolderTmp = "DGT";
  config.NetDGLOPmin = 2;
  config.NetDGLOPmax = 5;
  for (int tick = 0; tick < 3; ++tick) copy.CheckGameOver_Copy(config, 3, 8, 'N');

  const std::string& taken = config.NetDGName;
  check(taken.size() <= 50 && taken.find_first_of("\\/") == std::string::npos &&
        taken.find("..") == std::string::npos);
  return 0;
}
