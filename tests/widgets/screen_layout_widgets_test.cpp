#include <gtest/gtest.h>

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>

#include "display/model/number_board.h"
#include "display/model/screen_layout.h"
#include "display/widgets/main_window_frame.h"

namespace bingo {
namespace {

// Where the layout puts each control, and every caption and menu state, is
// held by the reviewed screen dumps of the console tests; here how the
// widgets carry it out: parents, rectangles, the fonts and borders the
// system's faces become, hints, actions and the window's frame.
TEST(ScreenWidgets, ControlsMenusAndStatusBarCarryOutTheLayout) {
  QMainWindow window;
  setUpMainWindow(window);
  const auto describe = [&](const char* name) {
    auto* w = window.findChild<QWidget*>(name);
    auto* frame = qobject_cast<QFrame*>(w);
    const QRect r = w->geometry();
    return QString("%1 %2,%3 %4x%5 %6 %7%8 %9 %10 [%11|%12]")
        .arg(w->parentWidget()->objectName())
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height())
        .arg(w->font().family())
        .arg(w->font().pixelSize())
        .arg(w->font().bold() ? "b" : "")
        .arg(w->isHidden() ? "hidden" : "shown")
        .arg(frame ? frame->frameStyle() : -1)
        .arg(w->toolTip(), w->statusTip())
        .toStdString();
  };
  const auto style = [](int shape, int shadow) { return QString::number(shape | shadow).toStdString(); };
  EXPECT_EQ(describe("PanelTablaCifarska"),
            "ClientArea 210,0 309x225 DejaVu Sans 11 shown -1 [CIFARSKA TABLA|CIFARSKA TABLA]");
  EXPECT_EQ(describe("LabelKUG"), "PanelKugla 70,18 150x119 Liberation Sans 112b shown " +
                                      style(QFrame::WinPanel, QFrame::Sunken) +
                                      " [Poslednja izvucena loptica|Poslednja izvucena loptica]");
  EXPECT_EQ(describe("LblBIN"), "ClientArea 812,300 200x170 DejaVu Sans 27b hidden " +
                                    style(QFrame::Box, QFrame::Plain) + " [|]");
  EXPECT_EQ(describe("LabelLOP"),
            "PanelTablaInformaciona 105,36 95x31 Liberation Sans 27b shown 0 [Broj izvucenih loptica|Broj "
            "izvucenih loptica]");
  EXPECT_EQ(describe("LabelLinBin"),
            "PanelINFO 4,20 186x29 DejaVu Sans 16b shown " + style(QFrame::Panel, QFrame::Sunken) + " [|]");
  EXPECT_EQ(describe("PanelTK"),
            "ClientArea 522,0 290x665 DejaVu Sans 11 shown -1 [|Tabla tiketa sa najvecom sansom za dobitak]");
  // Board and ticket cells overlap by one pixel.
  EXPECT_EQ(describe("CifarskaBtn[2]"), "PanelTablaCifarska 34,4 31x25 DejaVu Sans 15b shown 50 [|]");
  EXPECT_EQ(describe("CifarskaBtn[90]"), "PanelTablaCifarska 274,196 31x25 DejaVu Sans 15b shown 50 [|]");
  EXPECT_EQ(describe("TiketBtn[6][3][9]"), "PanelTK 250,616 31x26 DejaVu Sans 15b shown 50 [|]");

  QStringList panels;  // fixed widths, the first aligned left, no grip
  for (QLabel* label : window.statusBar()->findChildren<QLabel*>(QRegularExpression("^StatusBarPanel\\d+$")))
    panels << QString("%1%2%3")
                  .arg(label->minimumWidth())
                  .arg(label->maximumWidth() == label->minimumWidth() ? "" : "~")
                  .arg(label->alignment() & Qt::AlignLeft ? "<" : "");
  EXPECT_EQ(panels.join(' ').toStdString(), "210< 30 30 55 55 35 65 90 25 120 25 30 150");
  EXPECT_FALSE(window.statusBar()->isSizeGripEnabled());

  QStringList menus;
  for (QAction* menu : window.menuBar()->actions()) menus << menu->text();
  // An action keeps its key while its menu item is hidden or disabled; a
  // two-part hint shows its long part; separators stand before LAN and Alt S.
  for (const char* name : {"acFile_Exit", "acBub_AltSC", "mnuBub_AltS", "acHelp_About", "mnuBub"}) {
    auto* a = window.findChild<QAction*>(name);
    menus << QString("%1:%2/%3/%4%5%6/%7")
                 .arg(name, a->text(), a->shortcut().toString())
                 .arg(a->isCheckable())
                 .arg(a->isEnabled())
                 .arg(a->isVisible())
                 .arg(a->statusTip());
  }
  for (QAction* a : window.findChild<QMenu*>("mnuBub")->actions())
    menus << (a->isSeparator() ? "|" : a->objectName());
  menus << "|";
  for (QAction* a : window.findChild<QMenu*>("mnuFile")->actions()) menus << a->objectName();
  EXPECT_EQ(menus.join(' ').toStdString(),
            "&File &Tiketi B WB &Help acFile_Exit:E&xit/F9/011/Quits the application "
            "acBub_AltSC:Alt &S/F5/111/Bubanj Lopta (-2) mnuBub_AltS:Alt &S\tF5//100/Bubanj Lopta (-2) "
            "acHelp_About:&About/Ctrl+F1/011/Help About mnuBub:B//000/Bubanj "
            "mnuBub_Bub2Enable | mnuBub_LAN mnuBub_RS232 | mnuBub_AltS | mnuFile_Exit");
}

TEST(ScreenWidgets, TheWindowKeepsItsFrameAndFitsTheScreenCentredWithItsProportions) {
  QMainWindow window;
  setUpMainWindow(window);
  EXPECT_EQ(window.windowTitle(), "KVAROLA 2015");
  EXPECT_FALSE(window.windowFlags() &
               (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint));
  const int menu = window.menuBar()->sizeHint().height();
  EXPECT_EQ(window.maximumSize(), QSize(1024, 730 + menu));
  EXPECT_EQ(window.minimumSize(), QSize(592, 404 + menu));
  placeMainWindow(window, QSize(1280, 1024));
  EXPECT_EQ(window.size(), QSize(1024, 730 + menu));
  placeMainWindow(window, QSize(800, 600));
  EXPECT_EQ(window.size(), QSize(792, 554 + menu));
  fitMainWindow(window, QSize(800, 600));  // a smaller screen keeps the design
  EXPECT_EQ(window.size(), QSize(792, 554 + menu));
  EXPECT_EQ(window.findChild<QWidget*>("LabelLOP")->geometry(), QRect(105, 36, 95, 31));

  fitMainWindow(window, QSize(1920, 1080));
  EXPECT_EQ(window.size(), QSize(1920, 1080));
  // Two controls of the client area give the factor and the offset of the whole layout.
  const ControlSpec& left = *findControl("PanelTablaCifarska");
  const ControlSpec& right = *findControl("PanelTK");
  const QRect a = window.findChild<QWidget*>(left.name)->geometry();
  const QRect b = window.findChild<QWidget*>(right.name)->geometry();
  const double factor = double(b.left() - a.left()) / (right.rect.left - left.rect.left);
  EXPECT_NEAR(factor, 1080.0 / (730 + menu), 0.02);  // the height limits the scale
  EXPECT_NEAR(2 * (a.left() - left.rect.left * factor) + kClientSize.width * factor, 1920, 2);  // centred
  const auto* cell = window.findChild<QLabel*>("CifarskaBtn[90]");
  EXPECT_NEAR(cell->width(), numberBoardCellRect(90).width * factor, 1);
  EXPECT_NEAR(cell->font().pixelSize(), kBoardCellFontPx * factor, 1);
  EXPECT_NEAR(window.findChild<QWidget*>("StatusBarPanel0")->width(), kStatusPanelWidths[0] * factor, 1);
}

}  // namespace
}  // namespace bingo
