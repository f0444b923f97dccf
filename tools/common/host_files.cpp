#include "common/host_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/linux_file_system.h"

namespace bingo::tools {

bool HostFiles::fail(const std::string& what, const std::string& path, int code) {
  m_error = what + " " + path + ": " + std::strerror(code);
  return false;
}

bool HostFiles::makeFolders(const std::string& folder) {
  for (std::size_t at = 1; at <= folder.size(); ++at) {
    if (at != folder.size() && folder[at] != '/') continue;
    const std::string part = folder.substr(0, at);
    if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return fail("cannot make folder", part, errno);
  }
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0) return fail("cannot make folder", folder, errno);
  if (!S_ISDIR(st.st_mode)) return fail("cannot make folder", folder, ENOTDIR);
  return true;
}

bool HostFiles::writeInPlace(const std::string& path, std::span<const std::uint8_t> bytes) {
  return writeTorn(path, bytes, bytes.size(), {});
}

bool HostFiles::writeTorn(const std::string& path, std::span<const std::uint8_t> bytes, std::size_t chunk,
                          const std::function<void()>& between) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return fail("cannot open", path, errno);
  if (chunk == 0) chunk = bytes.size();
  int code = 0;
  for (std::size_t at = 0; at < bytes.size() && code == 0; at += chunk) {
    if (at > 0 && between) between();
    code = writeAt(fd, bytes.subspan(at, std::min(chunk, bytes.size() - at)), static_cast<off_t>(at));
  }
  if (::close(fd) != 0 && code == 0) code = errno;
  return code == 0 ? true : fail("cannot write", path, code);
}

bool HostFiles::writeAtomic(const std::string& path, std::span<const std::uint8_t> bytes) {
  const std::string temporary = path + ".tmp";
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return fail("cannot create", temporary, errno);
  int code = writeAt(fd, bytes, 0);
  if (::close(fd) != 0 && code == 0) code = errno;
  if (code == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) code = errno;
  if (code != 0) {
    ::unlink(temporary.c_str());
    return fail("cannot write", path, code);
  }
  return true;
}

bool HostFiles::write(WriteMode mode, const std::string& path, std::span<const std::uint8_t> bytes,
                      std::size_t chunk, const std::function<void()>& between) {
  switch (mode) {
    case WriteMode::Atomic:
      return writeAtomic(path, bytes);
    case WriteMode::Torn:
      return writeTorn(path, bytes, chunk, between);
    case WriteMode::InPlace:
      break;
  }
  return writeInPlace(path, bytes);
}

bool HostFiles::removeFile(const std::string& path) {
  if (::unlink(path.c_str()) != 0 && errno != ENOENT) return fail("cannot remove", path, errno);
  return true;
}

std::optional<std::vector<std::uint8_t>> HostFiles::readFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    fail("cannot open", path, errno);
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes;
  std::uint8_t buffer[64 * 1024];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int code = errno;
      ::close(fd);
      fail("cannot read", path, code);
      return std::nullopt;
    }
    if (n == 0) break;
    bytes.insert(bytes.end(), buffer, buffer + n);
  }
  ::close(fd);
  return bytes;
}

}  // namespace bingo::tools
