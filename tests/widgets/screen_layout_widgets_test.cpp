#include <gtest/gtest.h>

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>

#include "display/model/menu_table.h"
#include "display/model/number_board.h"
#include "display/model/screen_layout.h"
#include "display/widgets/console_screen.h"
#include "display/widgets/main_window_frame.h"

namespace bingo {
namespace {

// Where the layout puts each control is held by the reviewed screen dumps of
// the console tests; here how the widgets carry it out: the parent, the
// rectangle, the fonts the system's faces become, hints and hidden controls.
TEST(ScreenWidgets, ControlsAreBuiltWithTheirParentsFontsAndHints) {
  QMainWindow window;
  setUpMainWindow(window);
  struct Row {
    const char* name;
    const char* parent;
    QRect rect;
    const char* family;
    int px;
    bool bold, hidden;
  };
  const Row rows[] = {
      {"PanelTablaCifarska", "ClientArea", {210, 0, 309, 225}, "DejaVu Sans", 11, false, false},
      {"LabelTitleTablaInformativna",
       "PanelTablaInformaciona",
       {2, 4, 203, 18},
       "DejaVu Sans",
       15,
       true,
       false},
      {"LabelKUG", "PanelKugla", {70, 18, 150, 119}, "Liberation Sans", 112, true, false},
      {"LblBIN", "ClientArea", {812, 300, 200, 170}, "DejaVu Sans", 27, true, true},
  };
  for (const Row& row : rows) {
    auto* widget = window.findChild<QWidget*>(row.name);
    ASSERT_NE(widget, nullptr) << row.name;
    EXPECT_EQ(widget->parentWidget()->objectName(), row.parent) << row.name;
    EXPECT_EQ(widget->geometry(), row.rect) << row.name;
    EXPECT_EQ(widget->font().family(), row.family) << row.name;
    EXPECT_EQ(widget->font().pixelSize(), row.px) << row.name;
    EXPECT_EQ(widget->font().bold(), row.bold) << row.name;
    EXPECT_EQ(widget->isHidden(), row.hidden) << row.name;
  }
  // The system's borders as frame styles.
  for (const auto& [name, style] : {std::pair{"LabelKUG", QFrame::WinPanel | QFrame::Sunken},
                                    {"LabelLinBin", QFrame::Panel | QFrame::Sunken},
                                    {"LblBIN", QFrame::Box | QFrame::Plain}})
    EXPECT_EQ(window.findChild<QFrame*>(name)->frameStyle(), style) << name;
  const auto* tooltip = window.findChild<QWidget*>("LabelLOP");
  EXPECT_EQ(tooltip->toolTip(), "Broj izvucenih loptica");
  EXPECT_EQ(tooltip->statusTip(), "Broj izvucenih loptica");
  EXPECT_TRUE(window.findChild<QWidget*>("PanelTK")->toolTip().isEmpty());
  EXPECT_EQ(window.findChild<QWidget*>("PanelTK")->statusTip(), "Tabla tiketa sa najvecom sansom za dobitak");
}

TEST(ScreenWidgets, BoardAndTicketCellsOverlapByOnePixel) {
  QMainWindow window;
  setUpMainWindow(window);
  const auto cell = [&](const char* name) { return window.findChild<QLabel*>(name); };
  ASSERT_NE(cell("CifarskaBtn[1]"), nullptr);
  EXPECT_EQ(cell("CifarskaBtn[1]")->geometry(), QRect(4, 4, 31, 25));
  EXPECT_EQ(cell("CifarskaBtn[2]")->geometry().left(), 34);
  EXPECT_EQ(cell("CifarskaBtn[90]")->geometry(), QRect(274, 196, 31, 25));
  EXPECT_EQ(cell("CifarskaBtn[90]")->parentWidget()->objectName(), "PanelTablaCifarska");
  EXPECT_EQ(cell("TiketNo[1]")->geometry(), QRect(10, 39, 270, 22));
  EXPECT_EQ(cell("TiketBtn[1][1][1]")->geometry(), QRect(10, 61, 31, 26));
  EXPECT_EQ(cell("TiketBtn[6][3][9]")->geometry().bottom() + 1, 642);
  EXPECT_EQ(cell("TiketBtn[6][3][9]")->parentWidget()->objectName(), "PanelTK");
  EXPECT_EQ(cell("TiketBtn[6][3][9]")->font().pixelSize(), 15);
  EXPECT_TRUE(cell("TiketBtn[6][3][9]")->font().bold());
}

TEST(ScreenWidgets, StatusBarHasThirteenFixedPanelsWithoutGrip) {
  QMainWindow window;
  setUpMainWindow(window);
  QStatusBar* bar = window.statusBar();
  EXPECT_EQ(bar->objectName(), "StatusBar");
  EXPECT_FALSE(bar->isSizeGripEnabled());
  QList<int> widths;
  for (QLabel* label : bar->findChildren<QLabel*>(QRegularExpression("^StatusBarPanel\\d+$"))) {
    EXPECT_EQ(label->minimumWidth(), label->maximumWidth()) << label->objectName().toStdString();
    EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask,
              label->objectName() == "StatusBarPanel0" ? Qt::AlignLeft : Qt::AlignHCenter);
    widths << label->minimumWidth();
  }
  EXPECT_EQ(widths, (QList<int>{210, 30, 30, 55, 55, 35, 65, 90, 25, 120, 25, 30, 150}));
}

TEST(ScreenWidgets, MenusCarryCaptionsKeysHintsAndStartStates) {
  QMainWindow window;
  setUpMainWindow(window);
  EXPECT_EQ(window.menuBar()->objectName(), "mnuMain");
  QStringList titles;
  for (QAction* menu : window.menuBar()->actions()) titles << menu->text();
  EXPECT_EQ(titles, QStringList({"&File", "&Tiketi", "B", "WB", "&Help"}));

  struct Row {
    const char* name;
    const char* text;
    const char* key;
    bool checkable, enabled, visible;
    const char* statusTip;
  };
  // The table itself is held by the console tests' reviewed look file; here
  // how the actions carry it: a two-part hint shows its long part.
  const Row rows[] = {
      {"acFile_Exit", "E&xit", "F9", false, true, true, "Quits the application"},
      // An action keeps its key while its menu item is hidden or disabled.
      {"acBub_AltSC", "Alt &S", "F5", true, true, true, "Bubanj Lopta (-2)"},
      {"mnuBub_AltS", "Alt &S\tF5", "", true, false, false, "Bubanj Lopta (-2)"},
      {"acHelp_About", "&About", "Ctrl+F1", false, true, true, "Help About"},
      {"mnuBub", "B", "", false, false, false, "Bubanj"},
  };
  for (const Row& row : rows) {
    auto* action = window.findChild<QAction*>(row.name);
    ASSERT_NE(action, nullptr) << row.name;
    EXPECT_EQ(action->text(), row.text) << row.name;
    EXPECT_EQ(action->shortcut(), QKeySequence(row.key)) << row.name;
    EXPECT_EQ(action->isCheckable(), row.checkable) << row.name;
    EXPECT_EQ(action->isEnabled(), row.enabled) << row.name;
    EXPECT_EQ(action->isVisible(), row.visible) << row.name;
    EXPECT_EQ(action->statusTip(), row.statusTip) << row.name;
  }
  // The separators of the "B" menu stand before LAN and before Alt S.
  const QList<QAction*> bub = window.findChild<QMenu*>("mnuBub")->actions();
  ASSERT_EQ(bub.size(), 6);
  EXPECT_TRUE(bub[1]->isSeparator());
  EXPECT_TRUE(bub[4]->isSeparator());
  EXPECT_EQ(window.findChild<QAction*>("acBub_LAN")->property("menuItem").toString(), "mnuBub_LAN");
  EXPECT_TRUE(
      window.findChild<QMenu*>("mnuFile")->actions().contains(window.findChild<QAction*>("mnuFile_Exit")));
}

TEST(ScreenWidgets, MainWindowFrame) {
  QMainWindow window;
  setUpMainWindow(window);
  EXPECT_EQ(window.windowTitle(), "KVAROLA 2015");
  EXPECT_FALSE(window.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(window.windowFlags() & Qt::WindowSystemMenuHint);
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMinMaxButtonsHint);
  const int menu = window.menuBar()->sizeHint().height();
  EXPECT_EQ(window.maximumSize(), QSize(1024, 730 + menu));
  EXPECT_EQ(window.minimumSize(), QSize(592, 404 + menu));
  placeMainWindow(window, QSize(1280, 1024));
  EXPECT_EQ(window.size(), QSize(1024, 730 + menu));
  placeMainWindow(window, QSize(800, 600));
  EXPECT_EQ(window.size(), QSize(792, 554 + menu));
}

TEST(ScreenWidgets, FitFillsTheScreenCentredWithItsProportions) {
  QMainWindow window;
  setUpMainWindow(window);
  const int menu = window.menuBar()->sizeHint().height();
  fitMainWindow(window, QSize(800, 600));  // a smaller screen keeps the design
  EXPECT_EQ(window.size(), QSize(792, 554 + menu));
  EXPECT_EQ(window.findChild<QWidget*>("LabelLOP")->geometry(), QRect(105, 36, 95, 31));

  fitMainWindow(window, QSize(1920, 1080));
  EXPECT_EQ(window.size(), QSize(1920, 1080));
  const double height = 1080.0 / (730 + menu);  // the height limits the scale
  // Two controls of the client area give the factor and the offset of the whole layout.
  const ControlSpec& left = *findControl("PanelTablaCifarska");
  const ControlSpec& right = *findControl("PanelTK");
  const QRect a = window.findChild<QWidget*>(left.name)->geometry();
  const QRect b = window.findChild<QWidget*>(right.name)->geometry();
  const double factor = double(b.left() - a.left()) / (right.rect.left - left.rect.left);
  EXPECT_NEAR(factor, height, 0.02);
  const double offset = a.left() - left.rect.left * factor;
  EXPECT_NEAR(2 * offset + kClientSize.width * factor, 1920, 2);  // centred
  const auto* cell = window.findChild<QLabel*>("CifarskaBtn[90]");
  EXPECT_NEAR(cell->width(), numberBoardCellRect(90).width * factor, 1);
  EXPECT_NEAR(cell->font().pixelSize(), kBoardCellFontPx * factor, 1);
  EXPECT_NEAR(window.findChild<QWidget*>("StatusBarPanel0")->width(), kStatusPanelWidths[0] * factor, 1);
}

}  // namespace
}  // namespace bingo
