// The whole console driven without a toolkit: fakes for files, clock, ping,
// shell and prompts; frames placed in the share as literal records.

#include "app/console/console.h"

#include <gtest/gtest.h>

#include <regex>

#include "console_hall.h"
#include "frame/frame_layout.h"
#include "platform/text.h"

namespace bingo {
namespace {

using test::Record;
using Hall = test::ConsoleHall;
constexpr const char* kIni = "/opt/bingo/clientbingo.ini";

// The next tick shows it: the reviewed screen dumps.
TEST(Console, StartAndEndAreLoggedAndATickShowsTheRecordReadOnTheTickBefore) {
  Hall hall;
  hall.frame(Record().lop(3).kug(23).price(120).drawn({5, 17, 23}).kolo(7));
  hall.start();
  hall.ticks(1);
  EXPECT_EQ(hall.text("LabelLOP") + (hall.visible("LblLIN") ? "line shown" : ""), "");
  hall.console.FormDestroy(0, 0, 1024, 768);
  EXPECT_EQ(hall.fs.text("/opt/bingo/clientbingo.log"),
            "09:30:15:250 RUN Bingo /opt/bingo/clientbingo\r\n09:30:15:250 END Bingo\r\n");
}

// The command files are looked at on the 100th tick, only after a good read;
// an unreachable server is never read but its commands are obeyed.
TEST(Console, CommandFilesWaitForTheHundredthTickAndAFrameThatIsNotMissing) {
  // Reachable, then the closes after 99 and 100 ticks, the missing and failed reads, the read counters.
  for (const auto& [reachable, expected] :
       {std::pair{false, "0 1 0 0 0 : 0 : 100"}, {true, "0 0 100 100 100 : 0 : 0 : 0 : 0"}}) {
    Hall hall;
    hall.network.reachable = reachable;
    hall.fs.addTextFile("\\\\srv\\net\\Off2.txt", "");
    hall.start();
    hall.ticks(99);
    const int before = hall.shell.terminations;
    hall.ticks(1);
    const FrameFile& f = hall.console.frameFile();
    EXPECT_EQ(
        formatText("%d %d %d %d ", before, hall.shell.terminations, f.FrameMissingCount, f.FrameFailCount) +
            hall.text(reachable ? "LblTest_Info_LAN_Net_Frame_Read" : "LblTest_Info_LAN_PCSR_Cont"),
        expected);
  }
}

// Typing, focus, a refused entry and the deletion dialog are the widgets' tests.
TEST(Console, RangesMergeALineBeyondTheNinthRunIsAnnouncedAndTooFewAreClearedOnThe101stTick) {
  Hall hall;
  // Sold 1-3 and 5-200: the first entered run splits in two at the second ball.
  Record game = Record().price(100).sold(0, 1, 3).sold(1, 5, 200);
  hall.startOn(game);
  hall.console.config().UnosLimit = 25;
  hall.console.EditKupEndExit("1", "5");
  hall.console.EditKupEndExit("3", "9");  // merged with the range before
  EXPECT_EQ(hall.text("LabelTkKupPoc1") + "|" + hall.text("LabelTkKupEnd1") + "|" +
                hall.text("LabelTkKupCount") + "|" + hall.memo().back(),
            "1|9|9|U: 3 9");
  // Ticket 100 is the only bought ticket whose first row holds 35, 37, 39, 41, 43.
  for (int first = 11; first < 80; first += 10)
    hall.console.EditKupEndExit(std::to_string(first), std::to_string(first + 1));
  hall.console.EditKupEndExit("100", "101");
  hall.show(game.lop(2).drawn({35, 37}).kug(37));
  EXPECT_EQ(hall.text("LabelTkKupEnd9") + "|" + hall.text("LabelTkKupPoc10") + "|" +
                hall.text("LabelTkKupEnd10") + "|" + hall.text("LabelTkKupCount") + "|" +
                hall.text("LabelTkKupUplata"),
            "72|100|101|24|2400");
  hall.show(game.lop(5).drawn({39, 41, 43}).kug(43));
  EXPECT_EQ(hall.text("LblLIN"), "DOBILI STE LINIJU TIKET: 100");
  hall.ticks(94);
  EXPECT_EQ(hall.text("LabelTkKupCount"), "24");
  hall.ticks(1);
  EXPECT_EQ(hall.text("LabelTkKupCount") + hall.memo().back(), "<25");
}

TEST(Console, ABingoBlinksStaysThroughTheNewRoundAndEndsWithItsFirstBalls) {
  Hall hall;
  const auto round = [](int kolo, int lop) { return Record().sold(0, 1, 100).kolo(kolo).lop(lop); };
  hall.startOn(round(3, 4).drawn({1, 3, 5, 7}));
  hall.console.EditKupEndExit("1", "1");
  hall.ticks(2);
  const auto awaited = [&](int ball) { return hall.console.screen().boardFlags(ball).Waited; };
  EXPECT_TRUE(awaited(9));  // the fifth of its first row
  // Ticket 1's numbers.
  hall.frame(round(3, 15).drawn({1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29}));
  // Hidden on every fourth tick, the memo red while shown.
  const auto blinks = [&](int n) {
    for (int i = 0; i < n; ++i) {
      hall.ticks(1);
      const bool red = hall.console.screen().memoBackground() == Rgb{255, 0, 0};
      EXPECT_EQ(hall.visible("LblBIN") ? hall.text("LblBIN") + (red ? " red" : "") : "",
                std::stoi(hall.text("LblTest_Info_Timer_Count")) % 4 ? "DOBILI STE BINGO TIKET: 1 red" : "");
    }
  };
  blinks(4);
  EXPECT_FALSE(awaited(9));  // nothing awaited once it won
  hall.frame(round(4, 0));   // the next round: its tickets are gone, the bingo stays in the memo
  blinks(1);
  // The ticket panel hidden: no ball drawn yet.
  EXPECT_EQ(hall.memo().back() + "|" + hall.console.screen().statusPanel(12) + "|" +
                (hall.visible("PanelTK") ? "panel" : ""),
            "DOBILI STE BINGO TIKET: 1|DOBILI STE BINGO TIKET: 1|");
  blinks(4);
  EXPECT_EQ(hall.memo(), (std::vector<std::string>{"NOVO KOLO", "4", "Unesite kupljene tikete"}));
  EXPECT_FALSE(hall.visible("LblLIN"));  // shown since the win, hidden by the new round
  EXPECT_EQ(hall.text("LabelTkKupCount"), "");
  hall.show(round(4, 1).drawn({50}));
  for (int i = 0; i < 4; ++i, hall.ticks(1)) EXPECT_FALSE(hall.visible("LblBIN"));
  EXPECT_TRUE(hall.console.screen().memoBackground() == (Rgb{255, 255, 255}) && hall.visible("PanelTK"));

  // A line in this round, then a bingo in the bingo phase of the next: the line box no longer names it.
  hall.console.EditKupEndExit("1", "1");
  hall.show(round(4, 5).drawn({1, 3, 5, 7, 9}));
  EXPECT_EQ(hall.text("LblLIN"), "DOBILI STE LINIJU TIKET: 1");
  hall.show(round(5, 1).drawn({50}));
  hall.console.EditKupEndExit("1", "1");
  hall.show(round(5, 15)
                .set(kOffsetFlags, kFlagBingoPhase)
                .drawn({1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29}));
  EXPECT_EQ(hall.text("LblLIN") + "|" + hall.text("LblBIN"), "|DOBILI STE BINGO TIKET: 1");
}

TEST(Console, TheMemoIsLeftAloneWhenTheReadChangedNoBallOrTheServerWasSilent) {
  Hall hall;
  hall.startOn(Record().sold(0, 1, 100).lop(6).drawn({1, 3, 5, 7, 29, 40}));
  hall.console.EditKupEndExit("1", "1");
  hall.ticks(1);
  EXPECT_EQ(hall.memo().back(), "U: 1 1");
  hall.network.reachable = false;
  hall.show(Record().sold(0, 1, 100).lop(7).drawn({1, 3, 5, 7, 29, 40, 60}));
  EXPECT_EQ(hall.memo().back() + "|" + hall.text("LabelLOP"), "U: 1 1|6");
  hall.network.reachable = true;
  hall.ticks(1);
  EXPECT_EQ(hall.memo().front(), "1 TIKETA Ceka 10 LOPT za BINGO 1 Ceka  LOPTA 9 LINIJA ");
  // The waiting counts: for a line, one ticket a ball away; for a bingo, one ticket ten balls away.
  EXPECT_EQ(hall.text("LabelWaitLinCnt") + " " + hall.text("LabelWaitLinMin") + " " +
                hall.text("LabelWaitBinCnt") + " " + hall.text("LabelWaitBinMin"),
            "1 1 1 10");
  hall.console.TkKupDeleteAll();  // every ticket gone, the round still in its line phase
  hall.ticks(1);
  EXPECT_EQ(hall.text("LabelLinBin"), "CEKA SE LINIJA");
}

TEST(Console, AltSRaisesTheSecondDrumSignalForItsTicks) {
  constexpr const char* kAltS = "\\\\srv\\net\\AltS.txt";
  // [Bub2] keys besides the defaults; Bub2 Enable in an earlier timer period ("E") or in the same period as
  // Alt S ("N"); the share holds AltS.txt until this tick (0: never); the focus moved, the file made and the
  // TimerCount of the tick that drops the signal.
  const std::tuple<const char*, char, int, const char*> rows[] = {
      {"LAN=1", 'E', 0, "1 0 5"},                           // only the focus moves; a multiple of 5
      {"LAN=1", 'E', 7, "1 0 10"},                          // kept while the server has not taken the file
      {"LAN=1", 'N', 0, "0 1 1"},                           // enabled in the same period: the file, one tick
      {"Enabled=1\r\nRS232=1", '-', 99, "0 0 10"},          // without LAN: ten ticks
      {"Enabled=1\r\nRS232=1\r\nLAN=1", '-', 99, "0 1 1"},  // with LAN: one tick
  };
  for (const auto& [ini, enable, fileGoneAt, expected] : rows) {
    Hall hall;
    hall.fs.addTextFile(kIni, std::string("[Bub2]\r\n") + ini + "\r\n");
    hall.frame(Record());
    hall.start();
    int tick = 0;
    if (enable != '-') hall.console.acBub_Bub2Enable();
    if (enable == 'E') hall.ticks(++tick);
    hall.console.acBub_AltSC(true);
    std::string shown =
        std::to_string(hall.console.takeFocusRequest()) + " " + std::to_string(hall.fs.hasFile(kAltS)) + " ";
    if (fileGoneAt > 0) hall.fs.addTextFile(kAltS, "");
    while (hall.console.config().Bub2AltS && tick < 20) {
      hall.ticks(1);
      if (++tick == fileGoneAt) hall.fs.removeFile(kAltS);
    }
    EXPECT_EQ(shown + std::to_string(tick), expected) << ini;
  }
}

TEST(Console, TheLanguageIsSavedOnlyWhenItsTwoReadingsDiffer) {
  // The server answers the pings at creation in turn ("+": yes): the game kinds, then the two readings
  // of the language file (the share's "M" while it answers, else the local "A").
  struct Pings : test::FakeNetwork {
    std::string answers;
    bool Server_Ping(const std::string& name) override {
      FakeNetwork::Server_Ping(name);
      return pinged.size() > answers.size() || answers[pinged.size() - 1] == '+';
    }
  };
  // Answers, the INI refused; the language the captions and the settings take, what is saved.
  const std::tuple<const char*, bool, const char*> rows[] = {{"+++", false, "33"},
                                                             {"+--", false, "11"},
                                                             {"++-", false, "11Jezik=1"},
                                                             {"+-+", false, "33Jezik=3"},
                                                             {"++-", true, "11Unable to write"}};
  for (const auto& [answers, refused, expected] : rows) {
    test::FakePlatform p;
    p.fs.addTextFile("\\\\srv\\net\\cJezik.txt", "M");
    p.fs.addTextFile("cJezik.txt", "A");
    if (refused) p.fs.fail(FileOp::Write, kIni);
    Pings pings;
    pings.answers = answers;
    Console console(ConsoleServices{p.fs, p.clock, pings, p.shell, p.info, p.prompts, p.kProgram});
    console.FormCreate();
    std::smatch saved;  // in the INI file or, refused, in the error log
    const std::string written = p.fs.text(kIni) + p.fs.text("/opt/bingo/clientbingo.err");
    std::regex_search(written, saved, std::regex("Jezik=\\d|Unable to write"));
    EXPECT_EQ(
        std::to_string(console.captions().Jezik()) + std::to_string(console.config().Jezik) + saved.str(),
        expected);
  }
}

TEST(Console, OptionsSaveTheIniFileAndFollowTheirRules) {
  Hall hall;
  hall.start();
  hall.console.acBub_Bub2Enable();  // refused without LAN (the widgets' tests), but saved
  EXPECT_TRUE(hall.fs.hasFile(kIni));
  hall.console.acBub_LAN();
  EXPECT_TRUE(hall.console.screen().menu("mnuBub_AltS").visible &&
              hall.console.screen().menu("mnuBub_AltS").enabled);
  hall.console.acBub_Bub2Enable();
  EXPECT_TRUE(hall.console.FormCloseQuery());  // within the same timer period: no question
  hall.ticks(1);
  EXPECT_FALSE(hall.console.FormCloseQuery());  // No is the default answer
  hall.console.acHelp_HwInfoMemoryExecute();    // the memory info toggles the second-drum menu
  EXPECT_TRUE(hall.console.screen().menu("mnuBub").visible && hall.console.screen().menu("mnuBub").enabled);
  hall.console.acHelp_HwInfoMemoryExecute();
  EXPECT_FALSE(hall.console.screen().menu("mnuBub").visible);
  EXPECT_EQ(hall.prompts.asked.at(0) + "|" + hall.prompts.infos.at(0),
            "Izlaz iz programa?|AllocMemCount: 12\n\rAllocMemSize : 3456\n\r");

  // The camera options follow each other ("C": Cam2, "S": Show); only the camera switched on navigates.
  // After each: WBShow, the second camera checked, a navigation asked for.
  std::string cameras;
  for (const char action : std::string("CSCCCS")) {
    action == 'S' ? hall.console.acBub_WB_Show() : hall.console.acBub_WB_Cam2();
    hall.console.ActionListUpdate();
    cameras +=
        formatText("%d%d%d ", hall.console.config().WBShow,
                   hall.console.screen().menu("acBub_WB_Cam2").checked, hall.console.takeCameraNavigation());
  }
  EXPECT_EQ(cameras, "000 100 111 100 111 000 ");
  EXPECT_NE(hall.fs.text(kIni).find("Cam2=0"), std::string::npos);  // a refused save: the fault matrix
}

}  // namespace
}  // namespace bingo
