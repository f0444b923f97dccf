// One refused file operation at a time, on every path a console touches while
// it starts, reads frames, obeys command files, takes a ticket entry, saves
// its options and files a game record: the console goes on, each failure
// lands where the system puts it (a read counter, the error log, the trace
// log, the error report, the error box, or nowhere), and no file is left
// half-made, pieced together or lost.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "console_hall.h"
#include "display/model/screen_dump.h"
#include "platform/app_error.h"

namespace bingo {
namespace {

using test::ConsoleHall;
using test::FakeFileSystem;

constexpr const char* kIni = "/opt/bingo/clientbingo.ini";
constexpr const char* kErrorLogFile = "/opt/bingo/clientbingo.err";
constexpr const char* kTrace = "C:\\Orma\\Bingo\\Arh\\Log\\261206.Txt";
constexpr const char* kTraceHere = "261206.Txt";
constexpr const char* kReport = "C:\\Orma\\Bingo\\Arh\\Log\\LogApp.txt";
constexpr const char* kReportHere = "LogApp.txt";
constexpr const char* kGameRecord = "\\\\srv\\net\\261206N0001.DG";
constexpr const char* kArchived = "C:\\Orma\\Bingo\\Arh\\DG2\\261206N0\\007\\261206N0001.DG";
const std::vector<std::uint8_t> kGameRecordBytes(81256, 7);

constexpr const char* kOpNames[] = {"Exists", "Size",   "Open",       "Read", "Close", "Write",
                                    "Append", "Remove", "MakeFolder", "List", "Move",  "Copy"};

// The share holds a frame at ball 1 of round 8, language and game-kind files,
// the three command files, AltN.txt and one game record; the INI file asks
// for the game-record copy at ball 1; the hall has its own fund modes.
void furnish(ConsoleHall& h) {
  h.fs.addTextFile(kIni, "[NetDG]\r\nEnabled=1\r\nLOPmin=0\r\nLOPmax=2\r\n");
  h.fs.addTextFile("C:\\Orma\\Bingo\\Arh\\CfgW\\RezDefW.txt", " 7 0 0 1 2\r\n");
  h.fs.addTextFile("\\\\srv\\net\\cJezik.txt", "S\r\n");
  h.fs.addTextFile("\\\\srv\\net\\cVIw.Txt", " 0 0 F1 FIXNA1\r\n 1 0 F2 FIXNA2\r\n");
  for (const char* name : {"Off1.txt", "Off2.txt", "Off3.txt", "AltN.txt"})
    h.fs.addTextFile(std::string("\\\\srv\\net\\") + name, "");
  h.fs.addFile(kGameRecord, kGameRecordBytes);
  // Ball 1 keeps the bought-ticket upkeep short, so the whole matrix runs in seconds.
  h.frame(test::Record().lop(1).kug(23).drawn({23}).kolo(8).sold(0, 1, 500));
}

// Start, a range, the 100th tick (it looks for the command files), the
// options, five more ticks, the end; an error that leaves a handler goes
// where the window's guard puts it. Returns how many did.
int play(ConsoleHall& h) {
  int raised = 0;
  const auto guarded = [&](auto&& action) {
    try {
      action();
    } catch (const AppError& error) {
      ++raised;
      h.console.AppEventsLogException(error.what());
    }
  };
  guarded([&] { h.console.FormCreate(); });
  h.ticks(2);
  guarded([&] { h.console.EditKupEndExit("1", "50"); });
  h.ticks(98);
  for (void (Console::*option)() :
       {&Console::acBub_LAN, &Console::acBub_Bub2Enable, &Console::acBub_RS232, &Console::acBub_WB_Show}) {
    guarded([&] { (h.console.*option)(); });
    if (option == &Console::acBub_Bub2Enable) guarded([&] { h.console.acBub_AltSC(true); });
  }
  h.ticks(5);
  h.console.FormDestroy(0, 0, 1024, 768);
  return raised;
}

std::multiset<std::string> traceLines(const ConsoleHall& h) {
  std::multiset<std::string> lines;
  std::istringstream text(h.fs.text(kTrace) + h.fs.text(kTraceHere));
  for (std::string line; std::getline(text, line);) lines.insert(line);
  return lines;
}

bool isLog(const std::string& path) {
  for (const char* log :
       {"/opt/bingo/clientbingo.log", kErrorLogFile, kTrace, kTraceHere, kReport, kReportHere})
    if (FakeFileSystem::key(path) == FakeFileSystem::key(log)) return true;
  return false;
}

using enum FileOp;

TEST(FaultMatrix, EveryRefusedOperationLandsWhereTheSystemSaysAndLosesNothing) {
  ConsoleHall clean, furnished;
  furnish(clean);
  furnish(furnished);
  clean.fs.recordTouches(true);
  ASSERT_EQ(play(clean), 0);  // the reviewed matrix holds what a clean run does beside each refusal
  const std::multiset<std::string> cleanTrace = traceLines(clean);

  // Where each refused operation shows: "counter" (a frame read counter),
  // "log" (the error log beside the program), "trace" (a trace line a clean
  // run does not write), "report" (LogApp.txt), "raised" (an error for the
  // application's handler); whether the game record reached the archive; how
  // many of Off2, Off1 and Off3 were obeyed. In short: logs lose the entry
  // quietly; the installation tree and the ticket base report; the INI file
  // refuses every save once unread; the frame file is counted and holds the
  // command files back; the game-record copy leaves the record in the share.
  std::set<std::pair<FileOp, std::string>> seen;
  std::string json = "{";
  for (const auto& touch : clean.fs.touches()) {
    if (!seen.insert({touch.op, FakeFileSystem::key(touch.path)}).second) continue;
    const auto& [op, path] = touch;
    SCOPED_TRACE(std::string(kOpNames[static_cast<int>(op)]) + " " + path);
    ConsoleHall h;
    furnish(h);
    h.fs.fail(op, path, EACCES);
    h.fs.recordTouches(true);
    const int raised = play(h);
    std::string evidence;
    const std::multiset<std::string> trace = traceLines(h);
    for (const auto& [shown, name] :
         {std::pair{h.console.frameFile().FrameFailCount > 0, "counter"},
          {!h.fs.text(kErrorLogFile).empty(), "log"},
          {std::ranges::any_of(trace,
                               [&](const std::string& l) { return trace.count(l) > cleanTrace.count(l); }),
           "trace"},
          {!h.fs.text(kReport).empty() || !h.fs.text(kReportHere).empty(), "report"},
          {raised > 0, "raised"}})
      if (shown) evidence += (evidence.empty() ? "" : "+") + std::string(name);
    json += (json.size() > 1 ? "," : "") +
            jsonString(std::string(kOpNames[static_cast<int>(op)]) + " " + path) + ":" +
            jsonString(evidence + (h.console.config().NetDGTaken ? "" : " kept") + " " +
                       std::to_string(h.shell.terminations));
    // A good frame keeps being shown whatever failed elsewhere.
    EXPECT_TRUE(evidence.find("counter") != std::string::npos || h.text("LabelKUG") == "23");
    // Only the logs grow by appending; every other file is written whole.
    for (const auto& t : h.fs.touches())
      EXPECT_TRUE(t.op != Append || isLog(t.path)) << "appended to " << t.path;
    // No file that neither the set-up nor a clean run leaves (a temporary, a
    // piece), and every file but the logs and the INI file as one of them left it.
    for (const std::string& file : h.fs.filePaths()) {
      if (isLog(file) || FakeFileSystem::key(file) == FakeFileSystem::key(kIni)) continue;
      EXPECT_TRUE((clean.fs.hasFile(file) && h.fs.bytes(file) == clean.fs.bytes(file)) ||
                  (furnished.fs.hasFile(file) && h.fs.bytes(file) == furnished.fs.bytes(file)))
          << "left " << file << " of " << h.fs.bytes(file).size() << " bytes";
    }
    // The game record is never lost: in the share or in the archive, whole.
    EXPECT_TRUE(h.fs.bytes(kGameRecord) == kGameRecordBytes || h.fs.bytes(kArchived) == kGameRecordBytes);
  }
  test::compareWithGolden("fault-matrix.json", json + "}\n");  // all twelve kinds of operation among them
}

}  // namespace
}  // namespace bingo
