#pragma once
// The console's file access on Linux: every Windows path text is mapped onto
// the host by HostPaths at the moment of access; errors are errno values.
//
// Folder listings return regular files only (checked without following links),
// so a symbolic link placed in a listed folder, such as the server's share,
// can never lead a caller to a file outside it. Paths that the program names
// itself are followed through links like any other path.
//
// A whole-file write, a copy and a move refuse an existing file that is
// read-only, write through a link among the installation's own files (never
// one in the server's share) and keep the replaced file's mode and owner; a
// write rewrites the file in place when its folder takes no temporary file.

#include <sys/stat.h>

#include <optional>

#include "platform/file_system.h"
#include "platform/host_paths.h"

namespace bingo {

// Writes all of `bytes` at offset `at`, retrying short and interrupted
// writes; 0, or the errno of the write that failed.
int writeAt(int fd, std::span<const std::uint8_t> bytes, off_t at);

class LinuxFileSystem final : public FileSystem {
 public:
  explicit LinuxFileSystem(HostPaths paths) : m_paths(std::move(paths)) {}

  bool exists(const std::string& path) override;
  bool isFolder(const std::string& path) override;
  std::optional<std::uint64_t> fileSize(const std::string& path) override;
  IoStatus openRead(const std::string& path, std::unique_ptr<ReadFile>& file) override;
  IoStatus writeFile(const std::string& path, std::span<const std::uint8_t> bytes) override;
  IoStatus appendFile(const std::string& path, std::string_view text) override;
  IoStatus removeFile(const std::string& path) override;
  IoStatus makeFolder(const std::string& path) override;
  std::optional<std::vector<std::string>> listFiles(const std::string& folder,
                                                    const std::string& pattern) override;
  IoStatus moveFile(const std::string& from, const std::string& to) override;
  IoStatus copyFile(const std::string& from, const std::string& to) override;

  const HostPaths& paths() const { return m_paths; }

 private:
  // The host path of a Windows path, or nothing when the text cannot name a
  // host file (an embedded NUL would cut it short).
  std::optional<std::string> host(const std::string& windowsPath) const;
  // A drive's folder under BINGO_ROOT stands for the drive itself, which always
  // exists on Windows: it is made, with its parents, before anything is created on it.
  void prepareDrive(const std::string& windowsPath) const;
  // Where a whole-file replacement of `path` lands (`target`, the end of the
  // installation's own links) and the status of the regular file it replaces
  // there, if any; the refusal of a read-only file, or 0.
  int replacementTarget(const std::string& path, std::string& target,
                        std::optional<struct stat>& replaced) const;
  // Writes `source` (an open descriptor, or the bytes) into a fresh temporary
  // file beside `target`, flushes it to disk and renames it over `target`;
  // the temporary file takes the mode and owner of `keep` when given.
  IoStatus replaceThroughTemporary(const std::string& target, int sourceFd,
                                   std::span<const std::uint8_t> bytes, const struct stat* keep = nullptr);

  HostPaths m_paths;
  unsigned m_temporaryCounter = 0;
};

}  // namespace bingo
