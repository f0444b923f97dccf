// One refused file operation at a time, on every path a console touches while
// it starts, reads frames, obeys command files, takes a ticket entry, saves
// its options and files a game record: the console goes on, each failure
// lands where the system puts it (a read counter, the error log, the trace
// log, the error report, the error box, or nowhere), and no file is left
// half-made, pieced together or lost.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

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

// Where a failure showed.
enum Evidence : unsigned {
  kNowhere = 0,
  kCounter = 1,   // a frame read counter
  kErrorLog = 2,  // a line in the error log beside the program
  kTraceLog = 4,  // a trace line that a clean run does not write
  kReported = 8,  // an entry in LogApp.txt
  kRaised = 16,   // an error for the application's handler
};

std::string evidenceText(unsigned e) {
  std::string text;
  for (const auto& [bit, name] :
       {std::pair{kCounter, "counter"}, std::pair{kErrorLog, "error log"}, std::pair{kTraceLog, "trace"},
        std::pair{kReported, "report"}, std::pair{kRaised, "raised"}})
    if (e & bit) text += std::string(text.empty() ? "" : "+") + name;
  return text.empty() ? "nowhere" : text;
}

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

struct Played {
  unsigned raised = 0;
};

// What the window's guard does with an error that leaves a handler.
template <class Action>
void guarded(ConsoleHall& h, Played& run, Action&& action) {
  try {
    action();
  } catch (const AppError& error) {
    ++run.raised;
    h.console.AppEventsLogException(error.what());
  }
}

Played play(ConsoleHall& h) {
  Played run;
  guarded(h, run, [&] { h.console.FormCreate(); });
  h.ticks(2);
  guarded(h, run, [&] { h.console.EditKupEndExit("1", "50"); });
  h.ticks(98);  // the 100th tick looks for the command files
  guarded(h, run, [&] { h.console.acBub_LAN(); });
  guarded(h, run, [&] { h.console.acBub_Bub2Enable(); });
  guarded(h, run, [&] { h.console.acBub_AltSC(true); });
  guarded(h, run, [&] { h.console.acBub_RS232(); });
  guarded(h, run, [&] { h.console.acBub_WB_Show(); });
  h.ticks(5);
  h.console.FormDestroy(0, 0, 1024, 768);
  return run;
}

std::multiset<std::string> linesOf(const std::string& text) {
  std::multiset<std::string> lines;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = text.find("\r\n", at);
    if (end == std::string::npos) end = text.size();
    lines.insert(text.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

std::string traceText(const ConsoleHall& h) { return h.fs.text(kTrace) + h.fs.text(kTraceHere); }

bool isLog(const std::string& path) {
  const std::string k = FakeFileSystem::key(path);
  for (const char* log :
       {"/opt/bingo/clientbingo.log", kErrorLogFile, kTrace, kTraceHere, kReport, kReportHere})
    if (k == FakeFileSystem::key(log)) return true;
  return false;
}

struct Row {
  std::vector<FileOp> ops;
  const char* path;
  unsigned evidence;
  bool recordTaken = true;  // the game record reached the archive
  int terminations = 3;     // Off2, Off1 and Off3 obeyed
};

using enum FileOp;
const std::vector<FileOp> kReading{Open, Read, Close};

// What the system says each refused operation does.
const Row kRows[] = {
    // Logs lose the entry and say nothing.
    {{Append}, "/opt/bingo/clientbingo.log", kNowhere},
    {{Append}, kTrace, kNowhere},
    // Without net.ini the default server is polled: its frame file is missing.
    {kReading, "net.ini", kCounter | kErrorLog, false, 0},
    // The log folder: its entries move to the working directory.
    {{Exists, MakeFolder}, "C:\\Orma\\Bingo\\Arh\\Log", kTraceLog | kReported},
    // The installation tree: the quiet parents, then the reported chain.
    {{Exists}, "C:\\Orma", kNowhere},
    {{Exists}, "C:\\Orma\\Bingo", kNowhere},
    {{Exists}, "C:\\Windows", kNowhere},  // missing anyway: made
    {{MakeFolder}, "C:\\Windows", kTraceLog | kReported},
    {{Exists}, "C:\\Orma\\Bingo\\Arh", kTraceLog | kReported},  // there already: cannot be made
    {{Exists}, "C:\\Orma\\Bingo\\Arh\\Dg", kNowhere},
    {{MakeFolder}, "C:\\Orma\\Bingo\\Arh\\Dg", kTraceLog | kReported},
    {{Exists}, "C:\\Orma\\Bingo\\Arh\\Bub", kNowhere},
    {{MakeFolder}, "C:\\Orma\\Bingo\\Arh\\Bub", kTraceLog | kReported},
    {{Exists}, "C:\\Orma\\Bingo\\Arh\\DMG", kNowhere},
    {{MakeFolder}, "C:\\Orma\\Bingo\\Arh\\DMG", kTraceLog | kReported},
    {{Exists}, "C:\\Orma\\Bingo\\Arh\\CfgW", kTraceLog | kReported},
    {{Exists}, "C:\\Orma\\Bingo\\Arh\\Net", kNowhere},
    {{MakeFolder}, "C:\\Orma\\Bingo\\Arh\\Net", kTraceLog | kReported},
    {{Remove}, "C:\\Orma\\Bingo\\Arh\\Net\\Off1.txt", kNowhere},
    {{Remove}, "C:\\Orma\\Bingo\\Arh\\Net\\Off2.txt", kNowhere},
    {{Remove}, "C:\\Orma\\Bingo\\Arh\\Net\\Off3.txt", kNowhere},
    // The ticket base: missing or short is reported; an open refused too; a
    // failed read only leaves the result 0.
    {{Exists, Size, Open}, "C:\\Orma\\Bingo\\Arh\\CfgW\\A1944.3x5", kTraceLog | kReported},
    {{Read, Close}, "C:\\Orma\\Bingo\\Arh\\CfgW\\A1944.3x5", kTraceLog},
    // Record and text files of the configuration folder (missing at first, so made).
    {{Exists, Open, Write}, "C:\\Orma\\Bingo\\Arh\\CfgW\\GradW.txt", kNowhere},
    {{Size, Write}, "C:\\Orma\\Bingo\\Arh\\CfgW\\COMw.cfg", kNowhere},
    {{Size}, "C:\\Orma\\Bingo\\Arh\\CfgW\\CfgC2.cfg", kNowhere},
    {{Write}, "C:\\Orma\\Bingo\\Arh\\CfgW\\CfgC2.cfg", kTraceLog},
    {{Open}, "C:\\Orma\\Bingo\\Arh\\CfgW\\RezDefW.txt", kNowhere},
    {{Write}, "C:\\Orma\\Bingo\\Arh\\CfgW\\RezDefW.txt", kTraceLog | kReported},
    {{Exists}, "C:\\Orma\\Bingo\\Arh\\CfgW\\cVIw.txt", kNowhere},
    {{Open}, "C:\\Orma\\Bingo\\Arh\\CfgW\\ProtklW.cfg", kNowhere},
    {{Write}, "C:\\Orma\\Bingo\\Arh\\CfgW\\ProtklW.cfg", kTraceLog},
    // An INI file that cannot be read gives the defaults (no game-record
    // copy); a save over it would lose its other keys, so every save is refused.
    {kReading, kIni, kErrorLog | kRaised, false},
    {{Write}, kIni, kErrorLog | kRaised},
    // The share's language and game-kind files: the built-in choices stay.
    {{Exists, Open, Read, Close}, "\\\\srv\\net\\cVIw.Txt", kNowhere},
    {{Exists, Open, Read, Close}, "\\\\srv\\net\\cJezik.txt", kNowhere},
    // The frame file: counted, logged, and the command files wait for a good read.
    {{Exists, Open, Read, Close}, "\\\\srv\\net\\Frame.dat", kCounter | kErrorLog, false, 0},
    // The game-record copy: a share that seems missing is reported; nothing
    // else is, and the record stays where it was until a later tick takes it.
    {{Exists}, "\\\\srv\\net", kTraceLog | kReported},
    {{List}, "\\\\srv\\net", kNowhere, false},
    {{Size}, kGameRecord, kNowhere, false},
    {{Exists}, "C:\\Orma\\Bingo\\Arh\\DG2", kNowhere},
    {{MakeFolder}, "C:\\Orma\\Bingo\\Arh\\DG2", kNowhere, false},
    {{Exists}, "C:\\Orma\\Bingo\\Arh\\DG2\\261206N0", kNowhere},
    {{MakeFolder}, "C:\\Orma\\Bingo\\Arh\\DG2\\261206N0", kNowhere, false},
    {{Exists}, "C:\\Orma\\Bingo\\Arh\\DG2\\DGT", kNowhere},
    {{MakeFolder}, "C:\\Orma\\Bingo\\Arh\\DG2\\DGT", kNowhere, false},
    {{Exists}, "C:\\Orma\\Bingo\\Arh\\DG2\\261206N0\\007", kNowhere},
    {{MakeFolder}, "C:\\Orma\\Bingo\\Arh\\DG2\\261206N0\\007", kNowhere, false},
    {{Move}, kGameRecord, kNowhere, false},
    {{Move, Copy}, kArchived, kNowhere, false},
    {{Copy}, "C:\\Orma\\Bingo\\Arh\\DG2\\261206N0001.DG", kNowhere, false},
    {{Copy}, "C:\\Orma\\Bingo\\Arh\\DG2\\DGT\\261206N0001.DG", kNowhere, false},
    {{Copy}, "C:\\Orma\\Bingo\\Arh\\DG2\\DGT\\261206n000107", kNowhere, false},
    // A command file that cannot be seen is not obeyed.
    {{Exists}, "\\\\srv\\net\\Off1.txt", kNowhere, true, 2},
    {{Exists}, "\\\\srv\\net\\Off2.txt", kNowhere, true, 2},
    {{Exists}, "\\\\srv\\net\\Off3.txt", kNowhere, true, 2},
    // The second-drum signal files.
    {{Write}, "\\\\srv\\net\\AltS.txt", kNowhere},
    {{Exists, Remove}, "\\\\srv\\net\\AltN.txt", kNowhere},
};

const Row* rowFor(FileOp op, const std::string& path) {
  for (const Row& row : kRows)
    if (FakeFileSystem::key(row.path) == FakeFileSystem::key(path) &&
        std::find(row.ops.begin(), row.ops.end(), op) != row.ops.end())
      return &row;
  return nullptr;
}

TEST(FaultMatrix, EveryRefusedOperationLandsWhereTheSystemSaysAndLosesNothing) {
  ConsoleHall clean;
  furnish(clean);
  clean.fs.recordTouches(true);
  ASSERT_EQ(play(clean).raised, 0u);
  ASSERT_TRUE(clean.console.config().NetDGTaken);
  ASSERT_EQ(clean.shell.terminations, 3);
  ASSERT_EQ(clean.text("LabelKUG"), "23");
  ASSERT_EQ(clean.fs.text(kErrorLogFile), "");
  ASSERT_EQ(clean.fs.text(kReport), "");
  const std::multiset<std::string> cleanTrace = linesOf(traceText(clean));
  ConsoleHall furnished;
  furnish(furnished);

  std::vector<std::pair<FileOp, std::string>> cases;
  std::set<std::pair<FileOp, std::string>> seen;
  for (const auto& touch : clean.fs.touches())
    if (seen.insert({touch.op, FakeFileSystem::key(touch.path)}).second)
      cases.emplace_back(touch.op, touch.path);
  ASSERT_GT(cases.size(), 70u);
  // Every kind of operation the console performs is among them.
  for (FileOp op : {Exists, Size, Open, Read, Close, Write, Append, Remove, MakeFolder, List, Move, Copy})
    EXPECT_TRUE(std::any_of(cases.begin(), cases.end(), [op](const auto& c) { return c.first == op; }))
        << opName(op);
  std::set<const Row*> used;
  for (const auto& [op, path] : cases) {
    SCOPED_TRACE(std::string(opName(op)) + " " + path);
    const Row* row = rowFor(op, path);
    if (!row) {
      ADD_FAILURE() << "no row says what a refused " << opName(op) << " of " << path << " does";
      continue;
    }
    used.insert(row);

    ConsoleHall h;
    furnish(h);
    h.fs.fail(op, path, EACCES);
    h.fs.recordTouches(true);
    const Played run = play(h);

    unsigned evidence = kNowhere;
    if (h.console.frameFile().FrameFailCount > 0) evidence |= kCounter;
    if (!h.fs.text(kErrorLogFile).empty()) evidence |= kErrorLog;
    const std::multiset<std::string> trace = linesOf(traceText(h));
    for (const std::string& line : trace)
      if (trace.count(line) > cleanTrace.count(line)) evidence |= kTraceLog;
    if (!h.fs.text(kReport).empty() || !h.fs.text(kReportHere).empty()) evidence |= kReported;
    if (run.raised > 0) evidence |= kRaised;
    EXPECT_EQ(evidenceText(evidence), evidenceText(row->evidence));
    EXPECT_EQ(h.console.config().NetDGTaken, row->recordTaken);
    EXPECT_EQ(h.shell.terminations, row->terminations);

    // Only the logs grow by appending; every other file is written whole.
    for (const auto& touch : h.fs.touches())
      if (touch.op == Append) {
        EXPECT_TRUE(isLog(touch.path)) << "appended to " << touch.path;
      }
    // No file that neither the set-up nor a clean run leaves (a temporary, a
    // piece), and every file but the logs and the INI file as one of them left it.
    for (const std::string& file : h.fs.filePaths()) {
      if (isLog(file) || FakeFileSystem::key(file) == FakeFileSystem::key(kIni)) continue;
      const bool asCleanRun = clean.fs.hasFile(file) && h.fs.bytes(file) == clean.fs.bytes(file);
      const bool asFurnished = furnished.fs.hasFile(file) && h.fs.bytes(file) == furnished.fs.bytes(file);
      EXPECT_TRUE(asCleanRun || asFurnished)
          << "left " << file << " of " << h.fs.bytes(file).size() << " bytes";
    }
    // The game record is never lost: in the share or in the archive, whole.
    EXPECT_TRUE(h.fs.bytes(kGameRecord) == kGameRecordBytes || h.fs.bytes(kArchived) == kGameRecordBytes);
    // A good frame keeps being shown whatever failed elsewhere.
    if (!(row->evidence & kCounter)) {
      EXPECT_EQ(h.text("LabelKUG"), "23");
    }
  }
  for (const Row& row : kRows) EXPECT_TRUE(used.count(&row)) << "no run refuses " << row.path;
}

}  // namespace
}  // namespace bingo
