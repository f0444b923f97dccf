// A whole console on this host's file system against a share that another
// machine fills with whatever it likes: links out of the share, pipes,
// folders where files belong, names that are no single file name, files far
// too large. The console reads what it must, writes only into its own
// folders and the two signal files, runs nothing but the two installed
// scripts, and never hangs.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>

#include "app/console/console.h"
#include "platform/folders.h"
#include "platform/linux_file_system.h"
#include "support/fake_platform.h"
#include "unit/platform/temp_folder.h"

namespace bingo {
namespace {

namespace fs = std::filesystem;

constexpr const char* kShare = "root/unc/srv/net";

// Every entry below a folder, links not followed: its kind and, for a regular
// file, its bytes; for a link, where it points.
std::map<std::string, std::string> snapshot(const test::TempFolder& top) {
  std::map<std::string, std::string> entries;
  for (auto it = fs::recursive_directory_iterator(top.path()); it != fs::recursive_directory_iterator();
       ++it) {
    const fs::file_status status = it->symlink_status();
    const std::string name = it->path().lexically_relative(top.path()).string();
    std::string& entry = entries[name];
    if (fs::is_symlink(status))
      entry = "link to " + fs::read_symlink(it->path()).string();
    else if (fs::is_regular_file(status))
      entry = "file " + std::to_string(fs::file_size(it->path())) + " " +
              (fs::file_size(it->path()) < (1 << 20) ? top.read(name) : "");
    else
      entry = fs::is_directory(status) ? "folder" : "other";
  }
  return entries;
}

// The fakes but for the file system, which is this host's.
struct HostHall : test::FakePlatform {
  test::TempFolder top;
  std::optional<LinuxFileSystem> files;
  std::optional<Console> console;

  HostHall() {
    top.folder("run");
    top.file("run/net.ini", "srv\r\n");
    top.file("prog/clientbingo.ini", "[NetDG]\r\nEnabled=1\r\nLOPmin=0\r\nLOPmax=2\r\n");
    const std::vector<std::uint8_t> cards = test::cardFile();
    top.file("root/c/Orma/Bingo/Arh/CfgW/A1944.3x5", std::string(cards.begin(), cards.end()));
    const std::vector<std::uint8_t> frame =
        test::Record().lop(1).kug(23).drawn({23}).kolo(8).sold(0, 1, 500).sealed();
    top.file(std::string(kShare) + "/Frame.dat", std::string(frame.begin(), frame.end()));
    files.emplace(HostPaths(HostRoots{top / "root", top / "root/unc"}));
    console.emplace(ConsoleServices{*files, clock, network, shell, info, prompts, top / "prog/clientbingo"});
  }
  std::string share(const std::string& name) const { return top / (std::string(kShare) + "/" + name); }

  // Start, a hundred ticks (the last looks for the command files), the
  // second-drum options that raise AltS.txt and drop AltN.txt, five more
  // ticks; relative names ("net.ini", the trace fallback) are the run folder's.
  void play() {
    const fs::path before = fs::current_path();
    fs::current_path(top / "run");
    console->FormCreate();
    for (int i = 0; i < 100; ++i) console->TimerFramesTimer();
    console->acBub_LAN();
    console->acBub_Bub2Enable();
    console->acBub_AltSC(true);
    console->acBub_RS232();
    for (int i = 0; i < 5; ++i) console->TimerFramesTimer();
    fs::current_path(before);
  }
  std::string shown(const char* control) const { return console->screen().control(control).text; }
};

TEST(HostileShare, LinksPipesFoldersAndOddNamesReachNothingOutsideTheConsolesFolders) {
  HostHall h;
  h.top.file("outside/secret.dg", std::string(81256, '\x33'));
  h.top.file("outside/target.txt", "the link's target");
  h.top.file("outside/keep.txt", "kept");
  h.top.file(std::string(kShare) + "/261206N0000.DG", std::string(81256, '\x11'));  // the one good record
  // Greater names, each of which must be passed over.
  ASSERT_EQ(::symlink((h.top / "outside/secret.dg").c_str(), h.share("261206N0009.DG").c_str()), 0);
  h.top.folder(std::string(kShare) + "/261206N0008.DG");
  ASSERT_EQ(::mkfifo(h.share("261206N0007.DG").c_str(), 0600), 0);
  h.top.file(std::string(kShare) + "/261206N0006\\x.DG", std::string(81256, '\x22'));
  h.top.file(std::string(kShare) + "/261206N0005..DG", std::string(81256, '\x22'));
  // A pipe would block a reader forever; a folder is no language file.
  ASSERT_EQ(::mkfifo(h.share("cJezik.txt").c_str(), 0600), 0);
  h.top.folder(std::string(kShare) + "/cVIw.Txt");
  // Command files: their presence is the command, whatever they are.
  h.top.folder(std::string(kShare) + "/Off1.txt");
  ASSERT_EQ(::symlink("/nonexistent", h.share("Off2.txt").c_str()), 0);
  // The signal files the console writes and deletes, as links out of the share.
  ASSERT_EQ(::symlink((h.top / "outside/target.txt").c_str(), h.share("AltS.txt").c_str()), 0);
  ASSERT_EQ(::symlink((h.top / "outside/keep.txt").c_str(), h.share("AltN.txt").c_str()), 0);

  const auto before = snapshot(h.top);
  h.play();
  const auto after = snapshot(h.top);

  // Only the installed shutdown script was run (and the two closes); no readable language file (Serbian).
  EXPECT_EQ(std::to_string(h.shell.started.size()) + " " + h.shell.started.at(0).program + " " +
                std::to_string(h.shell.terminations) + " " + std::to_string(h.console->captions().Jezik()) +
                " " + h.shown("LabelKUG"),
            std::string("1 ") + kShutDownBat + " 2 0 23");
  // The good record was filed, and nothing else reached the archive. What
  // changed in the share: the record left it, AltS.txt became a file of its
  // own instead of writing through the link, AltN.txt's link was removed.
  // Everything else outside the console's own folders (the links' targets too) is as it was.
  std::string changed;
  for (const auto& [path, entry] : after)
    if (path.starts_with("root/c/Orma/Bingo/Arh/DG2/") && entry.starts_with("file "))
      changed += path + (entry == "file 81256 " + std::string(81256, '\x11') ? " " : " other; ");
    else if (!path.starts_with("root/c/") && !path.starts_with("prog/") &&
             (!before.count(path) || before.at(path) != entry))
      changed += path + " " + entry + "; ";
  for (const auto& [path, entry] : before)
    if (!after.count(path)) changed += "gone " + path + "; ";
  EXPECT_EQ(changed,
            "root/c/Orma/Bingo/Arh/DG2/261206N0/007/261206N0000.DG root/c/Orma/Bingo/Arh/DG2/261206N0000.DG "
            "root/c/Orma/Bingo/Arh/DG2/DGT/261206N0000.DG root/c/Orma/Bingo/Arh/DG2/DGT/261206n000007 "
            "root/unc/srv/net/AltS.txt file 0 ; gone root/unc/srv/net/261206N0000.DG; gone "
            "root/unc/srv/net/AltN.txt; ");
  EXPECT_FALSE(
      std::ranges::any_of(after, [](const auto& e) { return e.first.find(".tmp") != std::string::npos; }));
}

TEST(HostileShare, HugeFilesAreReadOnlyAsFarAsTheConsoleNeeds) {
  HostHall h;
  // net.ini, the language and game-kind files and the frame file, each
  // followed by gigabytes: were any of them read whole, the start or the tick
  // would run out of memory.
  h.top.file(std::string(kShare) + "/cJezik.txt", "M\r\n");
  h.top.file(std::string(kShare) + "/cVIw.Txt", " 0 0 F1 FIXNA1\r\n");
  for (const std::string& file :
       {h.share("cJezik.txt"), h.share("cVIw.Txt"), h.share("Frame.dat"), h.top / "run/net.ini"}) {
    std::error_code error;
    fs::resize_file(file, std::uintmax_t{64} << 30, error);  // sparse: no disk is used
    if (error) GTEST_SKIP() << "no sparse files here: " << error.message();
  }
  h.play();
  // The server's name, Macedonian, the built-in game kinds (a line of zero bytes is none), the ball, no
  // failed frame read.
  EXPECT_EQ(h.console->config().NetPC + " " + std::to_string(h.console->captions().Jezik()) + " " +
                h.shown("LabelFND1_Label") + " " + h.shown("LabelKUG") + " " +
                std::to_string(h.console->frameFile().FrameFailCount),
            "srv 3 JACK POT 1 23 0");
}

}  // namespace
}  // namespace bingo
