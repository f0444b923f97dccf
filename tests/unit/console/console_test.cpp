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
  EXPECT_EQ(hall.text("LabelFND1_Label"), "JACK POT 1");
  EXPECT_EQ(hall.console.config().FilesFrame, Hall::kFrameFile);
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
  EXPECT_EQ(hall.text("LabelKUG"), "23");
  EXPECT_EQ(hall.text("LabelKugLast00"), "23");
  EXPECT_EQ(hall.text("LabelCEN"), "120");
  EXPECT_EQ(hall.text("LabelLinBin"), "CEKA SE LINIJA");
  EXPECT_EQ(hall.text("LabelBON"), "");
  const CellState& last = hall.console.screen().boardCell(23);
  EXPECT_EQ(last.bg, (Rgb{224, 48, 48}));
  EXPECT_EQ(hall.console.screen().boardCell(5).bg, (Rgb{176, 48, 48}));
  EXPECT_EQ(hall.console.screen().boardCell(6).bg, (Rgb{160, 160, 164}));
  EXPECT_TRUE(hall.visible("PanelTK"));
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
  EXPECT_EQ(hall.text("LabelTkKupPoc1"), "10");
  EXPECT_EQ(hall.text("LabelTkKupEnd1"), "30");
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

TEST(Console, ALineWonOnABoughtTicketIsAnnounced) {
  Hall hall;
  // Ticket 1's first row holds 1, 3, 5, 7, 9.
  Record game = Record().sold(0, 1, 100).lop(4).drawn({1, 3, 5, 7}).kug(7);
  hall.frame(game);
  hall.start();
  hall.ticks(2);
  hall.console.EditKupEndExit("1", "1");
  hall.frame(game.lop(5).drawn({9}).kug(9));
  hall.ticks(2);
  EXPECT_TRUE(hall.visible("LblLIN"));
  EXPECT_EQ(hall.text("LblLIN"), "DOBILI STE LINIJU TIKET: 1");
  EXPECT_EQ(hall.console.screen().statusPanel(12), "DOBILI STE LINIJU TIKET: 1");
  EXPECT_EQ(hall.memo().back(), "DOBILI STE LINIJU TIKET: 1");
  EXPECT_EQ(hall.console.screen().memoBackground(), (Rgb{255, 0, 0}));
}

TEST(Console, ANewRoundClearsTheBoughtTickets) {
  Hall hall;
  hall.frame(Record().sold(0, 1, 100).lop(6).kolo(3));
  hall.start();
  hall.ticks(2);
  hall.console.EditKupEndExit("1", "9");
  hall.frame(Record().sold(0, 1, 100).lop(1).kolo(4));
  hall.ticks(2);
  EXPECT_EQ(hall.text("LabelTkKupCount"), "");
  EXPECT_EQ(hall.memo(), (std::vector<std::string>{"NOVO KOLO", "4", "Unesite kupljene tikete"}));
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

  // "WB Show" shows the page the browser had; only "WB_Cam" switched on goes to WBURL1.
  hall.console.config().WBCam2 = true;
  hall.console.acBub_WB_Show();
  EXPECT_FALSE(hall.console.takeCameraNavigation());
  EXPECT_TRUE(hall.console.screen().control("WebBrowser_Camera").visible);
  hall.console.acBub_WB_Cam2();
  hall.console.acBub_WB_Cam2();
  EXPECT_TRUE(hall.console.takeCameraNavigation());
  hall.console.acBub_WB_Show();
  EXPECT_FALSE(hall.console.screen().control("WebBrowser_Camera").visible);

  hall.fs.fail(FileOp::Write, "/opt/bingo/clientbingo.ini");
  try {
    hall.console.acBub_WB_Show();
    FAIL() << "a refused save must raise";
  } catch (const AppError& error) {
    EXPECT_STREQ(error.what(), "Unable to write to /opt/bingo/clientbingo.ini");
  }
  EXPECT_TRUE(hall.console.config().WBShow);
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

TEST(Console, TheIdlePassFillsTheStatusBar) {
  Hall hall;
  hall.start();
  hall.console.AppEventsIdle(true, false);
  hall.console.AppEventsHint("Exit|Quits the application");
  const ScreenModel& s = hall.console.screen();
  EXPECT_EQ(s.statusPanel(0), "Quits the application");
  EXPECT_EQ(s.statusPanel(1), "");
  EXPECT_EQ(s.statusPanel(2), "CAPS");
  EXPECT_EQ(s.statusPanel(3), "06.12.26");
  EXPECT_EQ(s.statusPanel(4), "09:30:15");
  EXPECT_EQ(s.statusPanel(5), "1944");
  EXPECT_EQ(s.statusPanel(7), "2.3.4-[151031]");
  EXPECT_EQ(s.statusPanel(9), "FIXNA 1");
}

}  // namespace
}  // namespace bingo
