#include "platform/linux_file_system.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>

#include "support/fake_file_system.h"
#include "unit/platform/temp_folder.h"

namespace bingo {
namespace {

std::vector<std::uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<std::string> entriesOf(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
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
  struct stat st {};
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ASSERT_EQ(::stat((tmp / "c/Data/Folder").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0777 & ~mask);
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
  // Nothing was left behind by the refused writes and copies.
  EXPECT_EQ(entriesOf(tmp / "c/Data"), (std::vector<std::string>{"File.txt", "Folder"}));
}

TEST_F(LinuxFileSystemTest, WriteReplacesTheWholeFileAppendAddsAndNoTemporaryIsLeft) {
  // A fresh root: the drive's folder is made on the first write, as drive C always exists.
  ASSERT_TRUE(fs.writeFile("C:\\CfgC2.cfg", bytesOf("first version")).ok());
  ASSERT_TRUE(fs.makeFolder("C:\\CfgW").ok());
  ASSERT_TRUE(fs.writeFile("C:\\CfgW\\ProtklW.cfg", bytesOf("long first version")).ok());
  // An existing file is replaced under its own name, whatever the case of the text.
  ASSERT_TRUE(fs.writeFile("c:\\cfgw\\PROTKLW.CFG", bytesOf("8")).ok());
  ASSERT_TRUE(fs.appendFile("C:\\CfgW\\LogApp.txt", "  one").ok());
  ASSERT_TRUE(fs.appendFile("C:\\CFGW\\logapp.TXT", "  two").ok());
  EXPECT_EQ(
      tmp.read("c/CfgW/ProtklW.cfg") + "|" + tmp.read("c/CfgC2.cfg") + "|" + tmp.read("c/CfgW/LogApp.txt"),
      "8|first version|  one  two");
  EXPECT_EQ(entriesOf(tmp / "c/CfgW"), (std::vector<std::string>{"LogApp.txt", "ProtklW.cfg"}));
}

// A file-size limit stands in for a full disk: the write fails with its code,
// the old file stays whole and no temporary is left.
TEST_F(LinuxFileSystemTest, AFullDiskRefusesTheWriteAndKeepsTheOldFile) {
  tmp.file("c/CfgW/CfgC2.cfg", "old");
  tmp.file("c/CfgW/Log.txt", "old");
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 100;
  ::setrlimit(RLIMIT_FSIZE, &small);
  const IoStatus written = fs.writeFile("C:\\CfgW\\CfgC2.cfg", std::vector<std::uint8_t>(200, 'x'));
  const IoStatus appended = fs.appendFile("C:\\CfgW\\Log.txt", std::string(200, 'x'));
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(std::make_pair(written.code, appended.code), std::make_pair(EFBIG, EFBIG));
  EXPECT_EQ(tmp.read("c/CfgW/CfgC2.cfg"), "old");
  EXPECT_EQ(entriesOf(tmp / "c/CfgW"), (std::vector<std::string>{"CfgC2.cfg", "Log.txt"}));
}

// A console started without standard input gets descriptor 0 for its first
// file; a read delivers the file, then its end.
TEST_F(LinuxFileSystemTest, ReadDeliversTheFileThenItsEndAlsoOnDescriptorZero) {
  tmp.file("unc/SRV7/net/Frame.dat", "F");
  const int savedInput = ::dup(0);
  ::close(0);
  std::unique_ptr<ReadFile> file;
  const IoStatus opened = fs.openRead("\\\\srv7\\NET\\frame.dat", file);
  std::uint8_t buffer[4];
  std::size_t got = 0, atEnd = 9;
  const IoStatus read = file ? file->read(buffer, got) : IoStatus{EBADF};
  if (file) file->read(buffer, atEnd);
  const IoStatus closed = file ? file->close() : IoStatus{EBADF};
  ::dup2(savedInput, 0);
  ::close(savedInput);
  EXPECT_TRUE(opened.ok() && read.ok() && closed.ok()) << read.code << " " << closed.code;
  EXPECT_EQ(got * 10 + atEnd, 10u);
  EXPECT_EQ(file->close().code, EBADF);
  EXPECT_EQ(fs.fileSize("\\\\SRV7\\net\\Frame.dat"), 1u);
}

// Links in the share are the console-level hostile-share test's.
TEST_F(LinuxFileSystemTest, ListsOnlyPlainRegularFilesMatchingThePatternInNameOrder) {
  tmp.file("unc/SRV7/net/150102N1.DG", "b");
  tmp.file("unc/SRV7/net/150101n1.dg", "a");
  tmp.file("unc/SRV7/net/150101X1.DG", "other city");
  tmp.file("unc/SRV7/net/1501..N1.DG", "not one plain name");
  tmp.folder("unc/SRV7/net/150103N1.DG");

  const auto names = fs.listFiles("\\\\SRV7\\net", "??????N*.DG");
  ASSERT_TRUE(names);
  EXPECT_EQ(*names, (std::vector<std::string>{"150101n1.dg", "150102N1.DG"}));
  EXPECT_EQ(fs.listFiles("\\\\SRV7\\net", "*.txt"), std::vector<std::string>{});
}

TEST_F(LinuxFileSystemTest, MoveAndCopyReplaceTheDestination) {
  tmp.file("unc/SRV7/net/150101N1.DG", "record");
  tmp.file("c/DG2/150101N1.DG", "older");
  tmp.file("c/DG2/DGT/copy.dg", "stale");
  ASSERT_TRUE(fs.moveFile("\\\\SRV7\\net\\150101N1.DG", "C:\\DG2\\150101N1.DG").ok());
  ASSERT_TRUE(fs.copyFile("C:\\DG2\\150101N1.DG", "C:\\DG2\\DGT\\COPY.DG").ok());
  EXPECT_FALSE(fs.exists("\\\\SRV7\\net\\150101N1.DG"));
  EXPECT_EQ(tmp.read("c/DG2/DGT/copy.dg") + tmp.read("c/DG2/150101N1.DG"), "recordrecord");
  EXPECT_EQ(entriesOf(tmp / "c/DG2/DGT"), (std::vector<std::string>{"copy.dg"}));
}

TEST(LinuxFileSystem, MoveAcrossFileSystemsCopiesThenRemoves) {
  // The server's share is usually another file system than the local disk.
  test::TempFolder local;
  if (!std::filesystem::is_directory("/dev/shm")) GTEST_SKIP() << "no /dev/shm";
  std::string pattern = "/dev/shm/bingo-share-XXXXXX";
  ASSERT_TRUE(::mkdtemp(pattern.data()));
  struct stat a {
  }, b{};
  ::stat(local.path().c_str(), &a);
  ::stat(pattern.c_str(), &b);
  if (a.st_dev == b.st_dev) {
    std::filesystem::remove_all(pattern);
    GTEST_SKIP() << "/dev/shm and the temporary folder share a file system";
  }
  LinuxFileSystem fs{HostPaths(HostRoots{local.path(), pattern})};
  local.folder("c/DG2");
  std::filesystem::create_directories(pattern + "/SRV7/net");
  std::ofstream(pattern + "/SRV7/net/150101N1.DG") << "record";
  local.file("secret.txt", "local secret");
  ASSERT_EQ(::symlink((local / "secret.txt").c_str(), (pattern + "/SRV7/net/150102N1.DG").c_str()), 0);
  const IoStatus moved = fs.moveFile("\\\\SRV7\\net\\150101N1.DG", "C:\\DG2\\150101N1.DG");
  const bool sourceLeft = std::filesystem::exists(pattern + "/SRV7/net/150101N1.DG");
  // A link on the share is not followed into the local disk.
  const IoStatus linkMoved = fs.moveFile("\\\\SRV7\\net\\150102N1.DG", "C:\\DG2\\150102N1.DG");
  std::filesystem::remove_all(pattern);
  EXPECT_TRUE(moved.ok()) << moved.code;
  EXPECT_FALSE(sourceLeft);
  EXPECT_EQ(linkMoved.code, ELOOP);
  EXPECT_EQ(local.read("c/DG2/150101N1.DG"), "record");
  EXPECT_EQ(entriesOf(local / "c/DG2"), (std::vector<std::string>{"150101N1.DG"}));
}

}  // namespace
}  // namespace bingo
