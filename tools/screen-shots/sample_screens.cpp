#include "sample_screens.h"

#include <array>
#include <string>
#include <vector>

#include "display/model/captions.h"
#include "display/model/number_board.h"
#include "display/model/ticket_panel.h"
#include "platform/folders.h"
#include "platform/text.h"

namespace bingo {

namespace {

void fillDiagnostics(ScreenModel& model, std::uint8_t Jezik) {
  model.setText("LblTest_Info_Win_Ver_Name", "Windows 6.1");
  model.setText("LblTest_Info_Win_Ver_Numb", "6 : 0");
  model.setText("LblTest_Info_Tk_Baza_File_Name", "1944");
  model.setText("LblTest_Info_Timer_Intrv", "100");
  model.setText("LblTest_Info_Timer_Count", "1234");
  model.setText("LblTest_Info_LAN_PCCL_TCIP", "192.168.1.21");
  model.setText("LblTest_Info_LAN_PCSR_Name", "bingoserver");
  model.setText("LblTest_Info_LAN_PCSR_Cont", "1 : 1234 : 0");
  model.setText("LblTest_Info_LAN_Net_Fold_Name", "\\\\bingoserver\\net");
  model.setText("LblTest_Info_LAN_Net_Frame_Name", "\\\\bingoserver\\net\\Frame.dat");
  model.setText("LblTest_Info_LAN_Net_Frame_Cont", "1234 : 0");
  model.setText("LblTest_Info_LAN_Net_Frame_Read", "0 : 0 : 0 : 0 : 0");
  model.setText("LblTest_Info_LAN_Net_Off3_Name", "\\\\bingoserver\\net\\Off1.txt");
  model.setText("LblTest_Info_LAN_Net_AltS_Name", "\\\\bingoserver\\net\\AltS.txt");
  model.setText("LblTest_Info_LAN_Net_cJez_Name", "\\\\bingoserver\\net\\cJezik.txt");
  model.setText("LblTest_Info_LAN_Net_cJez_Value", std::to_string(Jezik));
  model.setText("LblTest_Info_LAN_Net_Protokol_Value", "8");
  model.setText("LblTest_Info_LAN_Net_NovaSmena_Value", "0");
}

void fillStatusBar(ScreenModel& model, const char* kolo, const char* kind) {
  model.setStatusPanel(3, "31.10.15");
  model.setStatusPanel(4, "18:45:07");
  model.setStatusPanel(5, "1944");
  model.setStatusPanel(6, "HALA 1");
  model.setStatusPanel(7, kProgramVersion);
  model.setStatusPanel(8, kolo);
  model.setStatusPanel(9, kind);
}

// A ticket as the analysis leaves it.
TicketDisplay ticket(int number, const std::array<std::array<int, 5>, 3>& rows, const DrawnBalls& drawn) {
  TicketDisplay t;
  t.header = formatText("%4d", number);
  t.cells.fill("*");
  for (std::size_t r = 0; r < 3; ++r) {
    for (int x : rows[r]) {
      const auto column = static_cast<std::size_t>(x == 90 ? 9 : x / 10 + 1);
      t.cells[r * 9 + column - 1] = formatText("%2d", x);
      t.Hit[r * 9 + column - 1] = drawn[static_cast<std::size_t>(x)];
    }
  }
  return t;
}

}  // namespace

void fillZeroRecord(ScreenModel& model, std::uint8_t Jezik) {
  Captions captions;
  captions.setJezik(Jezik);
  model.setJezik(Jezik);
  setCaptionTexts(model, captions);
  model.setText("LabelCEN", formatText("%3.0f", 0.0));
  model.setText("LabelLinBin", captions.JezikText(61) + " " + captions.JezikText(7));
  model.memoClear();
  model.memoAdd(captions.JezikText(63));
  model.setVisible("PanelTK", false);
  const char* funds[] = {"JACK POT 1", "JACK POT 2", "BINGO 35", "BINGO 40", "BINGO 45", "BONUS"};
  for (int k = 1; k <= 6; ++k) model.setText(formatText("LabelFND%d_Label", k), funds[k - 1]);
  fillDiagnostics(model, Jezik);
  fillStatusBar(model, "", "JACK POT 1");
}

void fillLiveGame(ScreenModel& model, std::uint8_t Jezik, bool BlinkPhase) {
  fillZeroRecord(model, Jezik);
  Captions captions;
  captions.setJezik(Jezik);

  const std::vector<int> balls{7,  12, 19, 23, 25, 31, 34, 38, 41, 44, 47, 50, 52, 55, 58, 60, 63, 66, 69,
                               71, 73, 75, 77, 80, 82, 84, 86, 88, 90, 2,  5,  14, 16, 28, 36, 45, 61, 79};
  DrawnBalls drawn{};
  for (int ball : balls) drawn[static_cast<std::size_t>(ball)] = true;
  const auto set = [&](const char* name, std::int32_t value) { model.setText(name, NumberOrBlank(value)); };
  set("LabelLOP", 38);
  set("LabelMxL", 42);
  set("LabelKUG", 79);
  set("LabelKugLast00", 79);
  set("LabelKugLast01", 61);
  set("LabelKugLast02", 45);
  set("LabelKugLast03", 36);
  set("LabelBON", 5000);
  set("LabelBIN", 12400);
  set("LabelLN2", 1800);
  set("LabelLIN", 900);
  model.setText("LabelCEN", formatText("%3.0f", 20.0));
  set("LabelPRO", 1320);
  set("LabelVT", 1944);
  model.setText("LabelVI", "J1");
  set("LabelIgraProTk", 1320);
  const int ranges[][3] = {{1, 1, 600}, {2, 701, 1420}};
  for (int k = 1; k <= 2; ++k) {
    set(formatText("LabelProSer%d", k).c_str(), ranges[k - 1][0]);
    set(formatText("LabelProPoc%d", k).c_str(), ranges[k - 1][1]);
    set(formatText("LabelProEnd%d", k).c_str(), ranges[k - 1][2]);
  }
  const int funds[][2] = {{42, 151200}, {46, 30250}, {35, 12000}, {40, 8000}, {45, 4000}, {0, 0}};
  for (int k = 1; k <= 6; ++k) {
    set(formatText("LabelMxL%d", k).c_str(), funds[k - 1][0]);
    set(formatText("LabelFND%d", k).c_str(), funds[k - 1][1]);
  }
  const int rank[][2] = {{133, 1}, {907, 2}, {212, 2}, {1301, 3}, {45, 3}, {768, 3}};
  for (int k = 1; k <= 6; ++k) {
    set(formatText("LabelRLTk%d", k).c_str(), rank[k - 1][0]);
    set(formatText("LabelRLTk%dLop", k).c_str(), rank[k - 1][1]);
  }
  set("LabelRLTkWait1", 133);
  set("LabelRLTkWaitLop1", 1);
  set("LabelWaitLinCnt", 0);
  set("LabelWaitLinMin", 0);
  set("LabelWaitBinCnt", 1);
  set("LabelWaitBinMin", 1);
  model.setText("LabelTkKupPoc1", "101");
  model.setText("LabelTkKupEnd1", "140");
  set("LabelTkKupCount", 40);
  model.setText("LabelLinBin", captions.JezikText(61) + " BINGO");

  setNumberBoardFromRecord(model, drawn, 79, BlinkPhase);
  clearWaitedMarks(model);
  setWaitedMark(model, 67);
  recolourNumberBoard(model, BlinkPhase);

  BestTicketsView view{};
  view[0] = ticket(133, {{{7, 12, 34, 50, 90}, {2, 19, 41, 63, 80}, {14, 28, 55, 67, 86}}}, drawn);
  view[1] = ticket(117, {{{5, 23, 38, 60, 71}, {16, 25, 44, 58, 84}, {9, 31, 47, 66, 89}}}, drawn);
  view[2] = ticket(121, {{{1, 12, 35, 52, 77}, {8, 20, 45, 69, 88}, {14, 33, 57, 74, 81}}}, drawn);
  for (std::size_t slot = 3; slot < 6; ++slot) {
    view[slot].header = " ";
    view[slot].cells.fill(" ");
  }
  fillTicketPanel(model, view);
  model.setVisible("PanelTK", true);
  refreshTicketPanel(model, BlinkPhase, true);

  const std::string lineWin = captions.JezikText(49) + " " + captions.JezikText(92) + ": 117";
  model.memoClear();
  model.memoAdd("1 " + captions.JezikText(42) + " " + captions.JezikText(30) + " 1 " +
                captions.JezikText(65) + " za BINGO 133 " + captions.JezikText(95) + " 67");
  model.memoAdd(lineWin);
  model.setMemoBackground(kRed);
  model.setText("LblLIN", lineWin);
  model.setVisible("LblLIN", true);
  model.setVisible("LblBIN", true);
  model.setStatusPanel(12, lineWin);
  fillStatusBar(model, "17", "JACK POT 1");
}

}  // namespace bingo
