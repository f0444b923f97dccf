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

TEST(Console, CreationLogsTheStartAndGreetsTheOperator) {
  Hall hall;
  hall.start();
  EXPECT_EQ(hall.fs.text("/opt/bingo/clientbingo.log"), "09:30:15:250 RUN Bingo /opt/bingo/clientbingo\r\n");
  EXPECT_EQ(hall.memo(), std::vector<std::string>{"Unesite kupljene tikete"});
  EXPECT_FALSE(hall.visible("LblLIN"));
  EXPECT_FALSE(hall.visible("LblBIN"));
  hall.console.FormDestroy(0, 0, 1024, 768);
  EXPECT_EQ(hall.fs.text("/opt/bingo/clientbingo.log"),
            "09:30:15:250 RUN Bingo /opt/bingo/clientbingo\r\n09:30:15:250 END Bingo\r\n");
}

TEST(Console, ATickShowsTheAcceptedRecord) {
  Hall hall;
  hall.frame(Record().lop(3).kug(23).price(120).drawn({5, 17, 23}).kolo(7));
  hall.start();
  hall.ticks(1);
  // The console update runs before the read; the next tick shows the record.
  EXPECT_EQ(hall.text("LabelLOP"), "");
  hall.ticks(1);
  EXPECT_EQ(hall.text("LabelLOP"), "3");
  EXPECT_EQ(hall.text("LblTest_Info_LAN_PCSR_Cont"), "1 : 2 : 0");
}

TEST(Console, AnEmptyRecordShowsBlanksButThePrice) {
  Hall hall;
  hall.frame(Record());
  hall.start();
  hall.ticks(2);
  for (const char* label : {"LabelLOP", "LabelKUG", "LabelMxL", "LabelPRO", "LabelRLTk1", "LabelProPoc1"})
    EXPECT_EQ(hall.text(label), "") << label;
  EXPECT_EQ(hall.text("LabelCEN"), "  0");
  EXPECT_FALSE(hall.visible("PanelTK"));
}

TEST(Console, AnUnreachableServerIsNeverReadButItsCommandsAreObeyed) {
  Hall hall;
  hall.network.reachable = false;
  hall.fs.addTextFile("\\\\srv\\net\\Off2.txt", "");
  hall.start();
  hall.ticks(99);
  EXPECT_EQ(hall.shell.terminations, 0);
  EXPECT_EQ(hall.console.frameFile().FrameFailCount, 0);
  hall.ticks(1);
  EXPECT_EQ(hall.shell.terminations, 1);
  EXPECT_EQ(hall.text("LblTest_Info_LAN_PCSR_Cont"), "0 : 0 : 100");
}

TEST(Console, AMissingFrameFileStopsTheCommandChecks) {
  Hall hall;
  hall.fs.addTextFile("\\\\srv\\net\\Off2.txt", "");
  hall.start();
  hall.ticks(100);
  EXPECT_EQ(hall.shell.terminations, 0);
  EXPECT_EQ(hall.console.frameFile().FrameMissingCount, 100);
  EXPECT_EQ(hall.text("LblTest_Info_LAN_Net_Frame_Read"), "100 : 0 : 0 : 0 : 0");
}

TEST(Console, EnteredRangesAreListedCountedAndCharged) {
  Hall hall;
  hall.frame(Record().price(100).sold(0, 1, 500));
  hall.start();
  hall.ticks(2);
  hall.console.EditKupEndExit("10", "20");
  hall.console.EditKupEndExit("15", "30");
  EXPECT_EQ(hall.text("LabelTkKupCount"), "21");
  EXPECT_EQ(hall.text("LabelTkKupUplata"), "2100");
  EXPECT_EQ(hall.memo().back(), "U: 15 30");
  EXPECT_TRUE(hall.console.takeFocusRequest());
  EXPECT_THROW(hall.console.EditKupEndExit("1x", "5"), AppError);
  EXPECT_EQ(hall.text("LabelTkKupCount"), "21");
}

TEST(Console, RangeDeletionAsksTwiceAndRefusesAReversedRange) {
  Hall hall;
  hall.frame(Record().sold(0, 1, 500));
  hall.start();
  hall.ticks(2);
  hall.console.EditKupEndExit("10", "30");
  hall.prompts.answers = {"20", "10"};
  hall.console.acTK_Kup_BrisiExecute();
  EXPECT_EQ(hall.prompts.errors.size(), 1u);
  EXPECT_EQ(hall.text("LabelTkKupCount"), "21");
  hall.prompts.answers = {"0", "12", "99999", "25"};
  hall.console.acTK_Kup_BrisiExecute();
  EXPECT_EQ(hall.prompts.asked, (std::vector<std::string>{"OD", "DO", "OD", "OD", "DO", "DO"}));
  EXPECT_EQ(hall.text("LabelTkKupEnd1"), "11");
  EXPECT_EQ(hall.text("LabelTkKupPoc2"), "26");
  EXPECT_EQ(hall.text("LabelTkKupCount"), "7");
}

TEST(Console, TheEntryLimitClearsTooFewTickets) {
  Hall hall;
  hall.frame(Record().sold(0, 1, 500));
  hall.start();
  hall.console.config().UnosLimit = 5;
  hall.console.EditKupEndExit("1", "3");
  hall.ticks(100);
  EXPECT_EQ(hall.text("LabelTkKupCount"), "3");
  hall.ticks(1);
  EXPECT_EQ(hall.text("LabelTkKupCount"), "");
  EXPECT_EQ(hall.memo().back(), "<5");
}

TEST(Console, ABingoBlinksStaysThroughTheNewRoundAndEndsWithItsFirstBalls) {
  Hall hall;
  const auto round = [](int kolo, int lop) { return Record().sold(0, 1, 100).kolo(kolo).lop(lop); };
  hall.frame(round(3, 4).drawn({1, 3, 5, 7}));
  hall.start();
  hall.ticks(2);
  hall.console.EditKupEndExit("1", "1");
  // Ticket 1's fifteen numbers.
  hall.frame(round(3, 15).drawn({1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29}));
  const auto blinks = [&](int n) {
    for (int i = 0; i < n; ++i) {
      hall.ticks(1);
      const bool shown = std::stoi(hall.text("LblTest_Info_Timer_Count")) % 4 != 0;
      EXPECT_EQ(hall.visible("LblBIN"), shown) << hall.text("LblTest_Info_Timer_Count");
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
  EXPECT_EQ(hall.memo().back(), "DOBILI STE BINGO TIKET: 1");
  EXPECT_EQ(hall.console.screen().statusPanel(12), "DOBILI STE BINGO TIKET: 1");
  blinks(4);
  EXPECT_EQ(hall.memo(), (std::vector<std::string>{"NOVO KOLO", "4", "Unesite kupljene tikete"}));
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
  EXPECT_EQ(hall.memo().back(), "U: 1 1");
  EXPECT_EQ(hall.text("LabelLOP"), "6");
  hall.network.reachable = true;
  hall.ticks(1);
  EXPECT_EQ(hall.memo().front(), "1 TIKETA Ceka 10 LOPT za BINGO 1 Ceka  LOPTA 9 LINIJA ");
}

TEST(Console, AltSRaisesTheSecondDrumSignalForItsTicks) {
  constexpr const char* kAltS = "\\\\srv\\net\\AltS.txt";
  struct Row {
    const char* what;
    const char* ini;     // besides the defaults
    bool enableEarlier;  // Bub2 Enable in an earlier timer period
    bool enableNow;      // Bub2 Enable in the same period as Alt S
    int fileGoneAt;      // the share holds AltS.txt until this tick (0: never)
    bool focus, fileMade;
    int droppedAt;  // TimerCount of the tick that drops the signal
  };
  const Row rows[] = {
      {"enabled earlier: only the focus moves; no file, dropped at the 5th tick", "[Bub2]\r\nLAN=1\r\n", true,
       false, 0, true, false, 5},
      {"kept while the server has not taken the file", "[Bub2]\r\nLAN=1\r\n", true, false, 7, true, false,
       10},
      {"enabled in the same period over LAN: the file, one tick", "[Bub2]\r\nLAN=1\r\n", false, true, 0,
       false, true, 1},
      {"RS232 without LAN: ten ticks", "[Bub2]\r\nEnabled=1\r\nRS232=1\r\n", false, false, 99, false, false,
       10},
      {"RS232 and LAN: one tick", "[Bub2]\r\nEnabled=1\r\nRS232=1\r\nLAN=1\r\n", false, false, 99, false,
       true, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Hall hall;
    hall.fs.addTextFile("/opt/bingo/clientbingo.ini", row.ini);
    hall.frame(Record());
    hall.start();
    int tick = 0;
    if (row.enableEarlier) {
      hall.console.acBub_Bub2Enable();
      hall.ticks(1);
      tick = 1;
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
  struct Row {
    std::vector<bool> answers;
    bool refused;
    int jezik;
    const char* ini;
  };
  const Row rows[] = {
      {{true, true, true}, false, 3, nullptr},
      {{true, false, false}, false, 1, nullptr},
      {{true, true, false}, false, 1, "[Jezik]\r\nJezik=1\r\n"},
      {{true, false, true}, false, 3, "[Jezik]\r\nJezik=3\r\n"},
      {{true, true, false}, true, 1, nullptr},
  };
  for (const Row& row : rows) {
    test::FakePlatform p;
    p.fs.addTextFile("\\\\srv\\net\\cJezik.txt", "M");
    p.fs.addTextFile("cJezik.txt", "A");
    if (row.refused) p.fs.fail(FileOp::Write, "/opt/bingo/clientbingo.ini");
    Pings pings;
    pings.answers = row.answers;
    Console console(ConsoleServices{p.fs, p.clock, pings, p.shell, p.info, p.prompts, p.kProgram});
    console.FormCreate();
    EXPECT_EQ(console.captions().Jezik(), row.jezik);
    EXPECT_EQ(console.config().Jezik, row.jezik);
    const std::string ini = p.fs.text("/opt/bingo/clientbingo.ini");
    EXPECT_EQ(ini.find(row.ini ? row.ini : "[Jezik]") != std::string::npos, row.ini != nullptr) << ini;
    EXPECT_EQ(p.fs.text("/opt/bingo/clientbingo.err").find("Unable to write") != std::string::npos,
              row.refused);
  }
}

TEST(Console, OptionsSaveTheIniFileAndFollowTheirRules) {
  Hall hall;
  hall.start();
  hall.console.acBub_Bub2Enable();
  EXPECT_FALSE(hall.console.config().Bub2Enabled);
  EXPECT_TRUE(hall.fs.hasFile("/opt/bingo/clientbingo.ini"));
  hall.console.acBub_LAN();
  EXPECT_TRUE(hall.console.screen().menu("mnuBub_AltS").visible);
  hall.console.acBub_Bub2Enable();
  EXPECT_TRUE(hall.console.FormCloseQuery());  // within the same timer period: no question
  EXPECT_TRUE(hall.prompts.asked.empty());
  hall.ticks(1);
  EXPECT_FALSE(hall.console.FormCloseQuery());  // No is the default answer
  EXPECT_EQ(hall.prompts.asked, std::vector<std::string>{"Izlaz iz programa?"});

  hall.fs.fail(FileOp::Write, "/opt/bingo/clientbingo.ini");
  try {
    hall.console.acBub_WB_Show();
    FAIL() << "a refused save must raise";
  } catch (const AppError& error) {
    EXPECT_STREQ(error.what(), "Unable to write to /opt/bingo/clientbingo.ini");
  }
  EXPECT_TRUE(hall.console.config().WBShow);
}

TEST(Console, TheCameraOptionsFollowEachOther) {
  Hall hall;
  hall.start();
  struct Row {
    void (Console::*action)();
    bool show, cam2, navigates;
  };
  const Row rows[] = {
      {&Console::acBub_WB_Cam2, false, false, false},  // no second camera without the first
      {&Console::acBub_WB_Show, true, false, false},   // showing keeps the page it had
      {&Console::acBub_WB_Cam2, true, true, true},     // only the camera switched on navigates
      {&Console::acBub_WB_Cam2, true, false, false},  {&Console::acBub_WB_Cam2, true, true, true},
      {&Console::acBub_WB_Show, false, false, false},
  };
  for (const Row& row : rows) {
    (hall.console.*row.action)();
    hall.console.ActionListUpdate();
    EXPECT_EQ(hall.console.config().WBShow, row.show);
    EXPECT_EQ(hall.console.screen().menu("acBub_WB_Cam2").checked, row.cam2);
    EXPECT_EQ(hall.console.takeCameraNavigation(), row.navigates);
  }
  EXPECT_NE(hall.fs.text("/opt/bingo/clientbingo.ini").find("Cam2=0"), std::string::npos);
}

TEST(Console, TheMemoryInfoTogglesTheSecondDrumMenu) {
  Hall hall;
  hall.start();
  hall.console.acHelp_HwInfoMemoryExecute();
  EXPECT_TRUE(hall.console.screen().menu("mnuBub").visible);
  EXPECT_TRUE(hall.console.screen().menu("mnuBub").enabled);
  hall.console.acHelp_HwInfoMemoryExecute();
  EXPECT_FALSE(hall.console.screen().menu("mnuBub").visible);
  EXPECT_EQ(hall.prompts.infos.front(), "AllocMemCount: 12\n\rAllocMemSize : 3456\n\r");
}

TEST(Console, TheHintLineShowsTheLongHint) {
  Hall hall;
  hall.start();
  hall.console.AppEventsHint("Exit|Quits the application");
  EXPECT_EQ(hall.console.screen().statusPanel(0), "Quits the application");
  hall.console.AppEventsHint("no bar");
  EXPECT_EQ(hall.console.screen().statusPanel(0), "no bar");
}

}  // namespace
}  // namespace bingo
