// The four logs and the housekeeping of the installation's folders and files,
// which reports into them.

#include <gtest/gtest.h>

#include "platform/housekeeping.h"
#include "platform/logs.h"
#include "support/fake_file_system.h"
#include "support/fakes.h"

namespace bingo {
namespace {

const std::string kArh = "C:\\Orma\\Bingo\\Arh", kProgram = "C:\\Orma\\Bingo\\ClientBingo.exe";
const std::string kTicketBase = kArh + "\\CfgW\\A1944.3x5", kCity = kArh + "\\CfgW\\GradW.txt";
const std::string kLogApp = kArh + "\\Log\\LogApp.txt", kTrace = kArh + "\\Log\\261206.Txt";
constexpr const char* kRunLog = "c:\\orma\\bingo\\clientbingo.log";
using Folders = std::vector<std::string>;

struct Hall {
  explicit Hall(const Folders& present = {"C:\\Orma\\Bingo"}) {
    for (const auto& folder : present) fs.addFolder(folder);
  }
  test::FakeFileSystem fs;
  test::FakeClock clock;
  Logs logs{fs, clock, kProgram};
  Housekeeping housekeeping{fs, logs};
};
std::string report(const std::string& text) { return "  1206 09:30:15> " + text; }

TEST(Logs, ProgramSiblingReplacesTheExtensionAndLowersThePath) {
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {"C:\\Orma\\Bingo\\ClientBingo.EXE", ".err", "c:\\orma\\bingo\\clientbingo.err"},
      {"C:\\Orma\\Bingo\\Client.old.exe", ".ini", "c:\\orma\\bingo\\client.old.ini"},
      {"/opt/Bingo/ClientBingo", ".ini", "/opt/bingo/clientbingo.ini"},
      {"C:\\A.B\\Prog", ".log", "c:\\a.b\\prog.log"}};
  for (const auto& [program, extension, expected] : rows)
    EXPECT_EQ(programSiblingPath(program, extension), expected) << program;
}

// Every number zero-padded, the year of the trace file's name in two digits;
// the trace's begin and end lines are in the start-up dump.
TEST(Logs, EveryLogWritesItsOwnFormat) {
  Hall hall({kArh + "\\Log"});
  hall.clock.time = {2109, 1, 2, 3, 4, 5, 7};
  hall.logs.Log_Run("RUN Bingo");
  hall.logs.Log_Error("Access violation");
  hall.logs.Report_Error("Greska");
  hall.logs.Log_Run("END Bingo");
  EXPECT_EQ(hall.fs.text(kRunLog) + hall.fs.text("c:\\orma\\bingo\\clientbingo.err"),
            "03:04:05:007 RUN Bingo\r\n03:04:05:007 END Bingo\r\n03:04:05:007 Access violation\r\n");
  EXPECT_EQ(hall.fs.text(kArh + "\\Log\\090102.Txt") + "|" + hall.fs.text(kLogApp),
            "03:04:05> Greska\r\n|  0102 03:04:05> Greska");
  EXPECT_EQ(hall.fs.filePaths()[0], kRunLog) << "named in lower case";
}

// Reports follow each other on one line, each cut at sixty characters, and so
// are the trace and report file names, folder included. The first trace line
// is written before the report makes the missing folders.
TEST(Logs, ReportsAndFileNamesAreCutAtSixty) {
  Hall hall({kArh});
  const std::string folder = kArh + "\\Dnevnici\\Konzola_broj_sedam_u_sali7";  // 53 characters
  Logs logs(hall.fs, hall.clock, kProgram, folder);
  const std::string sixty(60, 'x');
  logs.Report_Error(sixty + std::string(20, 'y'));
  hall.clock.time.second = 16;
  logs.Report_Error("Ne postoji folder: ");
  EXPECT_EQ(hall.fs.text(folder + "\\LogApp"), report(sixty) + "  1206 09:30:16> Ne postoji folder: ");
  EXPECT_EQ(hall.fs.text("261206.Txt") + hall.fs.text(folder + "\\261206"),
            "09:30:15> " + sixty + "\r\n09:30:16> Ne postoji folder: \r\n");
}

TEST(Logs, ARefusedAppendLosesTheEntryButNeverTheLog) {
  Hall hall;
  hall.fs.addTextFile(kTrace, "09:00:00> earlier\r\n");
  hall.fs.addTextFile(kRunLog, "09:00:00:000 RUN Bingo\r\n");
  hall.fs.fail(FileOp::Append, "*");
  hall.logs.Trace_Write("lost");
  hall.logs.Report_Error("lost");
  hall.logs.Log_Run("END Bingo");
  EXPECT_EQ(hall.fs.text(kTrace) + hall.fs.text(kRunLog), "09:00:00> earlier\r\n09:00:00:000 RUN Bingo\r\n");
  EXPECT_EQ(std::make_pair(hall.fs.count(FileOp::Write), hall.fs.hasFile(kLogApp)), std::make_pair(0, false));
}

TEST(Housekeeping, AFailedFolderStopsTheChainWithTwoReports) {
  struct Row {
    std::string refused;
    Folders present;
    std::string logApp, named, absent;  // where the reports land, the folder named, one not tried after
    std::string made = "C:\\Windows";
  };
  const Row rows[] = {
      // The installation's parents are made quietly: a refusal there is not reported.
      {"C:\\Orma\\Bingo", {}, "LogApp.txt", kArh, kArh + "\\Dg"},
      {kArh + "\\Dg", {"C:\\Orma\\Bingo"}, kLogApp, kArh + "\\Dg", kArh + "\\Net"},
      // A fresh disk: the installation's parents are made, the other drive's tree is not.
      {"", {}, kLogApp, "D:\\Orma\\Wav", "C:\\Orma\\Wav\\Temp", kArh + "\\Net"},
      {"D:\\Orma\\Wav", {"C:\\Orma\\Bingo", "D:\\Orma"}, kLogApp, "D:\\Orma\\Wav", kArh + "\\Rep"},
  };
  for (const Row& row : rows) {
    Hall hall(row.present);
    if (!row.refused.empty()) hall.fs.fail(FileOp::MakeFolder, row.refused);
    hall.housekeeping.AppHalt_Folders_Make(false);
    EXPECT_EQ(hall.fs.text(row.logApp),
              report("Ne mogu da napravim folder: " + row.named) + report("Ne postoji folder: "))
        << row.named;
    EXPECT_FALSE(hall.fs.hasFolder(row.absent)) << row.named;
    EXPECT_TRUE(hall.fs.hasFolder(row.made)) << row.named;
  }
}

TEST(Housekeeping, TicketBaseCheckLeavesItsMessages) {
  const std::string twice = "Ne postoji file:  " + kTicketBase;
  // ticket base size, the city file ('F'), a folder in its place ('D') or
  // nothing, the trace, LogApp.txt; a missing ticket base is in the start-up dump
  const std::tuple<std::size_t, char, std::vector<std::string>, std::string> rows[] = {
      // The city file is not looked at after a bad ticket base.
      {29161, '-', {twice, twice}, report(twice)},
      {29159, 'F', {twice, twice}, report(twice)},
      // A folder is no city file: that is traced, and not reported.
      {29160, 'D', {"Ne postoji file: " + kCity}, ""},
      {29160, 'F', {}, ""},
  };
  for (const auto& [baseSize, city, lines, logApp] : rows) {
    Hall hall({kArh + "\\Log"});
    hall.fs.addFile(kTicketBase, std::vector<std::uint8_t>(baseSize, 7));
    if (city == 'F') hall.fs.addTextFile(kCity, "NOVI SAD\r\n");
    if (city == 'D') hall.fs.addFolder(kCity);
    hall.housekeeping.AppHalt_FileAndFold_Names_Make_Default();
    hall.housekeeping.AppHalt_Files();
    std::string trace;
    for (const auto& line : lines) trace += "09:30:15> " + line + "\r\n";
    EXPECT_EQ(hall.fs.text(kArh + "\\Log\\261206.Txt") + "|" + hall.fs.text(kLogApp), trace + "|" + logApp);
  }
}

}  // namespace
}  // namespace bingo
