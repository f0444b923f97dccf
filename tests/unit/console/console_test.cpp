// The whole console driven without a toolkit: fakes for files, clock, ping,
// shell and prompts; frames placed in the share as literal records.

#include "app/console/console.h"

#include <gtest/gtest.h>

#include "console_hall.h"
#include "platform/app_error.h"

namespace bingo {
namespace {

using test::Record;
using Hall = test::ConsoleHall;
using Lines = std::vector<std::string>;
constexpr const char* kLog = "/opt/bingo/clientbingo.log";
constexpr const char* kIni = "/opt/bingo/clientbingo.ini";

TEST(Console, StartAndEndAreLoggedAndATickShowsTheRecordReadOnTheTickBefore) {
  Hall hall;
  hall.frame(Record().lop(3).kug(23).price(120).drawn({5, 17, 23}).kolo(7));
  hall.start();
  EXPECT_EQ(hall.memo(), Lines{"Unesite kupljene tikete"});
  hall.ticks(1);
  EXPECT_EQ(hall.text("LabelLOP"), "");
  hall.ticks(1);
  EXPECT_EQ(hall.text("LabelLOP") + "|" + hall.text("LblTest_Info_LAN_PCSR_Cont"), "3|1 : 2 : 0");
  hall.console.FormDestroy(0, 0, 1024, 768);
  EXPECT_EQ(hall.fs.text(kLog),
            "09:30:15:250 RUN Bingo /opt/bingo/clientbingo\r\n09:30:15:250 END Bingo\r\n");

  Hall empty;  // an empty record shows blanks but the price
  empty.frame(Record());
  empty.start();
  empty.ticks(2);
  std::string shown;
  for (const char* label :
       {"LabelLOP", "LabelKUG", "LabelMxL", "LabelPRO", "LabelRLTk1", "LabelProPoc1", "LabelCEN"})
    shown += empty.text(label) + "|";
  EXPECT_EQ(shown, "||||||  0|");
  EXPECT_FALSE(empty.visible("PanelTK"));
}

// The command files are looked at on the 100th tick, only after a good read;
// an unreachable server is never read but its commands are obeyed.
TEST(Console, CommandFilesWaitForTheHundredthTickAndAFrameThatIsNotMissing) {
  for (const bool reachable : {false, true}) {
    Hall hall;
    hall.network.reachable = reachable;
    hall.fs.addTextFile("\\\\srv\\net\\Off2.txt", "");
    hall.start();
    hall.ticks(99);
    EXPECT_EQ(hall.shell.terminations, 0);
    hall.ticks(1);
    EXPECT_EQ(hall.shell.terminations, reachable ? 0 : 1);
    EXPECT_EQ(hall.console.frameFile().FrameMissingCount, reachable ? 100 : 0);
    EXPECT_EQ(hall.console.frameFile().FrameFailCount, reachable ? 100 : 0);
    EXPECT_EQ(hall.text(reachable ? "LblTest_Info_LAN_Net_Frame_Read" : "LblTest_Info_LAN_PCSR_Cont"),
              reachable ? "100 : 0 : 0 : 0 : 0" : "0 : 0 : 100");
  }
}

TEST(Console, RangesAreEnteredDeletedAndClearedBelowTheLimit) {
  Hall hall;
  hall.frame(Record().price(100).sold(0, 1, 500));
  hall.start();
  hall.ticks(2);
  hall.console.EditKupEndExit("10", "20");
  hall.console.EditKupEndExit("15", "30");
  EXPECT_EQ(hall.text("LabelTkKupCount") + "|" + hall.text("LabelTkKupUplata") + "|" + hall.memo().back(),
            "21|2100|U: 15 30");
  EXPECT_TRUE(hall.console.takeFocusRequest());
  EXPECT_THROW(hall.console.EditKupEndExit("1x", "5"), AppError);
  // Deletion asks "OD" and "DO" again until each is a ticket number, and refuses a reversed range.
  hall.prompts.answers = {"20", "10", "0", "12", "99999", "25"};
  hall.console.acTK_Kup_BrisiExecute();
  EXPECT_EQ(hall.prompts.errors.size(), 1u);
  EXPECT_EQ(hall.text("LabelTkKupCount"), "21");
  hall.console.acTK_Kup_BrisiExecute();
  EXPECT_EQ(hall.prompts.asked, (Lines{"OD", "DO", "OD", "OD", "DO", "DO"}));
  EXPECT_EQ(
      hall.text("LabelTkKupEnd1") + "|" + hall.text("LabelTkKupPoc2") + "|" + hall.text("LabelTkKupCount"),
      "11|26|7");

  Hall few;  // fewer tickets than the entry limit are cleared on the 101st tick
  few.frame(Record().sold(0, 1, 500));
  few.start();
  few.console.config().UnosLimit = 5;
  few.console.EditKupEndExit("1", "3");
  few.ticks(100);
  EXPECT_EQ(few.text("LabelTkKupCount"), "3");
  few.ticks(1);
  EXPECT_EQ(few.text("LabelTkKupCount") + "|" + few.memo().back(), "|<5");
}

TEST(Console, ALineOnATicketBeyondTheNinthRunIsAnnounced) {
  Hall hall;
  // Sold 1-3 and 5-200: the first entered run splits in two at the second ball.
  Record game = Record().price(100).sold(0, 1, 3).sold(1, 5, 200);
  hall.frame(game);
  hall.start();
  hall.ticks(2);
  // Ticket 100 is the only bought ticket whose first row holds 35, 37, 39, 41, 43.
  for (const auto& [first, last] : {std::pair{"1", "9"},
                                    {"11", "12"},
                                    {"21", "22"},
                                    {"31", "32"},
                                    {"41", "42"},
                                    {"51", "52"},
                                    {"61", "62"},
                                    {"71", "72"},
                                    {"100", "101"}})
    hall.console.EditKupEndExit(first, last);
  hall.frame(game.lop(2).drawn({35, 37}).kug(37));
  hall.ticks(2);
  std::string runs;
  for (const char* label :
       {"LabelTkKupEnd9", "LabelTkKupPoc10", "LabelTkKupEnd10", "LabelTkKupCount", "LabelTkKupUplata"})
    runs += hall.text(label) + "|";
  EXPECT_EQ(runs, "72|100|101|24|2400|");
  hall.frame(game.lop(5).drawn({39, 41, 43}).kug(43));
  hall.ticks(2);
  EXPECT_EQ(hall.text("LblLIN"), "DOBILI STE LINIJU TIKET: 100");
}

TEST(Console, ABingoBlinksStaysThroughTheNewRoundAndEndsWithItsFirstBalls) {
  Hall hall;
  const auto round = [](int kolo, int lop) { return Record().sold(0, 1, 100).kolo(kolo).lop(lop); };
  hall.frame(round(3, 4).drawn({1, 3, 5, 7}));
  hall.start();
  hall.ticks(2);
  hall.console.EditKupEndExit("1", "1");
  hall.frame(
      round(3, 15).drawn({1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29}));  // ticket 1's numbers
  // Hidden on every fourth tick, the memo red while shown.
  const auto blinks = [&](int n) {
    for (int i = 0; i < n; ++i) {
      hall.ticks(1);
      const bool shown = std::stoi(hall.text("LblTest_Info_Timer_Count")) % 4 != 0;
      EXPECT_EQ(hall.visible("LblBIN"), shown);
      if (shown) {
        EXPECT_EQ(hall.text("LblBIN"), "DOBILI STE BINGO TIKET: 1");
        EXPECT_EQ(hall.console.screen().memoBackground(), (Rgb{255, 0, 0}));
      }
    }
  };
  blinks(4);
  EXPECT_EQ(hall.memo().back(), "DOBILI STE BINGO TIKET: 1");
  hall.frame(round(4, 0));  // the next round: its tickets are gone, the bingo stays
  blinks(1);
  EXPECT_EQ(hall.memo().back() + "|" + hall.console.screen().statusPanel(12),
            "DOBILI STE BINGO TIKET: 1|DOBILI STE BINGO TIKET: 1");
  blinks(4);
  EXPECT_EQ(hall.memo(), (Lines{"NOVO KOLO", "4", "Unesite kupljene tikete"}));
  EXPECT_EQ(hall.text("LabelTkKupCount"), "");
  hall.frame(round(4, 1).drawn({50}));
  hall.ticks(2);
  for (int i = 0; i < 4; ++i, hall.ticks(1)) EXPECT_FALSE(hall.visible("LblBIN"));
  EXPECT_EQ(hall.console.screen().memoBackground(), (Rgb{255, 255, 255}));
  EXPECT_TRUE(hall.visible("PanelTK"));
}

TEST(Console, TheMemoIsLeftAloneWhenTheReadChangedNoBallOrTheServerWasSilent) {
  Hall hall;
  hall.frame(Record().sold(0, 1, 100).lop(6).drawn({1, 3, 5, 7, 29, 40}));
  hall.start();
  hall.ticks(2);
  hall.console.EditKupEndExit("1", "1");
  hall.ticks(1);
  EXPECT_EQ(hall.memo().back(), "U: 1 1");
  hall.network.reachable = false;
  hall.frame(Record().sold(0, 1, 100).lop(7).drawn({1, 3, 5, 7, 29, 40, 60}));
  hall.ticks(2);
  EXPECT_EQ(hall.memo().back() + "|" + hall.text("LabelLOP"), "U: 1 1|6");
  hall.network.reachable = true;
  hall.ticks(1);
  EXPECT_EQ(hall.memo().front(), "1 TIKETA Ceka 10 LOPT za BINGO 1 Ceka  LOPTA 9 LINIJA ");
}

TEST(Console, AltSRaisesTheSecondDrumSignalForItsTicks) {
  constexpr const char* kAltS = "\\\\srv\\net\\AltS.txt";
  const struct {
    const char* ini;     // [Bub2] keys besides the defaults
    bool enableEarlier;  // Bub2 Enable in an earlier timer period
    bool enableNow;      // Bub2 Enable in the same period as Alt S
    int fileGoneAt;      // the share holds AltS.txt until this tick (0: never)
    bool focus, fileMade;
    int droppedAt;  // TimerCount of the tick that drops the signal
  } rows[] = {
      {"LAN=1", true, false, 0, true, false, 5},   // only the focus moves; a multiple of 5
      {"LAN=1", true, false, 7, true, false, 10},  // kept while the server has not taken the file
      {"LAN=1", false, true, 0, false, true, 1},   // enabled in the same period: the file, one tick
      {"Enabled=1\r\nRS232=1", false, false, 99, false, false, 10},         // without LAN: ten ticks
      {"Enabled=1\r\nRS232=1\r\nLAN=1", false, false, 99, false, true, 1},  // with LAN: one tick
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.ini);
    Hall hall;
    hall.fs.addTextFile(kIni, std::string("[Bub2]\r\n") + row.ini + "\r\n");
    hall.frame(Record());
    hall.start();
    int tick = 0;
    if (row.enableEarlier) {
      hall.console.acBub_Bub2Enable();
      hall.ticks(++tick);
    }
    if (row.enableNow) hall.console.acBub_Bub2Enable();
    hall.console.acBub_AltSC(true);
    EXPECT_EQ(hall.console.takeFocusRequest(), row.focus);
    EXPECT_EQ(hall.fs.hasFile(kAltS), row.fileMade);
    if (row.fileGoneAt > 0) hall.fs.addTextFile(kAltS, "");
    while (hall.console.config().Bub2AltS && tick < 20) {
      hall.ticks(1);
      if (++tick == row.fileGoneAt) hall.fs.removeFile(kAltS);
    }
    EXPECT_EQ(tick, row.droppedAt);
  }
}

TEST(Console, TheLanguageIsSavedOnlyWhenItsTwoReadingsDiffer) {
  // Pings at creation: the game kinds, then the two readings of the language file.
  struct Pings : test::FakeNetwork {
    std::vector<bool> answers;
    bool Server_Ping(const std::string& name) override {
      const std::size_t n = pinged.size();
      FakeNetwork::Server_Ping(name);
      return n < answers.size() ? answers[n] : true;
    }
  };
  const struct {
    std::vector<bool> answers;
    bool refused;
    int jezik;
    const char* ini;
  } rows[] = {
      {{true, true, true}, false, 3, nullptr},
      {{true, false, false}, false, 1, nullptr},
      {{true, true, false}, false, 1, "[Jezik]\r\nJezik=1\r\n"},
      {{true, false, true}, false, 3, "[Jezik]\r\nJezik=3\r\n"},
      {{true, true, false}, true, 1, nullptr},
  };
  for (const auto& row : rows) {
    test::FakePlatform p;
    p.fs.addTextFile("\\\\srv\\net\\cJezik.txt", "M");
    p.fs.addTextFile("cJezik.txt", "A");
    if (row.refused) p.fs.fail(FileOp::Write, kIni);
    Pings pings;
    pings.answers = row.answers;
    Console console(ConsoleServices{p.fs, p.clock, pings, p.shell, p.info, p.prompts, p.kProgram});
    console.FormCreate();
    EXPECT_EQ(console.captions().Jezik(), row.jezik);
    EXPECT_EQ(console.config().Jezik, row.jezik);
    const std::string ini = p.fs.text(kIni);
    EXPECT_EQ(ini.find(row.ini ? row.ini : "[Jezik]") != std::string::npos, row.ini != nullptr) << ini;
    EXPECT_EQ(p.fs.text("/opt/bingo/clientbingo.err").find("Unable to write") != std::string::npos,
              row.refused);
  }
}

TEST(Console, OptionsSaveTheIniFileAndFollowTheirRules) {
  Hall hall;
  hall.start();
  hall.console.acBub_Bub2Enable();
  EXPECT_FALSE(hall.console.config().Bub2Enabled);  // not without LAN
  EXPECT_TRUE(hall.fs.hasFile(kIni));
  hall.console.acBub_LAN();
  EXPECT_TRUE(hall.console.screen().menu("mnuBub_AltS").visible);
  hall.console.acBub_Bub2Enable();
  EXPECT_TRUE(hall.console.FormCloseQuery());  // within the same timer period: no question
  EXPECT_TRUE(hall.prompts.asked.empty());
  hall.ticks(1);
  EXPECT_FALSE(hall.console.FormCloseQuery());  // No is the default answer
  EXPECT_EQ(hall.prompts.asked, Lines{"Izlaz iz programa?"});
  hall.console.acHelp_HwInfoMemoryExecute();  // the memory info toggles the second-drum menu
  EXPECT_TRUE(hall.console.screen().menu("mnuBub").visible && hall.console.screen().menu("mnuBub").enabled);
  hall.console.acHelp_HwInfoMemoryExecute();
  EXPECT_FALSE(hall.console.screen().menu("mnuBub").visible);
  EXPECT_EQ(hall.prompts.infos.front(), "AllocMemCount: 12\n\rAllocMemSize : 3456\n\r");
  hall.console.AppEventsHint("Exit|Quits the application");  // the hint line shows the long hint
  EXPECT_EQ(hall.console.screen().statusPanel(0), "Quits the application");
  hall.console.AppEventsHint("no bar");
  EXPECT_EQ(hall.console.screen().statusPanel(0), "no bar");

  // The camera options follow each other; only the camera switched on navigates.
  const struct {
    void (Console::*action)();
    bool show, cam2, navigates;
  } rows[] = {{&Console::acBub_WB_Cam2, false, false, false}, {&Console::acBub_WB_Show, true, false, false},
              {&Console::acBub_WB_Cam2, true, true, true},    {&Console::acBub_WB_Cam2, true, false, false},
              {&Console::acBub_WB_Cam2, true, true, true},    {&Console::acBub_WB_Show, false, false, false}};
  for (const auto& row : rows) {
    (hall.console.*row.action)();
    hall.console.ActionListUpdate();
    EXPECT_EQ(hall.console.config().WBShow, row.show);
    EXPECT_EQ(hall.console.screen().menu("acBub_WB_Cam2").checked, row.cam2);
    EXPECT_EQ(hall.console.takeCameraNavigation(), row.navigates);
  }
  EXPECT_NE(hall.fs.text(kIni).find("Cam2=0"), std::string::npos);
  hall.fs.fail(FileOp::Write, kIni);
  try {
    hall.console.acBub_WB_Show();
    FAIL() << "a refused save must raise";
  } catch (const AppError& error) {
    EXPECT_STREQ(error.what(), "Unable to write to /opt/bingo/clientbingo.ini");
  }
  EXPECT_TRUE(hall.console.config().WBShow);
}

}  // namespace
}  // namespace bingo
