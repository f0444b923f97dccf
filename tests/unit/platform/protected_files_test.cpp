// Whole-file saves on the real disk: read-only files stay as they are, links
// among the console's own files are written through, a replaced file keeps
// its mode and owner. Run as the current user and, when that is the
// superuser whom no permission stops, once more as "nobody".

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "platform/linux_file_system.h"
#include "unit/platform/temp_folder.h"

namespace bingo {
namespace {

namespace fs = std::filesystem;
constexpr uid_t kNobody = 65534;

struct Row {
  const char* name;
  const char* file;  // the real file below the root, made with "old" unless mode is 0
  mode_t mode;
  const char* link;  // a relative link to it, written instead of the file, or nullptr
  char special;      // 'L': the file's folder takes no new entry; 'N': the file belongs to nobody
  int code;
  const char* after;  // the real file's content afterwards
};

const Row kRows[] = {
    {"a read-only file is refused", "c/Arh/CfgC2.cfg", 0444, nullptr, ' ', EACCES, "old"},
    {"a writable file keeps its mode", "c/Arh/COMw.cfg", 0640, nullptr, ' ', 0, "new"},
    {"a new file is made", "c/Arh/New.cfg", 0, nullptr, ' ', 0, "new"},
    {"an own link is written through", "c/Real/GradW.txt", 0600, "c/Arh/GradW.txt", ' ', 0, "new"},
    {"a link to a read-only file is refused", "c/Real/RezDefW.txt", 0440, "c/Arh/RezDefW.txt", ' ', EACCES,
     "old"},
    {"a link in the share is replaced, never followed", "c/Arh/Secret.txt", 0644, "unc/SRV/net/AltS.txt", ' ',
     0, "old"},
    {"a locked folder's file is rewritten in place", "c/Locked/ProtklW.cfg", 0644, nullptr, 'L', 0, "new"},
    {"a locked folder's read-only file is refused", "c/Locked/ProtklW.cfg", 0444, nullptr, 'L', EACCES,
     "old"},
    {"the owner is kept", "c/Arh/clientbingo.ini", 0664, nullptr, 'N', 0, "new"},
};

// "c/Arh/x" is "C:\Arh\x", "unc/SRV/x" is "\\SRV\x".
std::string windowsPath(std::string path) {
  path = path.rfind("unc/", 0) == 0 ? "\\\\" + path.substr(4) : "C:\\" + path.substr(2);
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Plays one row in a fresh folder and says what went wrong, if anything.
std::string play(const Row& r, const std::string& base) {
  const std::string file = base + "/" + r.file, folder = fs::path(file).parent_path();
  fs::create_directories(folder);
  fs::create_directories(base + "/c/Arh");
  if (r.mode != 0) {
    std::ofstream(file) << "old";
    ::chmod(file.c_str(), r.mode);
    if (r.special == 'N' && ::chown(file.c_str(), kNobody, kNobody) != 0) return "chown";
  }
  if (r.link) {
    const fs::path link = base + "/" + r.link;
    fs::create_directories(link.parent_path());
    fs::create_symlink(fs::relative(file, link.parent_path()), link);
  }
  if (r.special == 'L') ::chmod(folder.c_str(), 0555);

  LinuxFileSystem disk{HostPaths(HostRoots{base, base + "/unc"})};
  const std::string text = "new";
  const int code = disk.writeFile(windowsPath(r.link ? r.link : r.file),
                                  {reinterpret_cast<const std::uint8_t*>(text.data()), 3})
                       .code;
  std::string wrong;
  struct stat st {};
  const bool there = ::stat(file.c_str(), &st) == 0;
  if (code != r.code) wrong += " code " + std::to_string(code);
  if (readAll(file) != r.after) wrong += " content " + readAll(file);
  if (r.mode != 0 && there && (st.st_mode & 07777) != r.mode)
    wrong += " mode " + std::to_string(st.st_mode & 07777);
  if (r.special == 'N' && there && st.st_uid != kNobody) wrong += " owner " + std::to_string(st.st_uid);
  if (r.link && fs::is_symlink(base + "/" + r.link) == (std::string(r.link).rfind("unc/", 0) == 0))
    wrong += " link kind";
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().extension() == ".tmp") wrong += " left " + entry.path().filename().string();
  ::chmod(folder.c_str(), 0777);
  return wrong;
}

// The rows as the superuser cannot see them: in a child that dropped to
// nobody and leaves what went wrong in a file beside the row's folder.
std::string playAsNobody(const Row& r, const std::string& base) {
  const pid_t child = ::fork();
  if (child == 0) {
    std::string wrong = "could not become nobody";
    if (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0)
      wrong = play(r, base);
    ::_exit(std::ofstream(base + ".wrong") << wrong ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? readAll(base + ".wrong") : "the child died";
}

TEST(ProtectedFiles, SavesRespectReadOnlyFilesLinksModesAndOwners) {
  test::TempFolder tmp;
  ::chmod(tmp.path().c_str(), 0777);  // reachable by nobody
  int n = 0;
  for (const Row& r : kRows) {
    if (r.special == 'N' && ::geteuid() != 0 && ::geteuid() != kNobody) continue;
    EXPECT_EQ(play(r, tmp / std::to_string(n++)), "") << r.name;
    if (::geteuid() == 0) {
      EXPECT_EQ(playAsNobody(r, tmp / std::to_string(n++)), "") << r.name << " as nobody";
    }
  }
}

}  // namespace
}  // namespace bingo
