// The text files a console takes from the server's share or its working
// directory, read from any bytes: the language file "cJezik.txt", the
// game-kind file "cVIw.Txt" and the network-identity file "net.ini". The
// first byte chooses the file, the second where it lies and how its reading
// goes (cut short, a refused read or close).

#include <cstddef>
#include <cstdint>
#include <string>

#include "config/console_ini.h"
#include "display/model/captions.h"
#include "display/model/text_encoding.h"
#include "frame/frame_file.h"
#include "frame/game_kinds.h"
#include "support/fake_file_system.h"

namespace {

void check(bool condition) {
  if (!condition) __builtin_trap();
}

constexpr const char* kShare = "\\\\SRV\\net";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace bingo;
  if (size < 2) return 0;
  const std::uint8_t file = data[0] % 3;
  const std::uint8_t how = data[1];
  const std::vector<std::uint8_t> bytes(data + 2, data + size);
  const bool inShare = how & 1;
  const bool serverAnswers = how & 2;

  test::FakeFileSystem fs;
  fs.addFolder(kShare);
  const char* name = file == 0 ? kLanguageFileName : file == 1 ? kGameKindFile : kNetIdentityFile;
  const std::string path = inShare && file != 2 ? std::string(kShare) + "\\" + name : std::string(name);
  fs.addFile(path, bytes);
  if (how & 4) fs.shortenReads(path, how >> 4);
  if (how & 8) fs.fail((how & 16) ? FileOp::Close : FileOp::Read, path);

  switch (file) {
    case 0: {
      Captions captions;
      captions.Language_Select(fs, serverAnswers, kShare);
      const std::uint8_t jezik = captions.Jezik();
      check(jezik == kJezikSerbian || jezik == kJezikAlbanian || jezik == kJezikMacedonian);
      // The share's file is chosen only when the server answers and it is there.
      check(captions.languageFilePath() ==
            (serverAnswers && inShare ? path : std::string(kLanguageFileName)));
      for (unsigned k = 0; k <= 100; ++k) (void)captions.JezikText(k);
      break;
    }
    case 1: {
      GameKinds kinds;
      kinds.GameKinds_Load(fs, serverAnswers, kShare);
      for (int i = -1; i <= kGameKindCount; ++i)
        check(kinds.entry(i).shortName.size() <= 3 && kinds.entry(i).longName.size() <= 10);
      for (int n = -1; n <= 6; ++n) check(kinds.FundName(n).size() <= 10);
      break;
    }
    case 2: {
      ConsoleConfig config;
      ConsoleConfig_SetDefaults(config, fs);
      FramePaths_Settle(config, fs);
      // The server's name is one line, at most 4 KiB, and every share path follows it.
      check(!config.NetPC.empty() && config.NetPC.size() <= 4096);
      check(config.NetPC.find_first_of("\r\n") == std::string::npos);
      check(config.FoldersNet == "\\\\" + config.NetPC + "\\net");
      const std::pair<const std::string*, const char*> files[] = {
          {&config.FilesFrame, "Frame.dat"}, {&config.FilesOff1, "Off1.txt"},
          {&config.FilesOff2, "Off2.txt"},   {&config.FilesOff3, "Off3.txt"},
          {&config.FilesAltS, "AltS.txt"},   {&config.FilesAltN, "AltN.txt"}};
      for (const auto& [settled, fileName] : files) check(*settled == config.FoldersNet + "\\" + fileName);
      break;
    }
  }
  return 0;
}
