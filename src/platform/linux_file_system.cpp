#include "platform/linux_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

#include "platform/text.h"

namespace bingo {
namespace {

constexpr mode_t kFileMode = 0666;    // narrowed by the umask
constexpr mode_t kFolderMode = 0777;  // narrowed by the umask
constexpr std::size_t kCopyChunk = 64 * 1024;
constexpr int kTemporaryAttempts = 100;

int closeKeepingFirstError(int fd, int error) {
  if (::close(fd) != 0 && error == 0) return errno;
  return error;
}

int writeAll(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return 0;
}

// Reads until the buffer is full or the file ends, so a short count means the end.
int readFull(int fd, std::uint8_t* data, std::size_t size, std::size_t& got) {
  got = 0;
  while (got < size) {
    const ssize_t n = ::read(fd, data + got, size - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  return 0;
}

// Opens a regular file; a folder or a device is refused. The type is checked
// on the open descriptor, so a named pipe, also one swapped in for the file a
// moment before, cannot block the open nor take what is written.
int openRegular(const std::string& hostPath, int flags, int& fd) {
  fd = ::open(hostPath.c_str(), flags | O_CLOEXEC | O_NONBLOCK, kFileMode);
  if (fd < 0) return errno;
  struct stat st {};
  int error = 0;
  if (::fstat(fd, &st) != 0) {
    error = errno;
  } else if (S_ISDIR(st.st_mode)) {
    error = EISDIR;
  } else if (!S_ISREG(st.st_mode)) {
    error = EINVAL;
  } else if (const int fileFlags = ::fcntl(fd, F_GETFL);
             fileFlags < 0 || ::fcntl(fd, F_SETFL, fileFlags & ~O_NONBLOCK) != 0) {
    error = errno;
  }
  if (error != 0) {
    ::close(fd);
    fd = -1;
  }
  return error;
}

std::string parentFolder(const std::string& hostPath) {
  const auto slash = hostPath.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return hostPath.substr(0, slash);
}

std::string lastComponent(const std::string& hostPath) {
  const auto slash = hostPath.find_last_of('/');
  return slash == std::string::npos ? hostPath : hostPath.substr(slash + 1);
}

// Best effort: after a rename the folder entry reaches the disk too.
void syncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

void makeFoldersWithParents(const std::string& hostPath) {
  for (std::size_t slash = hostPath.find('/', 1);; slash = hostPath.find('/', slash + 1)) {
    const std::string prefix = hostPath.substr(0, slash);
    ::mkdir(prefix.c_str(), kFolderMode);
    if (slash == std::string::npos) break;
  }
}

// The end of a chain of symbolic links, each relative to the folder of the
// link that names it; the target itself need not exist yet.
int resolveLinks(std::string& hostPath) {
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st {};
    if (::lstat(hostPath.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return 0;
    std::string target(PATH_MAX, '\0');
    const ssize_t n = ::readlink(hostPath.c_str(), target.data(), target.size());
    if (n < 0) return errno;
    target.resize(static_cast<std::size_t>(n));
    hostPath = target.front() == '/' ? target : parentFolder(hostPath) + "/" + target;
  }
  return ELOOP;
}

// Why an existing file may not be replaced: the system's answer for the
// running user (EACCES, EROFS on a read-only mount), and for the superuser,
// whom no permission stops, a file without any write bit, the read-only mark
// of the hall's files; 0 when it may.
int writeRefusal(const std::string& hostPath, const struct stat& st) {
  if (::faccessat(AT_FDCWD, hostPath.c_str(), W_OK, AT_EACCESS) != 0) return errno;
  return (st.st_mode & 0222) == 0 ? EACCES : 0;
}

// Puts back the old bytes and length after a failed rewrite in place; what
// cannot be put back stays as the failure left it, which is reported either way.
bool restore(int fd, std::span<const std::uint8_t> oldBytes, off_t oldSize) {
  return writeAt(fd, oldBytes, 0) == 0 && ::ftruncate(fd, oldSize) == 0;
}

// Rewrites an existing file where it is, for a folder that takes no new
// entry. A failure leaves the old bytes: what lengthens the file is written
// first, beyond its old end, so a full disk or a size limit stops the save
// before an old byte is touched; the old bytes that are overwritten are held
// in memory and put back when the overwrite fails. What no order of writes
// avoids: a crash of the machine midway can leave old and new bytes mixed,
// which a temporary file and a rename would not.
int rewriteInPlace(const std::string& hostPath, std::span<const std::uint8_t> bytes) {
  int fd = -1;
  if (const int error = openRegular(hostPath, O_RDWR | O_NOFOLLOW, fd)) return error;
  struct stat st {};
  if (::fstat(fd, &st) != 0) return closeKeepingFirstError(fd, errno);
  const auto oldSize = static_cast<std::size_t>(st.st_size);
  std::vector<std::uint8_t> oldBytes(std::min(oldSize, bytes.size()));
  std::size_t got = 0;
  int error = readFull(fd, oldBytes.data(), oldBytes.size(), got);
  if (error == 0 && got < oldBytes.size()) error = EAGAIN;  // another program cut it meanwhile
  if (error == 0 && bytes.size() > oldSize) {
    error = writeAt(fd, bytes.subspan(oldSize), static_cast<off_t>(oldSize));
    if (error != 0) restore(fd, {}, st.st_size);
  }
  if (error == 0) {
    error = writeAt(fd, bytes.first(oldBytes.size()), 0);
    if (error == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) error = errno;
    if (error != 0) restore(fd, oldBytes, st.st_size);
  }
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  return closeKeepingFirstError(fd, error);
}

bool isDrivePath(const std::string& windowsPath) {
  return windowsPath.size() >= 2 && windowsPath[1] == ':' && asciiUpper(windowsPath[0]) >= 'A' &&
         asciiUpper(windowsPath[0]) <= 'Z';
}

bool isBareDrive(const std::string& windowsPath) {
  return isDrivePath(windowsPath) &&
         (windowsPath.size() == 2 ||
          (windowsPath.size() == 3 && (windowsPath[2] == '\\' || windowsPath[2] == '/')));
}

// A name that is not one plain component is never handed to a caller.
bool isPlainListedName(std::string_view name) {
  return name.find('\\') == std::string_view::npos && name.find("..") == std::string_view::npos;
}

bool listedBefore(const std::string& a, const std::string& b) {
  const std::string upperA = toUpperAscii(a), upperB = toUpperAscii(b);
  return upperA != upperB ? upperA < upperB : a < b;
}

class LinuxReadFile final : public ReadFile {
 public:
  explicit LinuxReadFile(int fd) : m_fd(fd) {}
  ~LinuxReadFile() override {
    if (m_fd >= 0) ::close(m_fd);
  }
  LinuxReadFile(const LinuxReadFile&) = delete;
  LinuxReadFile& operator=(const LinuxReadFile&) = delete;

  IoStatus read(std::span<std::uint8_t> buffer, std::size_t& got) override {
    got = 0;
    if (m_fd < 0) return {EBADF};
    return {readFull(m_fd, buffer.data(), buffer.size(), got)};
  }
  IoStatus close() override {
    if (m_fd < 0) return {EBADF};
    const int fd = m_fd;
    m_fd = -1;
    return {closeKeepingFirstError(fd, 0)};
  }

 private:
  int m_fd;
};

}  // namespace

int writeAt(int fd, std::span<const std::uint8_t> bytes, off_t at) {
  while (!bytes.empty()) {
    const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), at);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes = bytes.subspan(static_cast<std::size_t>(n));
    at += n;
  }
  return 0;
}

std::optional<std::string> LinuxFileSystem::host(const std::string& windowsPath) const {
  if (windowsPath.find('\0') != std::string::npos) return std::nullopt;
  return m_paths.toHost(windowsPath);
}

void LinuxFileSystem::prepareDrive(const std::string& windowsPath) const {
  if (!isDrivePath(windowsPath)) return;
  const std::string drive = m_paths.toHost(windowsPath.substr(0, 2));
  struct stat st {};
  if (::stat(drive.c_str(), &st) == 0) return;
  makeFoldersWithParents(drive);
}

bool LinuxFileSystem::exists(const std::string& path) {
  if (isBareDrive(path)) prepareDrive(path);
  const auto h = host(path);
  struct stat st {};
  return h && ::lstat(h->c_str(), &st) == 0;
}

bool LinuxFileSystem::isFolder(const std::string& path) {
  if (isBareDrive(path)) prepareDrive(path);
  const auto h = host(path);
  struct stat st {};
  return h && ::stat(h->c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<std::uint64_t> LinuxFileSystem::fileSize(const std::string& path) {
  const auto h = host(path);
  struct stat st {};
  if (!h || ::stat(h->c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return static_cast<std::uint64_t>(st.st_size);
}

IoStatus LinuxFileSystem::openRead(const std::string& path, std::unique_ptr<ReadFile>& file) {
  file.reset();
  const auto h = host(path);
  if (!h) return {EINVAL};
  int fd = -1;
  if (int error = openRegular(*h, O_RDONLY, fd)) return {error};
  file = std::make_unique<LinuxReadFile>(fd);
  return {};
}

IoStatus LinuxFileSystem::replaceThroughTemporary(const std::string& target, int sourceFd,
                                                  std::span<const std::uint8_t> bytes,
                                                  const struct stat* keep) {
  const std::string folder = parentFolder(target);
  const std::string prefix = (folder == "/" ? std::string("/") : folder + "/") + "." + lastComponent(target) +
                             "." + std::to_string(::getpid()) + ".";
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; attempt < kTemporaryAttempts && fd < 0; ++attempt) {
    temporary = prefix + std::to_string(m_temporaryCounter++) + ".tmp";
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kFileMode);
    if (fd < 0 && errno != EEXIST) return {errno};
  }
  if (fd < 0) return {EEXIST};

  int error = 0;
  if (keep) {
    // The replaced file's owner where the process may set it (best effort), then its mode.
    if (::fchown(fd, keep->st_uid, keep->st_gid) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), keep->st_gid) != 0) {
      // Not ours to give away: the new file stays the running user's.
    }
    if (::fchmod(fd, keep->st_mode & 07777) != 0) error = errno;
  }
  if (error != 0) {
    // The temporary would not take the replaced file's mode: nothing is written.
  } else if (sourceFd < 0) {
    error = writeAll(fd, bytes.data(), bytes.size());
  } else {
    std::vector<std::uint8_t> chunk(kCopyChunk);
    for (;;) {
      std::size_t got = 0;
      error = readFull(sourceFd, chunk.data(), chunk.size(), got);
      if (error == 0) error = writeAll(fd, chunk.data(), got);
      if (error != 0 || got < chunk.size()) break;
    }
  }
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  error = closeKeepingFirstError(fd, error);
  if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return {error};
  }
  syncFolder(folder);
  return {};
}

int LinuxFileSystem::replacementTarget(const std::string& path, std::string& target,
                                       std::optional<struct stat>& replaced) const {
  const auto h = host(path);
  if (!h) return EINVAL;
  prepareDrive(path);
  target = *h;
  replaced.reset();
  const bool share = path.rfind("\\\\", 0) == 0;
  if (!share)
    if (const int error = resolveLinks(target)) return error;
  struct stat st {};
  if (::lstat(target.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
  replaced = st;
  return writeRefusal(target, st);
}

IoStatus LinuxFileSystem::writeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::string target;
  std::optional<struct stat> replaced;
  if (const int error = replacementTarget(path, target, replaced)) return {error};
  if (!replaced) return replaceThroughTemporary(target, -1, bytes);
  const IoStatus status = replaceThroughTemporary(target, -1, bytes, &*replaced);
  if (status.code == EACCES || status.code == EPERM) return {rewriteInPlace(target, bytes)};
  return status;
}

IoStatus LinuxFileSystem::appendFile(const std::string& path, std::string_view text) {
  const auto h = host(path);
  if (!h) return {EINVAL};
  prepareDrive(path);
  int fd = -1;
  if (const int error = openRegular(*h, O_WRONLY | O_APPEND | O_CREAT, fd)) return {error};
  const int error = writeAll(fd, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  return {closeKeepingFirstError(fd, error)};
}

IoStatus LinuxFileSystem::removeFile(const std::string& path) {
  const auto h = host(path);
  if (!h) return {EINVAL};
  return {::unlink(h->c_str()) == 0 ? 0 : errno};
}

IoStatus LinuxFileSystem::makeFolder(const std::string& path) {
  const auto h = host(path);
  if (!h) return {EINVAL};
  prepareDrive(path);
  return {::mkdir(h->c_str(), kFolderMode) == 0 ? 0 : errno};
}

std::optional<std::vector<std::string>> LinuxFileSystem::listFiles(const std::string& folder,
                                                                   const std::string& pattern) {
  const auto h = host(folder);
  if (!h) return std::nullopt;
  DIR* dir = ::opendir(h->c_str());
  if (!dir) return std::nullopt;
  const int dirFd = ::dirfd(dir);
  std::vector<std::string> names;
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(dir);
    if (!entry) break;
    const std::string_view name = entry->d_name;
    if (!isPlainListedName(name) || !wildcardMatch(pattern, name)) continue;
    // lstat, not stat: a link is not a regular file, wherever it points.
    struct stat st {};
    if (::fstatat(dirFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)) continue;
    names.emplace_back(name);
  }
  const int error = errno;
  ::closedir(dir);
  if (error != 0) return std::nullopt;
  // Windows lists a folder in name order; keep that so callers see a stable order.
  std::sort(names.begin(), names.end(), listedBefore);
  return names;
}

IoStatus LinuxFileSystem::moveFile(const std::string& from, const std::string& to) {
  const auto hostFrom = host(from);
  if (!hostFrom || !host(to)) return {EINVAL};
  std::string target;
  std::optional<struct stat> replaced;
  if (const int error = replacementTarget(to, target, replaced)) return {error};
  // A rename would give a replaced file the mode and owner of the moved one;
  // a file moved onto itself (the same file in another case) stays by a rename.
  struct stat source {};
  if (replaced && ::lstat(hostFrom->c_str(), &source) == 0 && source.st_dev == replaced->st_dev &&
      source.st_ino == replaced->st_ino)
    replaced.reset();
  if (!replaced) {
    if (::rename(hostFrom->c_str(), target.c_str()) == 0) return {};
    if (errno != EXDEV) return {errno};
  }
  // Another file system (the server's share onto the local disk), or a file
  // to replace: copy, then remove. A link is never followed here: moving it
  // must not copy what it points at.
  int fd = -1;
  if (const int error = openRegular(*hostFrom, O_RDONLY | O_NOFOLLOW, fd)) return {error};
  const IoStatus copied = replaceThroughTemporary(target, fd, {}, replaced ? &*replaced : nullptr);
  ::close(fd);
  if (!copied.ok()) return copied;
  return {::unlink(hostFrom->c_str()) == 0 ? 0 : errno};
}

IoStatus LinuxFileSystem::copyFile(const std::string& from, const std::string& to) {
  const auto hostFrom = host(from);
  if (!hostFrom || !host(to)) return {EINVAL};
  int fd = -1;
  if (const int error = openRegular(*hostFrom, O_RDONLY, fd)) return {error};
  std::string target;
  std::optional<struct stat> replaced;
  IoStatus copied{replacementTarget(to, target, replaced)};
  if (copied.ok()) copied = replaceThroughTemporary(target, fd, {}, replaced ? &*replaced : nullptr);
  ::close(fd);
  return copied;
}

}  // namespace bingo
