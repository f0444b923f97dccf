#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QTextEdit>

#include "display/model/captions.h"
#include "display/model/number_board.h"
#include "display/model/ticket_panel.h"
#include "display/widgets/qt_look.h"
#include "support/shown_screen.h"

namespace bingo {
namespace {

using Shown = test::ShownScreen;

TEST(ScreenDraw, UnchangedModelCostsNoRepaint) {
  Shown s;
  test::PaintCounter counter;
  const std::uint64_t touches = s.screen->touches();
  for (int tick = 0; tick < 5; ++tick) {
    // The update re-assigns the same texts every tick.
    s.model.setText("LabelLOP", "");
    s.model.setColours("LabelCEN", kRed, k3DLight);
    s.screen->draw(s.model);
    test::settle();
  }
  EXPECT_EQ(counter.paints, 0);
  EXPECT_EQ(s.screen->touches(), touches);
  s.model.setText("LabelLOP", "17");
  s.screen->draw(s.model);
  test::settle();
  EXPECT_GT(counter.paints, 0);
  EXPECT_EQ(s.screen->touches(), touches + 1);
  EXPECT_EQ(s.find("LabelLOP")->text(), "17");
}

TEST(ScreenDraw, TextsAreConvertedByLanguageAndFont) {
  const struct {
    std::uint8_t jezik;
    const char* control;
    unsigned caption;
    const char* shown;
  } rows[] = {
      {0, "LabelTitleTKkup1", 41, "VAŠI TIKETI SU:"},
      {1, "LabelCEN_Label", 3, "ÇMIMI"},
      {1, "LabelTitleKugla", 37, ""},
      {3, "LabelTitleWait", 30, "ЧЕКА"},
      {3, "LabelTitleTiketi", 44, "ТАЛОНИ СО НАЈДОБРА шАНСА"},
  };
  for (const auto& row : rows) {
    Shown s;
    s.model.setJezik(row.jezik);
    s.model.setText(row.control, captionText(row.jezik, row.caption));
    // Diagnostic labels are not in the YUSCII font: never converted.
    s.model.setText("LblTest_Info_LAN_Net_Fold_Name", "\\\\bingo^server\\net");
    s.screen->draw(s.model);
    EXPECT_EQ(s.find(row.control)->text() + s.find("LblTest_Info_LAN_Net_Fold_Name")->text(),
              QString::fromUtf8(row.shown) + "\\\\bingo^server\\net");
  }
}

TEST(ScreenDraw, BoardTicketMemoStatusAndMenusTakeTheModelsStates) {
  Shown s;
  DrawnBalls drawn{};
  drawn[7] = drawn[8] = true;
  setNumberBoardFromRecord(s.model, drawn, 8, true);
  setWaitedMark(s.model, 9);
  recolourNumberBoard(s.model, true);
  std::array<std::string, kTicketCellsPerSlot> cells;
  std::array<bool, kTicketCellsPerSlot> hits{};
  cells.fill("*");
  for (const auto& [column, number] : {std::pair{1, " 7"}, {2, "18"}, {3, "25"}, {5, "41"}, {9, "90"}}) {
    cells[column - 1] = number;
    hits[column - 1] = true;  // a complete row
  }
  fillTicketSlot(s.model, 2, "  33", cells, hits);
  refreshTicketPanel(s.model, true, true);
  s.model.memoAdd("Unesite kupljene tikete");
  s.model.memoAdd("NOVO KOLO");
  s.model.setMemoBackground(kRed);
  s.model.setStatusPanel(7, "2.3.4-[151031]");
  s.model.setVisible("LblBIN", true);
  s.model.setMenuVisible("mnuBub", true);
  s.model.setMenuEnabled("mnuBub", true);
  s.model.setMenuChecked("acBub_LAN", true);
  const auto shown = [&] {
    s.screen->draw(s.model);
    QStringList out;
    for (const char* name : {"CifarskaBtn[7]", "CifarskaBtn[8]", "CifarskaBtn[9]", "CifarskaBtn[10]",
                             "TiketNo[2]", "TiketBtn[2][1][9]", "TiketBtn[2][1][4]", "TiketBtn[2][2][1]"}) {
      const QLabel* label = s.find(name);
      out << label->text() + ":" + label->palette().color(QPalette::Window).name() + "/" +
                 label->palette().color(QPalette::WindowText).name();
    }
    auto* memo = s.find<QTextEdit>("MemoINFO");
    out << memo->toPlainText() << memo->palette().color(QPalette::Base).name()
        << s.find("StatusBarPanel7")->text()
        << QString::number(s.find("LblBIN")->isVisible()) +
               QString::number(s.window.findChild<QAction*>("mnuBub")->isVisible()) +
               QString::number(s.window.findChild<QAction*>("mnuBub")->isEnabled()) +
               QString::number(s.window.findChild<QAction*>("acBub_LAN")->isChecked());
    return out.join(" ; ").toStdString();
  };
  const std::string board =
      " 7:#b03030/#f1f0f0 ;  8:#e03030/#202020 ;  9:#0000ff/#303030 ; 10:#a0a0a4/#000000 ; ";
  EXPECT_EQ(shown(),
            board +
                "  33:#b03030/#000000 ; 90:#f03030/#000000 ; *:#f03030/#000000 ; *:#a0a0a4/#000000 ; "
                "Unesite kupljene tikete\nNOVO KOLO ; #ff0000 ; 2.3.4-[151031] ; 1111");
  refreshTicketPanel(s.model, false, true);  // the other blink phase
  s.model.memoClear();
  s.model.setVisible("LblBIN", false);
  EXPECT_EQ(shown(),
            board +
                "  33:#a0a0a4/#000000 ; 90:#f01090/#f1f0f0 ; *:#f01090/#f1f0f0 ; *:#a0a0a4/#000000 ; "
                " ; #ff0000 ; 2.3.4-[151031] ; 0111");
}

TEST(ScreenDraw, TypingSurvivesDrawsAndAnAdoptedControlTakesItsPlace) {
  Shown s;
  s.find<QLineEdit>("EditKupPoc")->setText("123");
  s.model.setText("LabelLOP", "5");
  s.screen->draw(s.model);
  EXPECT_EQ(s.find<QLineEdit>("EditKupPoc")->text(), "123");
  auto* camera = new QWidget(s.screen);
  EXPECT_FALSE(s.screen->adopt("LabelLOP", camera));
  EXPECT_TRUE(s.screen->adopt("WebBrowser_Camera", camera));
  EXPECT_EQ(s.window.findChildren<QWidget*>("WebBrowser_Camera"), QList<QWidget*>{camera});
  EXPECT_EQ(camera->parentWidget(), s.screen);
  EXPECT_EQ(camera->geometry(), QRect(528, 472, 281, 185));
  EXPECT_TRUE(camera->isHidden());
  s.model.setVisible("WebBrowser_Camera", true);
  s.screen->draw(s.model);
  EXPECT_FALSE(camera->isHidden());
}

}  // namespace
}  // namespace bingo
