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
#include "platform/app_error.h"

namespace bingo {
namespace {

using test::ConsoleHall;
using test::FakeFileSystem;
using test::Record;

constexpr const char* kIni = "/opt/bingo/clientbingo.ini";
constexpr const char* kErrorLogFile = "/opt/bingo/clientbingo.err";
constexpr const char* kTrace = "C:\\Orma\\Bingo\\Arh\\Log\\261206.Txt";
constexpr const char* kTraceHere = "261206.Txt";
constexpr const char* kReport = "C:\\Orma\\Bingo\\Arh\\Log\\LogApp.txt";
constexpr const char* kReportHere = "LogApp.txt";
constexpr const char* kGameRecord = "\\\\srv\\net\\261206N0001.DG";
constexpr const char* kArchived = "C:\\Orma\\Bingo\\Arh\\DG2\\261206N0\\007\\261206N0001.DG";
const std::vector<std::uint8_t> kGameRecordBytes(81256, 7);

const char* opName(FileOp op) {
  constexpr const char* kNames[] = {"Exists", "Size",   "Open",       "Read", "Close", "Write",
                                    "Append", "Remove", "MakeFolder", "List", "Move",  "Copy"};
  return kNames[static_cast<int>(op)];
}

// The share holds a frame at ball 1 of round 8, language and game-kind files,
// the three command files, AltN.txt and one game record; the INI file asks
// for the game-record copy at ball 1.
void furnish(ConsoleHall& h) {
  h.fs.addTextFile(kIni, "[NetDG]\r\nEnabled=1\r\nLOPmin=0\r\nLOPmax=2\r\n");
  h.fs.addTextFile("\\\\srv\\net\\cJezik.txt", "S\r\n");
  h.fs.addTextFile("\\\\srv\\net\\cVIw.Txt", " 0 0 F1 FIXNA1\r\n 1 0 F2 FIXNA2\r\n");
  for (const char* name : {"Off1.txt", "Off2.txt", "Off3.txt", "AltN.txt"})
    h.fs.addTextFile(std::string("\\\\srv\\net\\") + name, "");
  h.fs.addFile(kGameRecord, kGameRecordBytes);
  // Ball 1 keeps the bought-ticket upkeep short, so the whole matrix runs in seconds.
  h.frame(Record().lop(1).kug(23).drawn({23}).kolo(8).sold(0, 1, 500));
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

// Where a refused operation of any of the paths shows: "counter" (a frame
// read counter), "log" (the error log beside the program), "trace" (a trace
// line a clean run does not write), "report" (LogApp.txt), "raised" (an error
// for the application's handler); whether the game record reached the
// archive; how many of Off2, Off1 and Off3 were obeyed.
struct Row {
  std::vector<FileOp> ops;
  std::vector<std::string> paths;
  const char* evidence;
  bool recordTaken = true;
  int terminations = 3;
};

using enum FileOp;
const std::vector<FileOp> kReading{Open, Read, Close}, kAnyRead{Exists, Open, Read, Close};
const std::string kArh = "C:\\Orma\\Bingo\\Arh\\", kDg2 = kArh + "DG2\\";

// What the system says each refused operation does.
const Row kRows[] = {
    // Logs lose the entry and say nothing; a folder missing anyway is made; old
    // command files stay; the share's language and game-kind files leave the
    // built-in choices; the signal files are the server's to mind.
    {{Append}, {"/opt/bingo/clientbingo.log", kTrace}, ""},
    {{Exists},
     {"C:\\Orma", "C:\\Orma\\Bingo", "C:\\Windows", kArh + "Dg", kArh + "Bub", kArh + "DMG", kArh + "Net",
      kArh + "CfgW\\cVIw.txt", kArh + "DG2", kDg2 + "261206N0", kDg2 + "DGT", kDg2 + "261206N0\\007"},
     ""},
    {{Remove}, {kArh + "Net\\Off1.txt", kArh + "Net\\Off2.txt", kArh + "Net\\Off3.txt"}, ""},
    {kAnyRead, {"\\\\srv\\net\\cVIw.Txt", "\\\\srv\\net\\cJezik.txt"}, ""},
    {{Write}, {"\\\\srv\\net\\AltS.txt"}, ""},
    {{Exists, Remove}, {"\\\\srv\\net\\AltN.txt"}, ""},
    // Configuration files missing at first, so made; a failed read of the
    // ticket base only leaves the result 0.
    {{Exists, Open, Write}, {kArh + "CfgW\\GradW.txt"}, ""},
    {{Size, Write}, {kArh + "CfgW\\COMw.cfg"}, ""},
    {{Size}, {kArh + "CfgW\\CfgC2.cfg"}, ""},
    {{Open}, {kArh + "CfgW\\RezDefW.txt", kArh + "CfgW\\ProtklW.cfg"}, ""},
    {{Write}, {kArh + "CfgW\\CfgC2.cfg", kArh + "CfgW\\ProtklW.cfg"}, "trace"},
    {{Read, Close}, {kArh + "CfgW\\A1944.3x5"}, "trace"},
    // The installation tree: the reported chain; the ticket base missing,
    // short or unopened.
    {{MakeFolder}, {"C:\\Windows", kArh + "Dg", kArh + "Bub", kArh + "DMG", kArh + "Net"}, "trace+report"},
    {{Exists}, {"C:\\Orma\\Bingo\\Arh", kArh + "CfgW"}, "trace+report"},  // there already: cannot be made
    {{Exists, MakeFolder}, {kArh + "Log"}, "trace+report"},  // its entries move to the working directory
    {{Exists, Size, Open}, {kArh + "CfgW\\A1944.3x5"}, "trace+report"},
    {{Write}, {kArh + "CfgW\\RezDefW.txt"}, "trace+report"},
    // Without net.ini the default server is polled: its frame file is missing.
    {kReading, {"net.ini"}, "counter+log", false, 0},
    // The frame file: counted, logged, and the command files wait for a good read.
    {kAnyRead, {"\\\\srv\\net\\Frame.dat"}, "counter+log", false, 0},
    // An INI file that cannot be read gives the defaults (no game-record
    // copy); a save over it would lose its other keys, so every save is refused.
    {kReading, {kIni}, "log+raised", false},
    {{Write}, {kIni}, "log+raised"},
    // The game-record copy: a share that seems missing is reported; nothing
    // else is, and the record stays where it was until a later tick takes it.
    {{Exists}, {"\\\\srv\\net"}, "trace+report"},
    {{List}, {"\\\\srv\\net"}, "", false},
    {{Size, Move}, {kGameRecord}, "", false},
    {{MakeFolder}, {kArh + "DG2", kDg2 + "261206N0", kDg2 + "DGT", kDg2 + "261206N0\\007"}, "", false},
    {{Move, Copy}, {kArchived}, "", false},
    {{Copy}, {kDg2 + "261206N0001.DG", kDg2 + "DGT\\261206N0001.DG", kDg2 + "DGT\\261206n000107"}, "", false},
    // A command file that cannot be seen is not obeyed.
    {{Exists}, {"\\\\srv\\net\\Off1.txt", "\\\\srv\\net\\Off2.txt", "\\\\srv\\net\\Off3.txt"}, "", true, 2},
};

TEST(FaultMatrix, EveryRefusedOperationLandsWhereTheSystemSaysAndLosesNothing) {
  ConsoleHall clean, furnished;
  furnish(clean);
  furnish(furnished);
  clean.fs.recordTouches(true);
  ASSERT_EQ(play(clean), 0);
  ASSERT_TRUE(clean.console.config().NetDGTaken);
  ASSERT_EQ(clean.shell.terminations, 3);
  ASSERT_EQ(clean.text("LabelKUG") + clean.fs.text(kErrorLogFile) + clean.fs.text(kReport), "23");
  const std::multiset<std::string> cleanTrace = traceLines(clean);

  std::set<std::pair<FileOp, std::string>> seen, used;
  std::set<FileOp> ops;
  for (const auto& touch : clean.fs.touches()) {
    if (!seen.insert({touch.op, FakeFileSystem::key(touch.path)}).second) continue;
    const auto& [op, path] = touch;
    ops.insert(op);
    SCOPED_TRACE(std::string(opName(op)) + " " + path);
    const Row* row = nullptr;
    for (const Row& r : kRows)
      for (const std::string& p : r.paths)
        if (!row && FakeFileSystem::key(p) == FakeFileSystem::key(path) && std::ranges::count(r.ops, op)) {
          row = &r;
          used.insert({op, FakeFileSystem::key(p)});
        }
    if (!row) {
      ADD_FAILURE() << "no row says what a refused " << opName(op) << " of " << path << " does";
      continue;
    }
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
    EXPECT_EQ(evidence, row->evidence);
    EXPECT_EQ(h.console.config().NetDGTaken, row->recordTaken);
    EXPECT_EQ(h.shell.terminations, row->terminations);
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
  // Every kind of operation the console performs is among them, and every row's path is refused.
  EXPECT_EQ(ops.size(), 12u);
  for (const Row& row : kRows)
    for (const std::string& path : row.paths)
      EXPECT_TRUE(std::ranges::any_of(row.ops,
                                      [&](FileOp op) {
                                        return used.count({op, FakeFileSystem::key(path)});
                                      }))
          << "no run refuses " << path;
}

}  // namespace
}  // namespace bingo
