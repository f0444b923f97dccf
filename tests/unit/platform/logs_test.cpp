#include "platform/logs.h"

#include <gtest/gtest.h>

#include "support/fake_file_system.h"
#include "support/fakes.h"

namespace bingo {
namespace {

constexpr const char* kProgram = "C:\\Orma\\Bingo\\ClientBingo.exe";
constexpr const char* kRunLog = "c:\\orma\\bingo\\clientbingo.log";
constexpr const char* kTrace = "C:\\Orma\\Bingo\\Arh\\Log\\261206.Txt";
constexpr const char* kLogApp = "C:\\Orma\\Bingo\\Arh\\Log\\LogApp.txt";
using Strings = std::vector<std::string>;

TEST(Logs, ProgramSiblingReplacesTheExtensionAndLowersThePath) {
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {"C:\\Orma\\Bingo\\ClientBingo.EXE", ".err", "c:\\orma\\bingo\\clientbingo.err"},
      {"C:\\Orma\\Bingo\\Client.old.exe", ".ini", "c:\\orma\\bingo\\client.old.ini"},
      {"/opt/Bingo/ClientBingo", ".ini", "/opt/bingo/clientbingo.ini"},
      {"C:\\A.B\\Prog", ".log", "c:\\a.b\\prog.log"}};
  for (const auto& [program, extension, expected] : rows)
    EXPECT_EQ(programSiblingPath(program, extension), expected) << program;
}

TEST(Logs, EveryLogWritesItsOwnFormat) {
  const std::tuple<LocalTime, std::string, const char*, const char*> rows[] = {
      // time, "hh:nn:ss:zzz" of the run and error logs, trace file, LogApp.txt after Report_Error
      {{2000, 1, 2, 3, 4, 5, 7},
       "03:04:05:007",
       "C:\\Orma\\Bingo\\Arh\\Log\\000102.Txt",
       "  0102 03:04:05> Greska"},
      {{2109, 10, 31, 23, 59, 59, 999},
       "23:59:59:999",
       "C:\\Orma\\Bingo\\Arh\\Log\\091031.Txt",
       "  1031 23:59:59> Greska"}};
  for (const auto& [time, stamp, traceFile, logApp] : rows) {
    test::FakeFileSystem fs;
    fs.addFolder("C:\\Orma\\Bingo\\Arh\\Log");
    test::FakeClock clock;
    clock.time = time;
    Logs logs(fs, clock, kProgram);
    logs.Log_Run("RUN Bingo");
    logs.Log_Error("Access violation");
    logs.Trace_Begin("uPoint_Ini");
    logs.Trace_End("uPoint_Ini");
    logs.Report_Error("Greska");
    logs.Log_Run("END Bingo");
    const std::string t = stamp.substr(0, 8) + "> ";
    EXPECT_EQ(fs.text(kRunLog), stamp + " RUN Bingo\r\n" + stamp + " END Bingo\r\n");
    EXPECT_EQ(fs.text("c:\\orma\\bingo\\clientbingo.err"), stamp + " Access violation\r\n");
    EXPECT_EQ(fs.text(traceFile),
              t + "Ucitava se: uPoint_Ini...\r\n" + t + "Ucitan  je: uPoint_Ini.\r\n" + t + "Greska\r\n");
    EXPECT_EQ(fs.text(kLogApp), logApp);
    EXPECT_EQ(fs.filePaths()[0], kRunLog) << "named in lower case";
  }
}

TEST(Logs, TraceFallsBackToTheWorkingDirectoryWithoutTheLogFolder) {
  const std::string arh = "C:\\Orma\\Bingo\\Arh";
  const std::tuple<const char*, bool, const char*, Strings> rows[] = {
      // folder made before, every folder creation refused, trace file, folders afterwards
      {"C:\\Orma\\Bingo\\Arh", false, kTrace, {"C:\\Orma", "C:\\Orma\\Bingo", arh, arh + "\\Log"}},
      {"C:\\Orma\\Bingo", false, "261206.Txt", {"C:\\Orma", "C:\\Orma\\Bingo"}},
      {"C:\\Orma\\Bingo\\Arh", true, "261206.Txt", {"C:\\Orma", "C:\\Orma\\Bingo", arh}}};
  for (const auto& [existing, refused, traceFile, folders] : rows) {
    test::FakeFileSystem fs;
    fs.addFolder(existing);
    if (refused) fs.fail(FileOp::MakeFolder, "*");
    test::FakeClock clock;
    Logs logs(fs, clock, kProgram);
    logs.Trace_Write("Ucitava se: AppHalt_Files...");
    EXPECT_EQ(fs.text(traceFile), "09:30:15> Ucitava se: AppHalt_Files...\r\n") << existing;
    EXPECT_EQ(fs.filePaths(), Strings{traceFile}) << existing;
    EXPECT_EQ(fs.folderPaths(), folders) << existing;
  }
}

TEST(Logs, ReportsFollowEachOtherOnOneLineCutAtSixty) {
  test::FakeFileSystem fs;
  fs.addFolder("C:\\Orma\\Bingo");  // the installation folder and the log folder are made on demand
  test::FakeClock clock;
  Logs logs(fs, clock, kProgram);
  const std::string sixty(60, 'x');
  logs.Report_Error(sixty + std::string(20, 'y'));
  clock.time.second = 16;
  logs.Report_Error("Ne postoji folder: ");
  EXPECT_EQ(fs.text(kLogApp), "  1206 09:30:15> " + sixty + "  1206 09:30:16> Ne postoji folder: ");
  // The first trace line is written before the report makes the log folder.
  EXPECT_EQ(fs.text("261206.Txt") + fs.text(kTrace),
            "09:30:15> " + sixty + "\r\n09:30:16> Ne postoji folder: \r\n");
}

TEST(Logs, ARefusedAppendLosesTheEntryButNeverTheLog) {
  test::FakeFileSystem fs;
  fs.addTextFile(kTrace, "09:00:00> earlier\r\n");
  fs.addTextFile(kRunLog, "09:00:00:000 RUN Bingo\r\n");
  fs.fail(FileOp::Append, "*");
  test::FakeClock clock;
  Logs logs(fs, clock, kProgram);
  logs.Trace_Write("lost");
  logs.Report_Error("lost");
  logs.Log_Run("END Bingo");
  EXPECT_EQ(fs.text(kTrace) + fs.text(kRunLog), "09:00:00> earlier\r\n09:00:00:000 RUN Bingo\r\n");
  EXPECT_EQ(fs.count(FileOp::Write), 0);
  EXPECT_FALSE(fs.hasFile(kLogApp));
}

TEST(Logs, FileNamesAreCutAtSixty) {
  test::FakeFileSystem fs;
  const std::string folder = "C:\\Orma\\Bingo\\Arh\\Dnevnici\\Konzola_broj_sedam_u_sali7";  // 53 characters
  fs.addFolder(folder);
  test::FakeClock clock;
  Logs logs(fs, clock, kProgram, folder);
  logs.Trace_Write("t");
  logs.Report_Error("r");
  EXPECT_EQ(fs.text(folder + "\\261206"), "09:30:15> t\r\n09:30:15> r\r\n");
  EXPECT_EQ(fs.text(folder + "\\LogApp"), "  1206 09:30:15> r");
}

}  // namespace
}  // namespace bingo
