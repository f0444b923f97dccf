// The host's disk as the console sees it: Windows paths mapped onto two
// roots, refusals with the codes of the fake, whole-file saves.

#include <grp.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <numeric>
#include <set>

#include "platform/host_paths.h"
#include "platform/linux_file_system.h"
#include "support/fake_file_system.h"
#include "unit/platform/temp_folder.h"

namespace bingo {
namespace {

TEST(HostPaths, MapsWindowsPathsOntoTheRootsMatchingCaseWhereNamesExist) {
  test::TempFolder tmp;
  tmp.file("c/Orma/Bingo/Arh/CfgW/CfgC2.cfg");
  tmp.file("unc/srv7/NET/frame.DAT");
  tmp.folder("c/Amb/x");
  tmp.folder("c/AMB/x");
  const HostPaths paths(HostRoots{tmp.path(), tmp / "unc"});

  const std::pair<std::string, std::string> rows[] = {
      // Windows path, host path
      {"C:\\Orma\\Bingo\\Arh\\CfgW\\CfgC2.cfg", tmp / "c/Orma/Bingo/Arh/CfgW/CfgC2.cfg"},
      // An existing file is reused whatever the case of the text.
      {"c:\\ORMA\\bingo\\ARH\\cfgw\\cfgc2.CFG", tmp / "c/Orma/Bingo/Arh/CfgW/CfgC2.cfg"},
      {"C:/Orma/Bingo/Arh/CfgW", tmp / "c/Orma/Bingo/Arh/CfgW"},
      {"C:\\Orma\\Bingo\\Arh\\", tmp / "c/Orma/Bingo/Arh"},
      // New names keep their case below the part that exists.
      {"C:\\orma\\bingo\\Arh\\Log\\261206.Txt", tmp / "c/Orma/Bingo/Arh/Log/261206.Txt"},
      {"z:\\Arh", tmp / "z/Arh"},
      {"C:", tmp / "c"},
      {"\\\\SRV7\\net\\Frame.dat", tmp / "unc/srv7/NET/frame.DAT"},
      {"\\\\Other\\net\\Off1.txt", tmp / "unc/Other/net/Off1.txt"},
      // Two entries differing only in case: no unique match, the given name stays.
      {"C:\\amB\\x", tmp / "c/amB/x"},
      // ".." is taken back by the text, never above the drive.
      {"C:\\Orma\\..\\..\\..\\etc\\passwd", tmp / "c/etc/passwd"},
      {"C:\\Orma\\.\\Bingo\\..\\Bingo", tmp / "c/Orma/Bingo"},
      // A host path (the program's own location) is matched the same way.
      {tmp / "C/orma/BINGO", tmp / "c/Orma/Bingo"},
      {"Net.INI.missing", "Net.INI.missing"},
      {"sub\\file.txt", "sub/file.txt"},
      {"..\\up.txt", "up.txt"},
  };
  for (const auto& [windows, host] : rows) EXPECT_EQ(paths.toHost(windows), host) << windows;
  // The roots from the environment: BINGO_ROOT, else below HOME; the share's below it.
  const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
  ::setenv("HOME", (tmp / "home").c_str(), 1);
  ::unsetenv("BINGO_ROOT");
  ::setenv("BINGO_UNC_ROOT", "/mnt/shares//", 1);
  const HostRoots roots = HostRoots::fromEnvironment();
  EXPECT_EQ(roots.bingoRoot + " " + roots.uncRoot, tmp / "home/.local/share/clientbingo /mnt/shares");
  ::setenv("BINGO_UNC_ROOT", "//", 1);  // the file system's root stays itself
  EXPECT_EQ(HostRoots::fromEnvironment().uncRoot, "/");
  ::setenv("HOME", home.c_str(), 1);
  ::unsetenv("BINGO_UNC_ROOT");
}

std::vector<std::uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

// The names in a folder in name order, each followed by a blank.
std::string entriesOf(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
  return std::accumulate(names.begin(), names.end(), std::string(),
                         [](auto a, auto& b) { return a + b + " "; });
}

class LinuxFileSystemTest : public ::testing::Test {
 protected:
  test::TempFolder tmp;
  LinuxFileSystem fs{HostPaths(HostRoots{tmp.path(), tmp / "unc"})};
};

// The fake refuses with the same codes, so a test that passes against the fake
// holds on the console's disk too.
TEST_F(LinuxFileSystemTest, RefusalsCarryTheErrnoCodeLikeTheFake) {
  test::FakeFileSystem fake;
  for (FileSystem* each : {static_cast<FileSystem*>(&fs), static_cast<FileSystem*>(&fake)}) {
    ASSERT_TRUE(each->makeFolder("C:\\Data").ok());
    ASSERT_TRUE(each->makeFolder("C:\\Data\\Folder").ok());
    ASSERT_TRUE(writeTextFile(*each, "C:\\Data\\File.txt", "x").ok());
  }
  // A new folder is open to everyone the umask lets in, like the hall's shared folders.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  EXPECT_EQ(std::filesystem::status(tmp / "c/Data/Folder").permissions(),
            std::filesystem::perms(0777 & ~mask));
  const std::vector<std::uint8_t> one{1};
  std::unique_ptr<ReadFile> file;
  using Op = std::function<int(FileSystem&)>;
  const auto has = [](bool ok) { return ok ? 0 : ENOENT; };
  const std::pair<Op, int> rows[] = {
      {[&](auto& f) { return f.openRead("C:\\Data\\Missing", file).code; }, ENOENT},
      {[&](auto& f) { return f.openRead("C:\\Data\\Folder", file).code; }, EISDIR},
      {[&](auto& f) { return f.writeFile("C:\\No\\a", one).code; }, ENOENT},
      {[&](auto& f) { return f.writeFile("C:\\Data\\Folder", one).code; }, EISDIR},
      {[&](auto& f) { return f.appendFile("C:\\Data\\Folder", "a").code; }, EISDIR},
      {[&](auto& f) { return f.appendFile("C:\\No\\a", "a").code; }, ENOENT},
      {[&](auto& f) { return f.removeFile("C:\\Data\\Missing").code; }, ENOENT},
      {[&](auto& f) { return f.removeFile("C:\\Data\\Folder").code; }, EISDIR},
      {[&](auto& f) { return f.makeFolder("C:\\No\\Sub").code; }, ENOENT},
      {[&](auto& f) { return f.makeFolder("C:\\DATA\\folder").code; }, EEXIST},
      {[&](auto& f) { return f.makeFolder("C:\\Data\\File.txt").code; }, EEXIST},
      {[&](auto& f) { return f.copyFile("C:\\Data\\Missing", "C:\\Data\\b").code; }, ENOENT},
      {[&](auto& f) { return f.copyFile("C:\\Data\\Folder", "C:\\Data\\b").code; }, EISDIR},
      {[&](auto& f) { return f.copyFile("C:\\Data\\File.txt", "C:\\Data\\Folder").code; }, EISDIR},
      {[&](auto& f) { return f.moveFile("C:\\Data\\Missing", "C:\\Data\\b").code; }, ENOENT},
      {[&](auto& f) { return f.moveFile("C:\\Data\\File.txt", "C:\\No\\b").code; }, ENOENT},
      {[&](auto& f) { return f.moveFile("C:\\Data\\File.txt", "C:\\Data\\Folder").code; }, EISDIR},
      {[&](auto& f) { return has(f.fileSize("C:\\Data\\Folder").has_value()); }, ENOENT},
      {[&](auto& f) { return has(f.listFiles("C:\\No", "*").has_value()); }, ENOENT},
      {[&](auto& f) { return has(f.isFolder("C:") && f.exists("C:\\")); }, 0},  // the drive root
      {[&](auto& f) { return has(!f.exists("") && !f.isFolder("")); }, 0},      // an empty path names nothing
      {[&](auto& f) { return has(f.exists("c:\\data\\file.TXT")); }, 0},        // any case finds the file
  };
  int n = 0;
  for (const auto& [op, code] : rows) {
    EXPECT_EQ(op(fs), code) << "row " << n;
    EXPECT_EQ(op(fake), code) << "row " << n++ << " (fake)";
  }
  EXPECT_FALSE(file);
  // A named pipe or a link on the share: the console-level hostile-share test.
  const std::string withNul("C:\\Data\\File.txt\0x", 19);
  EXPECT_EQ(fs.openRead(withNul, file).code, EINVAL);
  EXPECT_EQ(fs.moveFile("C:\\Data\\File.txt", withNul).code, EINVAL);
  EXPECT_EQ(fs.moveFile(withNul, "C:\\Data\\b").code, EINVAL);
  // A named pipe where a log belongs takes no line and blocks nothing.
  ASSERT_EQ(::mkfifo((tmp / "c/LogApp.txt").c_str(), 0600), 0);
  EXPECT_EQ(fs.appendFile("C:\\LogApp.txt", "a").code, ENXIO);
  // Nothing was left behind by the refused writes and copies.
  EXPECT_EQ(entriesOf(tmp / "c/Data"), "File.txt Folder ");
}

// Drive C is made on the first write; a write, a move or a copy replaces an
// existing file under its own name, whatever the case of the text; an append adds.
TEST_F(LinuxFileSystemTest, WritesMovesAndCopiesReplaceTheTargetAndAppendsAdd) {
  ASSERT_TRUE(fs.writeFile("C:\\CfgC2.cfg", bytesOf("first version")).ok());
  tmp.file("unc/SRV7/net/150101N1.DG", "record");
  tmp.file("c/DG2/150101N1.DG", "older");
  tmp.file("c/DG2/DGT/copy.dg", "stale");
  ASSERT_TRUE(fs.writeFile("c:\\CFGC2.CFG", bytesOf("8")).ok());
  ASSERT_TRUE(fs.moveFile("\\\\SRV7\\net\\150101N1.DG", "C:\\DG2\\150101N1.DG").ok());
  ASSERT_TRUE(fs.copyFile("C:\\DG2\\150101N1.DG", "C:\\DG2\\DGT\\COPY.DG").ok());
  ASSERT_TRUE(fs.moveFile("C:\\DG2\\150101N1.DG", "c:\\dg2\\150101n1.dg").ok());  // onto itself
  ASSERT_TRUE(fs.appendFile("C:\\DG2\\LogApp.txt", "  one").ok());
  ASSERT_TRUE(fs.appendFile("C:\\dg2\\logapp.TXT", "  two").ok());
  EXPECT_EQ(tmp.read("c/CfgC2.cfg") + "|" + tmp.read("c/DG2/150101N1.DG") + "|" +
                tmp.read("c/DG2/DGT/copy.dg") + "|" + tmp.read("c/DG2/LogApp.txt"),
            "8|record|record|  one  two");
  EXPECT_EQ(entriesOf(tmp / "c") + entriesOf(tmp / "c/DG2") + entriesOf(tmp / "unc/SRV7/net"),
            "CfgC2.cfg DG2 150101N1.DG DGT LogApp.txt ");
}

// A file-size limit stands in for a full disk: the write fails with its code,
// the old file stays whole and no temporary is left.
TEST_F(LinuxFileSystemTest, AFullDiskRefusesTheWriteAndKeepsTheOldFile) {
  tmp.file("c/CfgW/CfgC2.cfg", "old");
  tmp.file("c/CfgW/Log.txt", "old");
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  const rlimit small{100, saved.rlim_max};
  ::setrlimit(RLIMIT_FSIZE, &small);
  const IoStatus written = fs.writeFile("C:\\CfgW\\CfgC2.cfg", std::vector<std::uint8_t>(200, 'x'));
  const IoStatus appended = fs.appendFile("C:\\CfgW\\Log.txt", std::string(200, 'x'));
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(std::make_pair(written.code, appended.code), std::make_pair(EFBIG, EFBIG));
  EXPECT_EQ(tmp.read("c/CfgW/CfgC2.cfg"), "old");
  EXPECT_EQ(entriesOf(tmp / "c/CfgW"), "CfgC2.cfg Log.txt ");
}

// A console started without standard input gets descriptor 0 for its first
// file; a read delivers the file, then its end; a second close is refused.
TEST_F(LinuxFileSystemTest, ReadDeliversTheFileThenItsEndAlsoOnDescriptorZero) {
  tmp.file("unc/SRV7/net/Frame.dat", "F");
  const int savedInput = ::dup(0);
  ::close(0);
  std::unique_ptr<ReadFile> file;
  std::uint8_t buffer[4];
  std::size_t got = 0, atEnd = 9;
  std::string codes = std::to_string(fs.openRead("\\\\srv7\\NET\\frame.dat", file).code);
  if (file)
    for (const IoStatus status :
         {file->read(buffer, got), file->read(buffer, atEnd), file->close(), file->close()})
      codes += " " + std::to_string(status.code);
  ::dup2(savedInput, 0);
  ::close(savedInput);
  EXPECT_EQ(codes + " " + std::to_string(got * 10 + atEnd), "0 0 0 0 " + std::to_string(EBADF) + " 10");
  EXPECT_EQ(fs.fileSize("\\\\SRV7\\net\\Frame.dat"), 1u);
}

// The pattern matches names case-insensitively, "*" also nothing and, after
// a mismatch, more of the name. Links in the share are the console-level
// hostile-share test's.
TEST_F(LinuxFileSystemTest, ListsOnlyPlainRegularFilesMatchingThePatternInNameOrder) {
  for (const char* name : {"150102N1.DG", "150101n1.dg", "150101N.DG", "150101N1.DG.DG", "150101X1.DG",
                           "15010N1.DG", "150101N1.DGX", "1501..N1.DG"})
    tmp.file(std::string("unc/SRV7/net/") + name);
  tmp.folder("unc/SRV7/net/150103N1.DG");
  EXPECT_EQ(fs.listFiles("\\\\SRV7\\net", "??????N*.DG"),
            (std::vector<std::string>{"150101N.DG", "150101n1.dg", "150101N1.DG.DG", "150102N1.DG"}));
  EXPECT_EQ(fs.listFiles("\\\\SRV7\\net", "*.txt"), std::vector<std::string>{});
}

// The server's share is usually another file system than the local disk: the
// move copies, then removes, and never follows a link on the share.
TEST(LinuxFileSystem, MoveAcrossFileSystemsCopiesThenRemoves) {
  test::TempFolder local;
  std::string share = "/dev/shm/bingo-share-XXXXXX";
  if (!::mkdtemp(share.data())) GTEST_SKIP() << "no /dev/shm";
  struct stat a {
  }, b{};
  ::stat(local.path().c_str(), &a);
  ::stat(share.c_str(), &b);
  LinuxFileSystem fs{HostPaths(HostRoots{local.path(), share})};
  local.folder("c/DG2");
  local.file("secret.txt", "local secret");
  std::filesystem::create_directories(share + "/SRV7/net");
  std::ofstream(share + "/SRV7/net/150101N1.DG") << "record";
  ::symlink((local / "secret.txt").c_str(), (share + "/SRV7/net/150102N1.DG").c_str());
  const int moved = fs.moveFile("\\\\SRV7\\net\\150101N1.DG", "C:\\DG2\\150101N1.DG").code;
  const int linkMoved = fs.moveFile("\\\\SRV7\\net\\150102N1.DG", "C:\\DG2\\150102N1.DG").code;
  const std::string left = entriesOf(share + "/SRV7/net");
  std::filesystem::remove_all(share);
  if (a.st_dev == b.st_dev) GTEST_SKIP() << "/dev/shm and the temporary folder share a file system";
  EXPECT_EQ(std::make_pair(moved, linkMoved), std::make_pair(0, ELOOP));
  EXPECT_EQ(left + "| " + entriesOf(local / "c/DG2") + local.read("c/DG2/150101N1.DG"),
            "150102N1.DG | 150101N1.DG record");
}

// Whole-file saves, copies and moves on the real disk: read-only files stay
// as they are, links among the console's own files are written through,
// links in the share are replaced, a replaced file keeps its mode and owner,
// and a failed save leaves the old bytes. Run as the current user and, when
// that is the superuser whom no permission stops, once more as "nobody".

constexpr uid_t kNobody = 65534;

struct Row {
  const char* name;
  char op;           // 'W' write, 'C' copy or 'M' move of a file holding `written`
  const char* file;  // the real file, made with "old" unless mode is 0
  mode_t mode;
  const char* link;  // a relative link to it, the target instead of the file, or nullptr
  // 'L': the file's folder takes no new entry; 'F': that, and a file-size
  // limit of four bytes stands in for a full disk; 'N': the file belongs to
  // nobody; 'R': the file's folder is a read-only mount (for the superuser only)
  char special;
  const char* written;
  int code;
  const char* after;  // the real file's content afterwards
};

const Row kRows[] = {
    {"a read-only file is refused", 'W', "C:\\Arh\\CfgC2.cfg", 0444, nullptr, ' ', "new", EACCES, "old"},
    {"a writable file keeps its mode", 'W', "C:\\Arh\\COMw.cfg", 0640, nullptr, ' ', "new", 0, "new"},
    {"a new file is made", 'W', "C:\\Arh\\New.cfg", 0, nullptr, ' ', "new", 0, "new"},
    {"an own link is written through", 'W', "C:\\Real\\G.txt", 0600, "C:\\Arh\\G.txt", ' ', "new", 0, "new"},
    {"a link to a read-only file", 'W', "C:\\Real\\R.txt", 0440, "C:\\Arh\\R.txt", ' ', "new", EACCES, "old"},
    {"a locked folder's file is rewritten", 'W', "C:\\Locked\\P.cfg", 0644, nullptr, 'L', "new", 0, "new"},
    {"a locked folder's file grows", 'W', "C:\\Locked\\P.cfg", 0644, nullptr, 'L', "newer", 0, "newer"},
    {"a locked folder's file shrinks", 'W', "C:\\Locked\\P.cfg", 0644, nullptr, 'L', "n", 0, "n"},
    {"a file outgrowing the disk", 'W', "C:\\Locked\\P.cfg", 0644, nullptr, 'F', "newer", EFBIG, "old"},
    {"a locked folder's read-only file", 'W', "C:\\Locked\\P.cfg", 0444, nullptr, 'L', "new", EACCES, "old"},
    {"the owner is kept", 'W', "C:\\Arh\\clientbingo.ini", 0664, nullptr, 'N', "new", 0, "new"},
    {"a read-only mount", 'W', "C:\\Arh\\COMw.cfg", 0644, nullptr, 'R', "new", EROFS, "old"},
    {"a copy onto a read-only file", 'C', "C:\\DG2\\a.DG", 0444, nullptr, ' ', "new", EACCES, "old"},
    {"a copy keeps the mode", 'C', "C:\\DG2\\a.DG", 0640, nullptr, ' ', "new", 0, "new"},
    {"a move onto a read-only file", 'M', "C:\\DG2\\a.DG", 0444, nullptr, ' ', "new", EACCES, "old"},
    {"a move keeps the mode and owner", 'M', "C:\\DG2\\a.DG", 0640, nullptr, 'N', "new", 0, "new"},
    {"a move onto an own link", 'M', "C:\\Real\\a.DG", 0600, "C:\\DG2\\a.DG", ' ', "new", 0, "new"},
    {"a move onto a share link", 'M', "C:\\Real\\a.DG", 0644, "\\\\SRV\\net\\a.DG", ' ', "new", 0, "old"},
};

// A private copy of the mount table in which `folder` is read-only; false
// where this process may not make one.
bool mountReadOnly(const std::string& folder) {
  return ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
         ::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
         ::mount(nullptr, folder.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

// Plays one row in a fresh folder and says what went wrong, if anything.
std::string play(const Row& r, const std::string& base) {
  const HostPaths paths(HostRoots{base, base + "/unc"});
  const std::string file = paths.toHost(r.file), folder = std::filesystem::path(file).parent_path();
  const std::string source = base + "/c/In/a.DG";
  std::filesystem::create_directories(folder);
  std::filesystem::create_directories(base + "/c/In");
  std::ofstream(source) << r.written;
  if (r.mode != 0) {
    std::ofstream(file) << "old";
    ::chmod(file.c_str(), r.mode);
    if (r.special == 'N' && ::chown(file.c_str(), kNobody, kNobody) != 0) return "chown";
  }
  if (r.link) {
    const std::filesystem::path link = paths.toHost(r.link);
    std::filesystem::create_directories(link.parent_path());
    std::filesystem::create_symlink(std::filesystem::relative(file, link.parent_path()), link);
  }
  if (r.special == 'L' || r.special == 'F') ::chmod(folder.c_str(), 0555);
  if (r.special == 'R' && !mountReadOnly(folder)) return "";  // no mount here: nothing to play

  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  const rlimit small{4, saved.rlim_max};
  if (r.special == 'F') ::setrlimit(RLIMIT_FSIZE, &small);
  LinuxFileSystem fs(paths);
  const std::string target = r.link ? r.link : r.file;
  const int code = r.op == 'C'   ? fs.copyFile("C:\\In\\a.DG", target).code
                   : r.op == 'M' ? fs.moveFile("C:\\In\\a.DG", target).code
                                 : fs.writeFile(target, bytesOf(r.written)).code;
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  std::string wrong;
  struct stat st {};
  const bool there = ::stat(file.c_str(), &st) == 0;
  if (code != r.code) wrong += " code " + std::to_string(code);
  if (test::readAll(file) != r.after) wrong += " content " + test::readAll(file);
  if (r.mode != 0 && there && (st.st_mode & 07777) != r.mode)
    wrong += " mode " + std::to_string(st.st_mode & 07777);
  if (r.special == 'N' && there && st.st_uid != kNobody) wrong += " owner " + std::to_string(st.st_uid);
  if (r.link && std::filesystem::is_symlink(paths.toHost(r.link)) == std::string(r.link).starts_with("\\\\"))
    wrong += " link kind";
  if (r.op == 'M' && std::filesystem::exists(source) == (code == 0)) wrong += " source";
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().extension() == ".tmp") wrong += " left " + entry.path().filename().string();
  ::chmod(folder.c_str(), 0777);
  return wrong;
}

// A row in a child (as nobody, whom the superuser's rows cannot show, or in a
// mount table of its own) that leaves what went wrong in a file beside the row's folder.
std::string playInChild(const Row& r, const std::string& base, bool asNobody) {
  const pid_t child = ::fork();
  if (child == 0) {
    std::string wrong = "could not become nobody";
    if (!asNobody || (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0))
      wrong = play(r, base);
    // Its own statement: _exit skips the destructor that would flush the file.
    const bool noted = static_cast<bool>(std::ofstream(base + ".wrong") << wrong);
    ::_exit(noted ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? test::readAll(base + ".wrong") : "the child died";
}

TEST(ProtectedFiles, SavesCopiesAndMovesRespectReadOnlyFilesLinksModesAndOwners) {
  test::TempFolder tmp;
  ::chmod(tmp.path().c_str(), 0777);  // reachable by nobody
  const bool root = ::geteuid() == 0;
  int n = 0;
  for (const Row& r : kRows) {
    if ((r.special == 'N' && !root && ::geteuid() != kNobody) || (r.special == 'R' && !root)) continue;
    const std::string base = tmp / std::to_string(n++);
    EXPECT_EQ(r.special == 'R' ? playInChild(r, base, false) : play(r, base), "") << r.name;
    if (root && r.special != 'R') {
      EXPECT_EQ(playInChild(r, tmp / std::to_string(n++), true), "") << r.name << " as nobody";
    }
  }
}

}  // namespace
}  // namespace bingo
