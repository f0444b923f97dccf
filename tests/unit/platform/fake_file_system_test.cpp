#include "support/fake_file_system.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/linux_file_system.h"
#include "unit/platform/temp_folder.h"

namespace bingo {
namespace {

// The fake answers every refusal with the code the real file system gives, so
// a test that passes against the fake holds on the console's disk too.
TEST(FakeFileSystem, RefusesLikeTheRealFileSystem) {
  test::TempFolder tmp;
  LinuxFileSystem real{HostPaths(HostRoots{tmp.path(), tmp / "unc"})};
  test::FakeFileSystem fake;
  for (FileSystem* fs : {static_cast<FileSystem*>(&real), static_cast<FileSystem*>(&fake)}) {
    ASSERT_TRUE(fs->makeFolder("C:\\Data").ok());
    ASSERT_TRUE(fs->makeFolder("C:\\Data\\Folder").ok());
    ASSERT_TRUE(writeTextFile(*fs, "C:\\Data\\File.txt", "x").ok());
  }
  const std::vector<std::uint8_t> one{1};
  std::unique_ptr<ReadFile> file;
  struct Row {
    const char* what;
    std::function<int(FileSystem&)> op;
  };
  const Row rows[] = {
      {"open missing", [&](FileSystem& fs) { return fs.openRead("C:\\Data\\Missing", file).code; }},
      {"open folder", [&](FileSystem& fs) { return fs.openRead("C:\\Data\\Folder", file).code; }},
      {"write into missing folder", [&](FileSystem& fs) { return fs.writeFile("C:\\No\\a", one).code; }},
      {"write over folder", [&](FileSystem& fs) { return fs.writeFile("C:\\Data\\Folder", one).code; }},
      {"append to folder", [&](FileSystem& fs) { return fs.appendFile("C:\\Data\\Folder", "a").code; }},
      {"remove missing", [&](FileSystem& fs) { return fs.removeFile("C:\\Data\\Missing").code; }},
      {"remove folder", [&](FileSystem& fs) { return fs.removeFile("C:\\Data\\Folder").code; }},
      {"make folder without parent", [&](FileSystem& fs) { return fs.makeFolder("C:\\No\\Sub").code; }},
      {"make existing folder", [&](FileSystem& fs) { return fs.makeFolder("C:\\DATA\\folder").code; }},
      {"make folder over file", [&](FileSystem& fs) { return fs.makeFolder("C:\\Data\\File.txt").code; }},
      {"copy folder", [&](FileSystem& fs) { return fs.copyFile("C:\\Data\\Folder", "C:\\Data\\b").code; }},
      {"copy onto folder",
       [&](FileSystem& fs) { return fs.copyFile("C:\\Data\\File.txt", "C:\\Data\\Folder").code; }},
      {"move missing", [&](FileSystem& fs) { return fs.moveFile("C:\\Data\\Missing", "C:\\Data\\b").code; }},
      {"move onto folder",
       [&](FileSystem& fs) { return fs.moveFile("C:\\Data\\File.txt", "C:\\Data\\Folder").code; }},
      {"drive root is a folder",
       [&](FileSystem& fs) { return fs.isFolder("C:") && fs.exists("C:\\") ? 0 : -1; }},
      {"empty path", [&](FileSystem& fs) { return fs.exists("") || fs.isFolder("") ? -1 : 0; }},
      {"listed names",
       [&](FileSystem& fs) {
         return fs.listFiles("c:\\data", "*") == std::vector<std::string>{"File.txt"} ? 0 : -1;
       }},
  };
  for (const Row& row : rows) EXPECT_EQ(row.op(fake), row.op(real)) << row.what;
}

}  // namespace
}  // namespace bingo
