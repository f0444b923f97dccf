#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTextEdit>

#include "display/model/captions.h"
#include "display/model/number_board.h"
#include "display/model/screen_dump.h"
#include "display/model/ticket_panel.h"
#include "display/widgets/console_screen.h"
#include "display/widgets/main_window_frame.h"
#include "display/widgets/qt_look.h"
#include "support/shown_screen.h"

namespace bingo {
namespace {

using Shown = test::ShownScreen;
using test::PaintCounter;
using test::settle;

QColor bg(const QWidget* widget) { return widget->palette().color(QPalette::Window); }
QColor fg(const QWidget* widget) { return widget->palette().color(QPalette::WindowText); }

TEST(ScreenDraw, UnchangedModelCostsNoRepaint) {
  Shown s;
  PaintCounter counter;
  const std::uint64_t touches = s.screen->touches();
  for (int tick = 0; tick < 5; ++tick) {
    // The update re-assigns the same texts every tick.
    s.model.setText("LabelLOP", "");
    s.model.setColours("LabelCEN", kRed, k3DLight);
    s.screen->draw(s.model);
    settle();
  }
  EXPECT_EQ(counter.paints, 0);
  EXPECT_EQ(s.screen->touches(), touches);

  s.model.setText("LabelLOP", "17");
  s.screen->draw(s.model);
  settle();
  EXPECT_GT(counter.paints, 0);
  EXPECT_EQ(s.screen->touches(), touches + 1);
  EXPECT_EQ(s.find("LabelLOP")->text(), "17");
}

TEST(ScreenDraw, TextsAreConvertedByLanguageAndFont) {
  struct Row {
    std::uint8_t jezik;
    const char* control;
    unsigned caption;
    QString shown;
  };
  const Row rows[] = {
      {0, "LabelTitleTKkup1", 41, QString::fromUtf8("VAŠI TIKETI SU:")},
      {1, "LabelCEN_Label", 3, QString::fromUtf8("ÇMIMI")},
      {1, "LabelTitleKugla", 37, ""},
      {3, "LabelTitleWait", 30, QString::fromUtf8("ЧЕКА")},
      {3, "LabelTitleTiketi", 44, QString::fromUtf8("ТАЛОНИ СО НАЈДОБРА шАНСА")},
  };
  for (const Row& row : rows) {
    Shown s;
    s.model.setJezik(row.jezik);
    s.model.setText(row.control, captionText(row.jezik, row.caption));
    s.model.setText("LblTest_Info_LAN_Net_Fold_Name", "\\\\bingo^server\\net");
    s.screen->draw(s.model);
    EXPECT_EQ(s.find(row.control)->text(), row.shown) << row.control;
    // Diagnostic labels are not in the YUSCII font: never converted.
    EXPECT_EQ(s.find("LblTest_Info_LAN_Net_Fold_Name")->text(), "\\\\bingo^server\\net");
  }
}

TEST(ScreenDraw, BoardAndTicketCellsTakeTheirColours) {
  Shown s;
  DrawnBalls drawn{};
  drawn[7] = drawn[8] = true;
  setNumberBoardFromRecord(s.model, drawn, 8, true);
  setWaitedMark(s.model, 9);
  recolourNumberBoard(s.model, true);
  std::array<std::string, kTicketCellsPerSlot> cells;
  std::array<bool, kTicketCellsPerSlot> hits{};
  cells.fill("*");
  const char* row1[] = {" 7", "18", "25", "41", "90"};
  const int columns[] = {1, 2, 3, 5, 9};
  for (int i = 0; i < 5; ++i) {
    cells[static_cast<std::size_t>(columns[i] - 1)] = row1[i];
    hits[static_cast<std::size_t>(columns[i] - 1)] = true;  // a complete row
  }
  fillTicketSlot(s.model, 2, "  33", cells, hits);
  refreshTicketPanel(s.model, true, true);
  s.screen->draw(s.model);

  EXPECT_EQ(bg(s.find("CifarskaBtn[7]")), QColor(176, 48, 48));
  EXPECT_EQ(fg(s.find("CifarskaBtn[7]")), QColor(241, 240, 240));
  EXPECT_EQ(bg(s.find("CifarskaBtn[8]")), QColor(224, 48, 48));
  EXPECT_EQ(fg(s.find("CifarskaBtn[8]")), QColor(32, 32, 32));
  EXPECT_EQ(bg(s.find("CifarskaBtn[9]")), QColor(0, 0, 255));
  EXPECT_EQ(fg(s.find("CifarskaBtn[9]")), QColor(48, 48, 48));
  EXPECT_EQ(bg(s.find("CifarskaBtn[10]")), QColor(160, 160, 164));
  EXPECT_EQ(s.find("TiketNo[2]")->text(), "  33");
  EXPECT_EQ(bg(s.find("TiketNo[2]")), QColor(176, 48, 48));
  EXPECT_EQ(s.find("TiketBtn[2][1][9]")->text(), "90");
  EXPECT_EQ(bg(s.find("TiketBtn[2][1][4]")), QColor(240, 48, 48));  // a blank of the complete row
  EXPECT_EQ(fg(s.find("TiketBtn[2][1][4]")), QColor(0, 0, 0));
  EXPECT_EQ(bg(s.find("TiketBtn[2][2][1]")), QColor(160, 160, 164));

  refreshTicketPanel(s.model, false, true);  // the other blink phase
  s.screen->draw(s.model);
  EXPECT_EQ(bg(s.find("TiketBtn[2][1][4]")), QColor(240, 16, 144));
  EXPECT_EQ(bg(s.find("TiketNo[2]")), QColor(160, 160, 164));
}

TEST(ScreenDraw, MemoStatusMenusAndVisibility) {
  Shown s;
  s.model.memoAdd("Unesite kupljene tikete");
  s.model.memoAdd("NOVO KOLO");
  s.model.setMemoBackground(kRed);
  s.model.setStatusPanel(7, "2.3.4-[151031]");
  s.model.setVisible("LblBIN", true);
  s.model.setText("LblBIN", "DOBILI STE BINGO");
  s.model.setMenuVisible("mnuBub", true);
  s.model.setMenuEnabled("mnuBub", true);
  s.model.setMenuChecked("acBub_LAN", true);
  s.screen->draw(s.model);

  auto* memo = s.find<QTextEdit>("MemoINFO");
  EXPECT_EQ(memo->toPlainText(), "Unesite kupljene tikete\nNOVO KOLO");
  EXPECT_EQ(memo->palette().color(QPalette::Base), QColor(255, 0, 0));
  EXPECT_EQ(s.find("StatusBarPanel7")->text(), "2.3.4-[151031]");
  EXPECT_TRUE(s.find("LblBIN")->isVisible());
  EXPECT_TRUE(s.window.findChild<QAction*>("mnuBub")->isVisible());
  EXPECT_TRUE(s.window.findChild<QAction*>("acBub_LAN")->isChecked());

  s.model.memoClear();
  s.model.setVisible("LblBIN", false);
  s.screen->draw(s.model);
  EXPECT_EQ(memo->toPlainText(), "");
  EXPECT_FALSE(s.find("LblBIN")->isVisible());
}

TEST(ScreenDraw, OperatorTypingSurvivesUnrelatedDraws) {
  Shown s;
  s.find<QLineEdit>("EditKupPoc")->setText("123");
  s.model.setText("LabelLOP", "5");
  s.screen->draw(s.model);
  EXPECT_EQ(s.find<QLineEdit>("EditKupPoc")->text(), "123");
  EXPECT_EQ(s.find<QLineEdit>("EditKupPoc")->maxLength(), 5);
}

TEST(ScreenDraw, AdoptedControlTakesItsPlaceAndVisibility) {
  Shown s;
  auto* camera = new QWidget(s.screen);
  EXPECT_FALSE(s.screen->adopt("LabelLOP", camera));
  EXPECT_TRUE(s.screen->adopt("WebBrowser_Camera", camera));
  EXPECT_EQ(camera->objectName(), "WebBrowser_Camera");
  EXPECT_EQ(camera->parentWidget(), s.screen);
  EXPECT_EQ(camera->geometry(), QRect(528, 472, 281, 185));
  EXPECT_TRUE(camera->isHidden());
  EXPECT_EQ(s.window.findChildren<QWidget*>("WebBrowser_Camera").size(), 1);
  s.model.setVisible("WebBrowser_Camera", true);
  s.screen->draw(s.model);
  EXPECT_FALSE(camera->isHidden());
}

TEST(ScreenDraw, DumpIsValidJsonOfTheWholeScreen) {
  ScreenModel model;
  model.setJezik(3);
  model.setText("LabelTitleWait", "^EKA");
  model.setText("LblTest_Info_LAN_Net_cJez_Name", "\\\\srv\\net\\cJezik.txt");
  model.memoAdd("\"12\"");
  QJsonParseError error;
  const QJsonDocument doc =
      QJsonDocument::fromJson(QByteArray::fromStdString(screenDumpJson(model, 7)), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  const QJsonObject root = doc.object();
  EXPECT_EQ(root["TimerCount"].toInt(), 7);
  EXPECT_EQ(root["controls"].toObject().size(), 194);
  EXPECT_EQ(root["controls"]["StatusBar"]["rect"].toArray(), QJsonArray({0, 711, 1024, 19}));
  EXPECT_EQ(root["controls"]["LabelTitleWait"]["text"].toString(), QString::fromUtf8("ЧЕКА"));
  EXPECT_EQ(root["controls"]["LblTest_Info_LAN_Net_cJez_Name"]["text"].toString(),
            "\\\\srv\\net\\cJezik.txt");
  EXPECT_EQ(root["controls"]["LabelRL1"]["rect"].toArray(), QJsonArray({10, 40, 17, 17}));
  EXPECT_EQ(root["MemoINFO"]["lines"].toArray(), QJsonArray({"\"12\""}));
  EXPECT_EQ(root["StatusBar"].toArray().size(), 13);
  EXPECT_EQ(root["CifarskaBtn"].toArray().size(), 90);
  EXPECT_EQ(root["CifarskaBtn"][89]["text"].toString(), "90");
  EXPECT_EQ(root["TiketNo"].toArray().size(), 6);
  EXPECT_EQ(root["TiketBtn"].toArray().size(), 6);
  EXPECT_EQ(root["TiketBtn"][5].toArray().size(), 3);
  EXPECT_EQ(root["TiketBtn"][5][2].toArray().size(), 9);
  EXPECT_FALSE(root["menus"]["mnuBub"]["visible"].toBool());
  EXPECT_TRUE(root["menus"]["acBub_AltSC"]["enabled"].toBool());
  EXPECT_FALSE(root["menus"]["mnuBub_AltS"]["enabled"].toBool());
}

}  // namespace
}  // namespace bingo
