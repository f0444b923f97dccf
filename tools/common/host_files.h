#pragma once
// Writing files on the host the way the game server writes its share: the
// frame file in place (open the existing file and overwrite its first record,
// as the real server does), atomically (a temporary file renamed over it), or
// torn (byte range by byte range with pauses, so readers catch it half-written).
// Paths here are host paths; mapping Windows paths is the caller's job.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace bingo::tools {

enum class WriteMode { InPlace, Atomic, Torn };

// Every failing call returns false and leaves a message naming the path and the system's error.
class HostFiles {
 public:
  // Makes the folder and any missing parents.
  bool makeFolders(const std::string& folder);
  // Overwrites the start of the file, creating it when missing; later bytes stay.
  bool writeInPlace(const std::string& path, std::span<const std::uint8_t> bytes);
  // Writes path + ".tmp" and renames it over the file.
  bool writeAtomic(const std::string& path, std::span<const std::uint8_t> bytes);
  // As writeInPlace, in ranges of `chunk` bytes; `between` runs after every range but the last.
  bool writeTorn(const std::string& path, std::span<const std::uint8_t> bytes, std::size_t chunk,
                 const std::function<void()>& between);
  bool write(WriteMode mode, const std::string& path, std::span<const std::uint8_t> bytes, std::size_t chunk,
             const std::function<void()>& between);
  // Removing a missing file is no error.
  bool removeFile(const std::string& path);
  std::optional<std::vector<std::uint8_t>> readFile(const std::string& path);

  const std::string& lastError() const { return m_error; }

 private:
  bool fail(const std::string& what, const std::string& path, int code);
  std::string m_error;
};

}  // namespace bingo::tools
