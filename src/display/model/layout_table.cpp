#include <algorithm>
#include <string_view>

#include "display/model/screen_layout.h"
#include "platform/text.h"

namespace bingo {

namespace {

constexpr const char* kInfo = "PanelTablaInformaciona";
constexpr const char* kFunds = "PanelTablaFondovi";
constexpr const char* kSold = "PanelTablaProdatiTiketi";
constexpr const char* kRank = "PanelTablaRangLista";
constexpr const char* kWait = "PanelWait";
constexpr const char* kGame = "PanelIgra";
constexpr const char* kBoard = "PanelTablaCifarska";
constexpr const char* kBall = "PanelKugla";
constexpr const char* kEntry = "PanelTkUnos";
constexpr const char* kBought = "PanelTKkup1";
constexpr const char* kTickets = "PanelTK";
constexpr const char* kInfoMemo = "PanelINFO";

// Value fields carry the hint of the sold count, except the ball counts and the last ball.
constexpr const char* kHintSold = "Broj prodatih tiketa";
constexpr const char* kHintBalls = "Broj izvucenih loptica";
constexpr const char* kHintLastBall = "Poslednja izvucena loptica";

constexpr ControlSpec ctl(const char* name, const char* parent, Rect rect, Look look) {
  ControlSpec entry;
  entry.name = name;
  entry.parent = parent;
  entry.rect = rect;
  entry.look = look;
  return entry;
}

// Every board: a panel with a raised inner and a lowered outer bevel and a single border.
constexpr Look panel(Rgb bg) {
  return {ControlKind::Panel, FontFace::SansSerif, kDefaultFontPx, false, kBlack, bg, Edge::Board, true};
}
// Titles and field names: yellow bold on black in the YUSCII font, centred.
constexpr Look title(int px) {
  return {ControlKind::Label, FontFace::Yuscii, px, true, kYellow, kBlack, Edge::None, true};
}
// Value fields: static texts without border, centred, Arial on the light 3-D colour.
constexpr Look value(int px, Rgb fg, bool bold = true) {
  return {ControlKind::StaticText, FontFace::Arial, px, bold, fg, k3DLight, Edge::None, true};
}
// Rank-list values in the window's font.
constexpr Look rankValue(Rgb fg, bool bold = true) {
  return {ControlKind::StaticText, FontFace::SansSerif, kDefaultFontPx, bold, fg, k3DLight, Edge::None, true};
}
// The fixed row numbers "1".."6" of the sold ranges and the rank list.
constexpr Look rowNumber() {
  return {ControlKind::Label, FontFace::SansSerif, kDefaultFontPx, true, kYellow, kGray, Edge::None, true};
}
constexpr Look waitCell(Edge edge = Edge::None) {
  return {ControlKind::StaticText, FontFace::Arial, 13, true, kBlack, kMedGray, edge, true};
}
constexpr Look gameValue(bool bold) {
  return {ControlKind::StaticText, FontFace::Arial, 11, bold, kBlack, kMedGray, Edge::None, true};
}
constexpr Look lastBall() {
  return {ControlKind::StaticText, FontFace::Arial, 112, true, kBlack, k3DLight, Edge::SunkenLowered, true};
}
constexpr Look edit() {
  return {ControlKind::Edit, FontFace::Arial, 21, true, kBlue, kWhite, Edge::Sunken, false};
}
constexpr Look checkBox() {
  return {
      ControlKind::CheckBox, FontFace::SansSerif, kDefaultFontPx, false, kBlack, kBtnFace, Edge::None, false};
}
constexpr Look banner() {
  return {ControlKind::StaticText, FontFace::Yuscii, 16, true, kBlack, kBtnFace, Edge::SunkenSoft, true};
}
constexpr Look memo() {
  return {ControlKind::Memo, FontFace::Yuscii, 15, false, kBlack, kWhite, Edge::Sunken, true};
}
constexpr Look browser() {
  return {ControlKind::Browser, FontFace::SansSerif, kDefaultFontPx, false, kBlack, kWhite};
}
constexpr Look winBox() {
  return {ControlKind::StaticText, FontFace::Yuscii, 27, true, kBlack, kRed, Edge::SingleSoft, true};
}
constexpr Look diagnostic(bool bold) {
  return {ControlKind::StaticText,
          FontFace::SansSerif,
          kDefaultFontPx,
          bold,
          kBlack,
          kBtnFace,
          Edge::None,
          false};
}

// clang-format off
constexpr ControlSpec kLayout[] = {

    // Information board.
    ctl("PanelTablaInformaciona", kClientArea, {0, 0, 210, 172}, panel(kGray)).withHint("INFORMACIONA TABLA"),
    ctl("LabelTitleTablaInformativna", kInfo, {2, 4, 203, 18}, title(15)).withCaption(2),
    ctl("LabelCEN_Label", kInfo, {5, 24, 95, 15}, title(12)).withCaption(3),
    ctl("LabelCEN", kInfo, {5, 36, 95, 20}, value(16, kRed)).withHint(kHintSold),
    ctl("LabelPRO_Label", kInfo, {5, 54, 95, 15}, title(9)).withCaption(4),
    ctl("LabelPRO", kInfo, {5, 68, 95, 20}, value(16, kGreen)).withHint(kHintSold),
    ctl("LabelMxL_Label", kInfo, {5, 86, 95, 15}, title(12)).withCaption(6),
    ctl("LabelMxL", kInfo, {5, 100, 95, 31}, value(27, kRed)).withHint(kHintBalls),
    ctl("LabelBON_Label", kInfo, {5, 134, 95, 15}, title(12)).withCaption(9),
    ctl("LabelBON", kInfo, {5, 146, 95, 20}, value(16, kRed)).withHint(kHintSold),
    ctl("LabelLOP_Label", kInfo, {105, 24, 95, 15}, title(9)).withCaption(5),
    ctl("LabelLOP", kInfo, {105, 36, 95, 31}, value(27, kGreen)).withHint(kHintBalls),
    ctl("LabelLIN_Label", kInfo, {105, 66, 95, 15}, title(12)).withCaption(7),
    ctl("LabelLIN", kInfo, {105, 81, 95, 20}, value(16, kGreen)).withHint(kHintSold),
    ctl("LabelLN2_Label", kInfo, {105, 98, 95, 15}, title(12)).withText("LINIJA 2"),
    ctl("LabelLN2", kInfo, {105, 112, 95, 20}, value(16, kGreen)).withHint(kHintSold),
    ctl("LabelBIN_Label", kInfo, {105, 134, 95, 15}, title(12)).withText("BINGO"),
    ctl("LabelBIN", kInfo, {105, 146, 95, 20}, value(16, kGreen)).withHint(kHintSold),

    // Funds board.
    ctl("PanelTablaFondovi", kClientArea, {0, 168, 210, 129}, panel(kGray)).withHint("TABLA FONDOVA"),
    ctl("LabelTitleTablaFond", kFunds, {2, 4, 203, 18}, title(15)).withCaption(10),
    ctl("LabelFND1_Label", kFunds, {10, 24, 110, 18}, title(11)),
    ctl("LabelFND1", kFunds, {120, 24, 55, 18}, value(13, kRed)).withHint(kHintSold),
    ctl("LabelMxL1", kFunds, {174, 24, 24, 18}, value(13, kGreen)).withHint(kHintSold),
    ctl("LabelFND2_Label", kFunds, {10, 40, 110, 18}, title(11)),
    ctl("LabelFND2", kFunds, {120, 40, 55, 18}, value(13, kRed)).withHint(kHintSold),
    ctl("LabelMxL2", kFunds, {174, 40, 24, 18}, value(13, kGreen)).withHint(kHintSold),
    ctl("LabelFND3_Label", kFunds, {10, 56, 110, 18}, title(11)),
    ctl("LabelFND3", kFunds, {120, 56, 55, 18}, value(13, kRed)).withHint(kHintSold),
    ctl("LabelMxL3", kFunds, {174, 56, 24, 18}, value(13, kGreen)).withHint(kHintSold),
    ctl("LabelFND4_Label", kFunds, {10, 72, 110, 18}, title(11)),
    ctl("LabelFND4", kFunds, {120, 72, 55, 18}, value(13, kRed)).withHint(kHintSold),
    ctl("LabelMxL4", kFunds, {174, 72, 24, 18}, value(13, kGreen)).withHint(kHintSold),
    ctl("LabelFND5_Label", kFunds, {10, 88, 110, 18}, title(11)),
    ctl("LabelFND5", kFunds, {120, 88, 55, 18}, value(13, kRed)).withHint(kHintSold),
    ctl("LabelMxL5", kFunds, {174, 88, 24, 18}, value(13, kGreen)).withHint(kHintSold),
    ctl("LabelFND6_Label", kFunds, {10, 104, 110, 18}, title(11)),
    ctl("LabelFND6", kFunds, {120, 104, 55, 18}, value(13, kRed)).withHint(kHintSold),
    ctl("LabelMxL6", kFunds, {174, 104, 24, 18}, value(13, kGreen)).withHint(kHintSold),

    // Sold-ticket ranges.
    ctl("PanelTablaProdatiTiketi", kClientArea, {0, 296, 210, 145}, panel(kGray)).withHint("TABLA PRODATIH TIKETA"),
    ctl("LabelTitleProdatiTiketi", kSold, {2, 4, 203, 18}, title(15)).withCaption(22),
    ctl("LabelProSer_Label", kSold, {10, 24, 44, 15}, title(9)).withCaption(23),
    ctl("LabelProPoc_Label", kSold, {60, 24, 70, 15}, title(9)).withCaption(24),
    ctl("LabelProEnd_Label", kSold, {130, 24, 70, 15}, title(9)).withCaption(25),
    ctl("LabelPro1_Label", kSold, {10, 40, 17, 17}, rowNumber()).withText("1"),
    ctl("LabelProSer1", kSold, {24, 40, 30, 17}, value(11, kGreen, false)).withHint(kHintSold),
    ctl("LabelProPoc1", kSold, {60, 40, 71, 17}, value(13, kRed)).withHint(kHintSold),
    ctl("LabelProEnd1", kSold, {130, 40, 71, 17}, value(13, kRed)).withHint(kHintSold),
    ctl("LabelPro2_Label", kSold, {10, 56, 17, 17}, rowNumber()).withText("2"),
    ctl("LabelProSer2", kSold, {24, 56, 30, 17}, value(11, kGreen, false)).withHint(kHintSold),
    ctl("LabelProPoc2", kSold, {60, 56, 71, 17}, value(13, kRed)).withHint(kHintSold),
    ctl("LabelProEnd2", kSold, {130, 56, 71, 17}, value(13, kRed)).withHint(kHintSold),
    ctl("LabelPro3_Label", kSold, {10, 72, 17, 17}, rowNumber()).withText("3"),
    ctl("LabelProSer3", kSold, {24, 72, 30, 17}, value(11, kGreen, false)).withHint(kHintSold),
    ctl("LabelProPoc3", kSold, {60, 72, 71, 17}, value(13, kRed)).withHint(kHintSold),
    ctl("LabelProEnd3", kSold, {130, 72, 71, 17}, value(13, kRed)).withHint(kHintSold),
    ctl("LabelPro4_Label", kSold, {10, 88, 17, 17}, rowNumber()).withText("4"),
    ctl("LabelProSer4", kSold, {24, 88, 30, 17}, value(11, kGreen, false)).withHint(kHintSold),
    ctl("LabelProPoc4", kSold, {60, 88, 71, 17}, value(13, kRed)).withHint(kHintSold),
    ctl("LabelProEnd4", kSold, {130, 88, 71, 17}, value(13, kRed)).withHint(kHintSold),
    ctl("LabelPro5_Label", kSold, {10, 104, 17, 17}, rowNumber()).withText("5"),
    ctl("LabelProSer5", kSold, {24, 104, 30, 17}, value(11, kGreen, false)).withHint(kHintSold),
    ctl("LabelProPoc5", kSold, {60, 104, 71, 17}, value(13, kRed)).withHint(kHintSold),
    ctl("LabelProEnd5", kSold, {130, 104, 71, 17}, value(13, kRed)).withHint(kHintSold),
    ctl("LabelPro6_Label", kSold, {10, 120, 17, 17}, rowNumber()).withText("6"),
    ctl("LabelProSer6", kSold, {24, 120, 30, 17}, value(11, kGreen, false)).withHint(kHintSold),
    ctl("LabelProPoc6", kSold, {60, 120, 71, 17}, value(13, kRed)).withHint(kHintSold),
    ctl("LabelProEnd6", kSold, {130, 120, 71, 17}, value(13, kRed)).withHint(kHintSold),

    // Rank list, waiting tickets and the last balls.
    ctl("PanelTablaRangLista", kClientArea, {0, 440, 210, 145}, panel(kGray)).withHint("TABLA RANG LISTA TIKETA"),
    ctl("LabelTitleRangLista", kRank, {2, 4, 203, 18}, title(15)).withCaption(26),
    ctl("LabelRangListaTk_Label", kRank, {10, 24, 85, 15}, title(9)).withCaption(27),
    ctl("LabelRangListaTkCount_Label", kRank, {120, 24, 75, 15}, title(9)).withCaption(28),
    ctl("LabelRangListaLastLop_Label", kRank, {115, 104, 81, 15}, title(9)).withCaption(29),
    ctl("LabelRL1", kRank, {10, 40, 17, 17}, rowNumber()).withText("1"),
    ctl("LabelRLTk1", kRank, {25, 40, 51, 17}, rankValue(kRed)).withHint(kHintSold),
    ctl("LabelRLTk1Lop", kRank, {75, 40, 21, 17}, rankValue(kGreen)).withHint(kHintSold),
    ctl("LabelRL2", kRank, {10, 56, 17, 17}, rowNumber()).withText("2"),
    ctl("LabelRLTk2", kRank, {25, 56, 51, 17}, rankValue(kRed)).withHint(kHintSold),
    ctl("LabelRLTk2Lop", kRank, {75, 56, 21, 17}, rankValue(kGreen)).withHint(kHintSold),
    ctl("LabelRL3", kRank, {10, 72, 17, 17}, rowNumber()).withText("3"),
    ctl("LabelRLTk3", kRank, {25, 72, 51, 17}, rankValue(kRed)).withHint(kHintSold),
    ctl("LabelRLTk3Lop", kRank, {75, 72, 21, 17}, rankValue(kGreen)).withHint(kHintSold),
    ctl("LabelRL4", kRank, {10, 88, 17, 17}, rowNumber()).withText("4"),
    ctl("LabelRLTk4", kRank, {25, 88, 51, 17}, rankValue(kRed)).withHint(kHintSold),
    ctl("LabelRLTk4Lop", kRank, {75, 88, 21, 17}, rankValue(kGreen)).withHint(kHintSold),
    ctl("LabelRL5", kRank, {10, 104, 17, 17}, rowNumber()).withText("5"),
    ctl("LabelRLTk5", kRank, {25, 104, 51, 17}, rankValue(kRed)).withHint(kHintSold),
    ctl("LabelRLTk5Lop", kRank, {75, 104, 21, 17}, rankValue(kGreen)).withHint(kHintSold),
    ctl("LabelRL6", kRank, {10, 120, 17, 17}, rowNumber()).withText("6"),
    ctl("LabelRLTk6", kRank, {25, 120, 51, 17}, rankValue(kRed)).withHint(kHintSold),
    ctl("LabelRLTk6Lop", kRank, {75, 120, 21, 17}, rankValue(kGreen)).withHint(kHintSold),
    ctl("LabelRLTkWait1", kRank, {135, 40, 41, 17}, rankValue(kRed)).withHint(kHintSold),
    ctl("LabelRLTkWaitLop1", kRank, {175, 40, 20, 17}, rankValue(kGreen)).withHint(kHintSold),
    ctl("LabelRLTkWait2", kRank, {135, 56, 41, 17}, rankValue(kRed)).withHint(kHintSold),
    ctl("LabelRLTkWaitLop2", kRank, {175, 56, 20, 17}, rankValue(kGreen)).withHint(kHintSold),
    ctl("LabelRLTkWait3", kRank, {135, 72, 41, 17}, rankValue(kRed)).withHint(kHintSold),
    ctl("LabelRLTkWaitLop3", kRank, {175, 72, 20, 17}, rankValue(kGreen)).withHint(kHintSold),
    ctl("LabelKugLast03", kRank, {115, 120, 21, 17}, rankValue(kRed, false)).withHint(kHintSold),
    ctl("LabelKugLast02", kRank, {135, 120, 21, 17}, rankValue(kGreen, false)).withHint(kHintSold),
    ctl("LabelKugLast01", kRank, {155, 120, 21, 17}, rankValue(kOlive, false)).withHint(kHintSold),
    ctl("LabelKugLast00", kRank, {175, 120, 21, 17}, rankValue(kGreen, false)).withHint(kHintSold),

    // Waiting counts of the bought tickets.
    ctl("PanelWait", kClientArea, {0, 584, 101, 81}, panel(kBtnFace)),
    ctl("LabelTitleWait", kWait, {6, 4, 80, 15}, title(12)).withCaption(30),
    ctl("LabelWaitTiketa_Label", kWait, {6, 24, 58, 15}, title(9)).withText("Tiketa"),
    ctl("LabelWaitCeka_Label", kWait, {62, 24, 24, 15}, title(9)).withCaption(30),
    ctl("LabelWaitLin", kWait, {6, 40, 26, 17}, waitCell()).withText("LIN"),
    ctl("LabelWaitLinCnt", kWait, {31, 40, 32, 17}, waitCell(Edge::RaisedLowered)),
    ctl("LabelWaitLinMin", kWait, {62, 40, 24, 17}, waitCell()),
    ctl("LabelWaitBin", kWait, {6, 56, 26, 17}, waitCell()).withText("BIN"),
    ctl("LabelWaitBinCnt", kWait, {31, 56, 32, 17}, waitCell(Edge::RaisedLowered)),
    ctl("LabelWaitBinMin", kWait, {62, 56, 24, 17}, waitCell()),

    // Game kind, sold count and ticket base size.
    ctl("PanelIgra", kClientArea, {101, 584, 110, 81}, panel(kBtnFace)),
    ctl("LabelTitleIgra", kGame, {6, 4, 76, 15}, title(12)).withCaption(33),
    ctl("LabelIgraVI_Label", kGame, {5, 24, 41, 15}, title(9)).withCaption(33),
    ctl("LabelVI", kGame, {40, 24, 41, 15}, gameValue(true)),
    ctl("LabelIgraPro_Label", kGame, {5, 40, 41, 15}, title(9)).withCaption(4),
    ctl("LabelIgraProTk", kGame, {40, 40, 41, 15}, gameValue(false)),
    ctl("LabelIgraVT_Label", kGame, {5, 56, 41, 15}, title(9)).withText("BAZA"),
    ctl("LabelVT", kGame, {40, 56, 41, 15}, gameValue(true)),

    // Number board; its 90 cells are built by the board itself.
    ctl("PanelTablaCifarska", kClientArea, {210, 0, 312, 227}, panel(kBlack)).withHint("CIFARSKA TABLA"),

    // Last drawn ball.
    ctl("PanelKugla", kClientArea, {210, 224, 312, 145}, panel(kBtnFace)).withHint(kHintLastBall),
    ctl("LabelTitleKugla", kBall, {70, 4, 150, 15}, title(15)).withCaption(37),
    ctl("LabelKUG", kBall, {70, 18, 150, 119}, lastBall()).withHint(kHintLastBall),

    // Ticket range entry.
    ctl("PanelTkUnos", kClientArea, {210, 368, 312, 72}, panel(kBtnFace)).withHint("UNOS VASIH TIKETA"),
    ctl("LabelTitleUnos", kEntry, {70, 2, 150, 15}, title(16)).withCaption(38),
    ctl("LabelUnosPoc_Label", kEntry, {70, 18, 70, 17}, title(16)).withCaption(39),
    ctl("LabelUnosEnd_Label", kEntry, {150, 18, 70, 17}, title(16)).withCaption(40),
    ctl("EditKupPoc", kEntry, {70, 35, 70, 28}, edit()).withMaxLength(5).withHint("Pocetni prodati tiket (od)"),
    ctl("EditKupEnd", kEntry, {150, 35, 70, 28}, edit()).withMaxLength(5).withHint("Poslednji prodati tiket (do)"),

    // Tickets bought at this console.
    ctl("PanelTKkup1", kClientArea, {210, 440, 312, 225}, panel(kBtnFace)).withHint("Uneti tiketi"),
    ctl("LabelTitleTKkup1", kBought, {70, 4, 150, 15}, title(15)).withCaption(41),
    ctl("LabelTkKupPoc1", kBought, {70, 20, 70, 20}, value(16, kRed)),
    ctl("LabelTkKupEnd1", kBought, {150, 20, 70, 20}, value(16, kRed)),
    ctl("LabelTkKupPoc2", kBought, {70, 38, 70, 20}, value(16, kRed)),
    ctl("LabelTkKupEnd2", kBought, {150, 38, 70, 20}, value(16, kRed)),
    ctl("LabelTkKUpPoc3", kBought, {70, 56, 70, 20}, value(16, kRed)),
    ctl("LabelTkKupEnd3", kBought, {150, 56, 70, 20}, value(16, kRed)),
    ctl("LabelTkKupPoc4", kBought, {70, 74, 70, 20}, value(16, kRed)),
    ctl("LabelTkKupEnd4", kBought, {150, 74, 70, 20}, value(16, kRed)),
    ctl("LabelTkKupPoc5", kBought, {70, 92, 70, 20}, value(16, kRed)),
    ctl("LabelTkKupEnd5", kBought, {150, 92, 70, 20}, value(16, kRed)),
    ctl("LabelTkKupPoc6", kBought, {70, 110, 70, 20}, value(16, kRed)),
    ctl("LabelTkKupEnd6", kBought, {150, 110, 70, 20}, value(16, kRed)),
    ctl("LabelTkKupPoc7", kBought, {70, 128, 70, 20}, value(16, kRed)),
    ctl("LabelTkKupEnd7", kBought, {150, 128, 70, 20}, value(16, kRed)),
    ctl("LabelTkKupPoc8", kBought, {70, 146, 70, 20}, value(16, kRed)),
    ctl("LabelTkKupEnd8", kBought, {150, 146, 70, 20}, value(16, kRed)),
    ctl("LabelTkKupPoc9", kBought, {70, 164, 70, 20}, value(16, kRed)),
    ctl("LabelTkKupEnd9", kBought, {150, 164, 70, 20}, value(16, kRed)),
    ctl("LabelTkKupPoc10", kBought, {70, 182, 70, 20}, value(16, kRed)),
    ctl("LabelTkKupEnd10", kBought, {150, 182, 70, 20}, value(16, kRed)),
    ctl("LabelTkKupUkupno", kBought, {225, 4, 80, 15}, title(12)).withCaption(42),
    ctl("LabelTkKupCount", kBought, {225, 20, 80, 20}, value(16, kRed)),
    ctl("LabelZaUplatu", kBought, {225, 45, 80, 15}, title(11)).withCaption(43).hidden(),
    ctl("LabelTkKupUplata", kBought, {225, 61, 80, 20}, value(16, kRed)).hidden(),
    ctl("ChkBox_AltS", kBought, {227, 96, 70, 25}, checkBox()).withText("ALT &S").hidden(),

    // Six tickets nearest a win; the ticket widgets are built by the panel itself.
    ctl("PanelTK", kClientArea, {522, 0, 290, 665}, panel(kBtnFace)).withHint("Tabla tiketa sa najvecom sansom za dobitak"),
    ctl("LabelTitleTiketi", kTickets, {16, 4, 250, 18}, title(15)).withCaption(44),

    // INFO memo and the line/bingo banner.
    ctl("PanelINFO", kClientArea, {812, 0, 200, 157}, panel(kBtnFace)),
    ctl("LabelTitleINFO", kInfoMemo, {4, 4, 186, 15}, title(12)).withCaption(45),
    ctl("LabelLinBin", kInfoMemo, {4, 20, 186, 29}, banner()),
    ctl("MemoINFO", kInfoMemo, {4, 48, 186, 101}, memo()),

    // Camera page, drawn over the ticket panel when shown.
    ctl("WebBrowser_Camera", kClientArea, {528, 472, 281, 185}, browser()).hidden(),

    // Line and bingo win boxes.
    ctl("LblLIN", kClientArea, {812, 160, 200, 145}, winBox()).hidden(),
    ctl("LblBIN", kClientArea, {812, 300, 200, 170}, winBox()).hidden(),

    // Diagnostic labels.
    ctl("LblTest_Info_Win_Ver_Name", kClientArea, {815, 470, 126, 17}, diagnostic(false)),
    ctl("LblTest_Info_Win_Ver_Numb", kClientArea, {940, 470, 71, 17}, diagnostic(false)),
    ctl("LblTest_Info_Tk_Baza_File_Name", kClientArea, {815, 486, 196, 17}, diagnostic(false)),
    ctl("LblTest_Info_Timer_Intrv", kClientArea, {815, 502, 41, 17}, diagnostic(false)),
    ctl("LblTest_Info_Timer_Count", kClientArea, {855, 502, 86, 17}, diagnostic(true)),
    ctl("LblTest_Info_Timer_Time", kClientArea, {940, 502, 71, 17}, diagnostic(false)),
    ctl("LblTest_Info_LAN_PCCL_Name", kClientArea, {815, 518, 41, 17}, diagnostic(false)),
    ctl("LblTest_Info_LAN_PCCL_TCIP", kClientArea, {855, 518, 86, 17}, diagnostic(false)),
    ctl("LblTest_Info_LAN_PCCL_Cont", kClientArea, {940, 518, 71, 17}, diagnostic(false)),
    ctl("LblTest_Info_LAN_PCSR_Name", kClientArea, {815, 534, 41, 17}, diagnostic(false)),
    ctl("LblTest_Info_LAN_PCSR_TCIP", kClientArea, {855, 534, 86, 17}, diagnostic(false)),
    ctl("LblTest_Info_LAN_PCSR_Cont", kClientArea, {940, 534, 71, 17}, diagnostic(false)),
    ctl("LblTest_Info_LAN_Net_Fold_Name", kClientArea, {815, 550, 126, 17}, diagnostic(false)),
    ctl("LblTest_Info_LAN_Net_Fold_Cont", kClientArea, {940, 550, 71, 17}, diagnostic(false)),
    ctl("LblTest_Info_LAN_Net_Frame_Name", kClientArea, {815, 566, 126, 17}, diagnostic(false)),
    ctl("LblTest_Info_LAN_Net_Frame_Cont", kClientArea, {940, 566, 71, 17}, diagnostic(true)),
    ctl("LblTest_Info_LAN_Net_Frame_Read", kClientArea, {815, 582, 126, 17}, diagnostic(true)),
    ctl("LblTest_Info_LAN_Net_Frame_Bad", kClientArea, {940, 582, 71, 17}, diagnostic(false)),
    ctl("LblTest_Info_LAN_Net_Off3_Name", kClientArea, {815, 598, 126, 17}, diagnostic(false)),
    ctl("LblTest_Info_LAN_Net_Off3_Cont", kClientArea, {940, 598, 71, 17}, diagnostic(false)),
    ctl("LblTest_Info_LAN_Net_AltS_Name", kClientArea, {815, 614, 126, 17}, diagnostic(false)),
    ctl("LblTest_Info_LAN_Net_AltS_Cont", kClientArea, {940, 614, 71, 17}, diagnostic(false)),
    ctl("LblTest_Info_LAN_Net_cVIw_Name", kClientArea, {815, 630, 126, 17}, diagnostic(false)),
    ctl("LblTest_Info_LAN_Net_cVIw_Cont", kClientArea, {940, 630, 71, 17}, diagnostic(false)),
    ctl("LblTest_Info_LAN_Net_cJez_Name", kClientArea, {815, 646, 126, 17}, diagnostic(false)),
    ctl("LblTest_Info_LAN_Net_cJez_Value", kClientArea, {940, 646, 41, 17}, diagnostic(false)),
    ctl("LblTest_Info_LAN_Net_cJez_Count", kClientArea, {980, 646, 31, 17}, diagnostic(false)),
    ctl("LblTest_Info_LAN_Net_Protokol_Value", kClientArea, {815, 662, 41, 17}, diagnostic(true)),
    ctl("LblTest_Info_LAN_Net_NovaSmena_Value", kClientArea, {855, 662, 41, 17}, diagnostic(true)),
};
// clang-format on

// The widgets are built in table order, so every parent must come first.
constexpr bool parentsComeFirst() {
  for (std::size_t i = 0; i < std::size(kLayout); ++i) {
    const std::string_view parent = kLayout[i].parent;
    if (parent == kClientArea) continue;
    bool found = false;
    for (std::size_t j = 0; j < i; ++j) found = found || parent == kLayout[j].name;
    if (!found) return false;
  }
  return true;
}
static_assert(parentsComeFirst());

// The number board: ten cells of 30 plus two margins of 4 and the overlap of
// one, nine rows of 24 likewise.
constexpr int kBoardPanelWidth = 10 * 30 + 2 * 4 + 1;
constexpr int kBoardPanelHeight = 9 * 24 + 2 * 4 + 1;

constexpr std::string_view kTooltipPanels[] = {kBoard, kInfo, kFunds, kSold, kRank, kBall};

}  // namespace

std::span<const ControlSpec> screenLayout() { return kLayout; }

const ControlSpec* findControl(std::string_view name) {
  for (const ControlSpec& entry : kLayout)
    if (name == entry.name) return &entry;
  return nullptr;
}

Rect builtRect(const ControlSpec& entry) {
  if (std::string_view(entry.name) == kBoard)
    return {entry.rect.left, entry.rect.top, kBoardPanelWidth, kBoardPanelHeight};
  return entry.rect;
}

bool showsHintAsTooltip(const ControlSpec& entry) {
  if (entry.look.kind == ControlKind::Edit) return true;
  const auto inList = [](std::string_view name) {
    return std::find(std::begin(kTooltipPanels), std::end(kTooltipPanels), name) != std::end(kTooltipPanels);
  };
  return inList(entry.name) || inList(entry.parent);
}

WindowSize mainWindowSize(WindowSize screen) {
  return {std::clamp(screen.width, kMinOuterSize.width, kMaxOuterSize.width),
          std::clamp(screen.height, kMinOuterSize.height, kMaxOuterSize.height)};
}

std::string mainWindowCaption() { return toUpperAscii(kProductName) + " 2015"; }

}  // namespace bingo
