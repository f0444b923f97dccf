#include "platform/host_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

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
      {".", "."},
  };
  for (const auto& [windows, host] : rows) EXPECT_EQ(paths.toHost(windows), host) << windows;
}

TEST(HostPaths, RootsComeFromTheEnvironmentWithTheirDefaults) {
  std::vector<std::pair<const char*, std::optional<std::string>>> saved;
  for (const char* name : {"BINGO_ROOT", "BINGO_UNC_ROOT", "HOME"})
    saved.emplace_back(name,
                       std::getenv(name) ? std::optional<std::string>(std::getenv(name)) : std::nullopt);
  ::setenv("HOME", "/home/kasa", 1);
  const std::tuple<const char*, const char*, std::string> rows[] = {
      // BINGO_ROOT, BINGO_UNC_ROOT (nullptr: unset), the two roots
      {nullptr, nullptr, "/home/kasa/.local/share/clientbingo /home/kasa/.local/share/clientbingo/unc"},
      {"/srv/bingo/", nullptr, "/srv/bingo /srv/bingo/unc"},
      {"/srv/bingo", "/mnt/shares/", "/srv/bingo /mnt/shares"},
  };
  for (const auto& [root, unc, expected] : rows) {
    root ? ::setenv("BINGO_ROOT", root, 1) : ::unsetenv("BINGO_ROOT");
    unc ? ::setenv("BINGO_UNC_ROOT", unc, 1) : ::unsetenv("BINGO_UNC_ROOT");
    const HostRoots roots = HostRoots::fromEnvironment();
    EXPECT_EQ(roots.bingoRoot + " " + roots.uncRoot, expected);
  }
  for (const auto& [name, value] : saved) value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
}

}  // namespace
}  // namespace bingo
