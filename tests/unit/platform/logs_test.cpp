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

TEST(Logs, ProgramSiblingReplacesTheExtensionAndLowersThePath) {
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {"C:\\Orma\\Bingo\\ClientBingo.EXE", ".err", "c:\\orma\\bingo\\clientbingo.err"},
      {"C:\\Orma\\Bingo\\Client.old.exe", ".ini", "c:\\orma\\bingo\\client.old.ini"},
      {"/opt/Bingo/ClientBingo", ".ini", "/opt/bingo/clientbingo.ini"},
      {"C:\\A.B\\Prog", ".log", "c:\\a.b\\prog.log"}};
  for (const auto& [program, extension, expected] : rows)
    EXPECT_EQ(programSiblingPath(program, extension), expected) << program;
}

// Every number zero-padded, the year of the trace file's name in two digits.
TEST(Logs, EveryLogWritesItsOwnFormat) {
  test::FakeFileSystem fs;
  fs.addFolder("C:\\Orma\\Bingo\\Arh\\Log");
  test::FakeClock clock;
  clock.time = {2109, 1, 2, 3, 4, 5, 7};
  Logs logs(fs, clock, kProgram);
  logs.Log_Run("RUN Bingo");
  logs.Log_Error("Access violation");
  logs.Trace_Begin("uPoint_Ini");
  logs.Trace_End("uPoint_Ini");
  logs.Report_Error("Greska");
  logs.Log_Run("END Bingo");
  EXPECT_EQ(fs.text(kRunLog), "03:04:05:007 RUN Bingo\r\n03:04:05:007 END Bingo\r\n");
  EXPECT_EQ(fs.text("c:\\orma\\bingo\\clientbingo.err"), "03:04:05:007 Access violation\r\n");
  EXPECT_EQ(
      fs.text("C:\\Orma\\Bingo\\Arh\\Log\\090102.Txt"),
      "03:04:05> Ucitava se: uPoint_Ini...\r\n03:04:05> Ucitan  je: uPoint_Ini.\r\n03:04:05> Greska\r\n");
  EXPECT_EQ(fs.text(kLogApp), "  0102 03:04:05> Greska");
  EXPECT_EQ(fs.filePaths()[0], kRunLog) << "named in lower case";
}

// Reports follow each other on one line, each cut at sixty characters, and so
// are the trace and report file names, folder included. The first trace line
// is written before the report makes the missing folders.
TEST(Logs, ReportsAndFileNamesAreCutAtSixty) {
  test::FakeFileSystem fs;
  fs.addFolder("C:\\Orma\\Bingo\\Arh");
  const std::string folder = "C:\\Orma\\Bingo\\Arh\\Dnevnici\\Konzola_broj_sedam_u_sali7";  // 53 characters
  test::FakeClock clock;
  Logs logs(fs, clock, kProgram, folder);
  const std::string sixty(60, 'x');
  logs.Report_Error(sixty + std::string(20, 'y'));
  clock.time.second = 16;
  logs.Report_Error("Ne postoji folder: ");
  EXPECT_EQ(fs.text(folder + "\\LogApp"),
            "  1206 09:30:15> " + sixty + "  1206 09:30:16> Ne postoji folder: ");
  EXPECT_EQ(fs.text("261206.Txt") + fs.text(folder + "\\261206"),
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

}  // namespace
}  // namespace bingo
