#pragma once
// File access as the console sees it: every path is a Windows path text
// ("C:\Orma\Bingo\Arh\Log", "\\SERVER\net\Frame.dat", "net.ini"); the real
// implementation maps it onto the host only at the moment of access.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bingo {

// The operations a fault-injecting file system can refuse, one at a time.
enum class FileOp { Exists, Size, Open, Read, Close, Write, Append, Remove, MakeFolder, List, Move, Copy };

// Result of one operation: 0 on success, otherwise the platform's errno value.
struct IoStatus {
  int code = 0;
  bool ok() const { return code == 0; }
};

// A file opened for reading only, sharing read and write access with other programs.
class ReadFile {
 public:
  virtual ~ReadFile() = default;
  // Reads up to buffer.size() bytes; `got` receives the number actually read (0 at the end).
  virtual IoStatus read(std::span<std::uint8_t> buffer, std::size_t& got) = 0;
  virtual IoStatus close() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Any directory entry of that name, file or folder.
  virtual bool exists(const std::string& path) = 0;
  virtual bool isFolder(const std::string& path) = 0;
  // Size of a regular file; nothing for a folder or a missing file.
  virtual std::optional<std::uint64_t> fileSize(const std::string& path) = 0;

  // On success `file` holds the open file.
  virtual IoStatus openRead(const std::string& path, std::unique_ptr<ReadFile>& file) = 0;
  // Creates or replaces the whole file through a temporary name and a rename,
  // so a crash never leaves a torn file.
  virtual IoStatus writeFile(const std::string& path, std::span<const std::uint8_t> bytes) = 0;
  // Appends to the file, creating it when missing.
  virtual IoStatus appendFile(const std::string& path, std::string_view text) = 0;
  virtual IoStatus removeFile(const std::string& path) = 0;
  // Makes one folder level; the parent must exist.
  virtual IoStatus makeFolder(const std::string& path) = 0;
  // Names of the regular files in `folder` whose names match the Windows
  // wildcard `pattern` ('?' one character, '*' any run), case-insensitively.
  // Each name is a single path component. Nothing when the folder cannot be listed.
  virtual std::optional<std::vector<std::string>> listFiles(const std::string& folder,
                                                            const std::string& pattern) = 0;
  // Both replace an existing destination by the rules of writeFile.
  virtual IoStatus moveFile(const std::string& from, const std::string& to) = 0;
  virtual IoStatus copyFile(const std::string& from, const std::string& to) = 0;
};

// Whole-file helpers over any FileSystem (open, read, close).

// At most maxBytes of the file; nothing when it cannot be opened, read or closed.
std::optional<std::vector<std::uint8_t>> readFileBytes(FileSystem& fs, const std::string& path,
                                                       std::size_t maxBytes);
// First line of a text file (CR or LF ends it); nothing when the file cannot be read or is empty.
std::optional<std::string> readFirstLine(FileSystem& fs, const std::string& path);

IoStatus writeTextFile(FileSystem& fs, const std::string& path, std::string_view text);

// Windows wildcard match ('?' and '*'), case-insensitive for ASCII letters.
bool wildcardMatch(std::string_view pattern, std::string_view name);

}  // namespace bingo
