#pragma once
// An in-memory file system keyed by Windows path texts (case-insensitive, like
// Windows), that can refuse any single operation on any path. Every failure
// branch of the console is testable with it, also as root.
//
// Roots that always exist: drive roots ("C:"), UNC host names ("\\SRV") and the
// working directory (relative names). A UNC share ("\\SRV\net") exists only
// when a test adds it.

#include <cerrno>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace bingo::test {

class FakeFileSystem : public FileSystem {
 public:
  // Test set-up.
  void addFolder(const std::string& path);                                 // with all missing parents
  void addFile(const std::string& path, std::vector<std::uint8_t> bytes);  // parents added too
  void addTextFile(const std::string& path, std::string_view text) {
    addFile(path, {text.begin(), text.end()});
  }
  // Refuses `op` on `path` (or on every path when path is "*") with errno `code`.
  void fail(FileOp op, const std::string& path, int code = EACCES);
  // A read of this file delivers at most `limit` bytes in total, then reports
  // end of file, or fails with errno `code` when one is given.
  void shortenReads(const std::string& path, std::size_t limit, int code = 0) {
    m_readLimits[key(path)] = {limit, code};
  }
  // Every read delivers at most this many bytes, as a network share may.
  void readInPieces(std::size_t bytes) { m_readPiece = bytes; }
  std::size_t readPiece() const { return m_readPiece; }

  // Inspection.
  bool hasFile(const std::string& path) const { return m_files.count(key(path)) != 0; }
  bool hasFolder(const std::string& path) const { return folderExists(key(path)); }
  std::vector<std::uint8_t> bytes(const std::string& path) const;
  std::string text(const std::string& path) const;
  // Files and folders in creation order of their first appearance, as given.
  std::vector<std::string> filePaths() const;
  std::vector<std::string> folderPaths() const;
  int count(FileOp op) const;  // how many times the operation was attempted
  // Once switched on, every attempted operation is noted with the path it
  // named (a move or a copy notes both), so that a test can learn which files
  // a run touches and then refuse each of them in turn.
  struct Touch {
    FileOp op;
    std::string path;
  };
  void recordTouches(bool on) { m_recording = on; }
  const std::vector<Touch>& touches() const { return m_touches; }

  // FileSystem.
  bool exists(const std::string& path) override;
  bool isFolder(const std::string& path) override;
  std::optional<std::uint64_t> fileSize(const std::string& path) override;
  IoStatus openRead(const std::string& path, std::unique_ptr<ReadFile>& file) override;
  IoStatus writeFile(const std::string& path, std::span<const std::uint8_t> bytes) override {
    return store(FileOp::Write, path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  }
  IoStatus appendFile(const std::string& path, std::string_view text) override {
    return store(FileOp::Append, path, text);
  }
  IoStatus removeFile(const std::string& path) override;
  IoStatus makeFolder(const std::string& path) override;
  std::optional<std::vector<std::string>> listFiles(const std::string& folder,
                                                    const std::string& pattern) override;
  IoStatus moveFile(const std::string& from, const std::string& to) override {
    return transfer(FileOp::Move, from, to);
  }
  IoStatus copyFile(const std::string& from, const std::string& to) override {
    return transfer(FileOp::Copy, from, to);
  }

  // Normalised key: backslashes, upper case, no trailing separator.
  static std::string key(const std::string& path);
  static std::string parentOf(const std::string& normalisedKey);

 private:
  struct File {
    std::string givenPath;
    std::vector<std::uint8_t> bytes;
  };
  friend class FakeReadFile;

  int failure(FileOp op, const std::string& path) const;
  IoStatus store(FileOp op, const std::string& path, std::string_view bytes);    // a write or an append
  IoStatus transfer(FileOp op, const std::string& from, const std::string& to);  // a move or a copy
  void put(const std::string& path, std::vector<std::uint8_t> bytes);            // a file made or replaced
  bool folderExists(const std::string& normalisedKey) const;
  static bool isRoot(const std::string& normalisedKey);
  void note(FileOp op, const std::string& path) {
    ++m_counts[op];
    if (m_recording) m_touches.push_back({op, path});
  }
  // Notes the attempt and gives the errno code it is refused with, or 0.
  int attempt(FileOp op, const std::string& path) {
    note(op, path);
    return failure(op, path);
  }

  std::map<std::string, File> m_files;
  std::map<std::string, std::string> m_folders;  // key -> path as given
  std::vector<std::string> m_fileOrder, m_folderOrder;
  std::map<std::pair<FileOp, std::string>, int> m_failures;
  std::map<std::string, std::pair<std::size_t, int>> m_readLimits;
  std::size_t m_readPiece = SIZE_MAX;
  std::map<FileOp, int> m_counts;
  bool m_recording = false;
  std::vector<Touch> m_touches;
};

}  // namespace bingo::test
