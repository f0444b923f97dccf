#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

#include "display/model/menu_table.h"
#include "display/model/screen_layout.h"
#include "display/widgets/console_screen.h"
#include "display/widgets/main_window_frame.h"

namespace bingo {
namespace {

QRect toQRect(Rect r) { return {r.left, r.top, r.width, r.height}; }

TEST(ScreenWidgets, EveryControlOfTheLayoutStandsWhereTheTableSays) {
  QMainWindow window;
  setUpMainWindow(window);
  for (const ControlSpec& entry : screenLayout()) {
    auto* widget = window.findChild<QWidget*>(QString::fromLatin1(entry.name));
    ASSERT_NE(widget, nullptr) << entry.name;
    const QString parent = std::string_view(entry.parent) == kClientArea ? "ClientArea" : entry.parent;
    EXPECT_EQ(widget->parentWidget()->objectName(), parent) << entry.name;
    EXPECT_EQ(widget->geometry(), toQRect(builtRect(entry))) << entry.name;
    EXPECT_EQ(widget->font().pixelSize(), entry.look.px) << entry.name;
    EXPECT_EQ(widget->font().bold(), entry.look.bold) << entry.name;
    EXPECT_EQ(widget->font().family(), entry.look.face == FontFace::Arial ? "Liberation Sans" : "DejaVu Sans")
        << entry.name;
    EXPECT_EQ(widget->isHidden(), !entry.visible) << entry.name;
  }
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
  for (std::size_t panel = 0; panel < kStatusPanelCount; ++panel) {
    auto* label = bar->findChild<QLabel*>(QStringLiteral("StatusBarPanel%1").arg(panel));
    ASSERT_NE(label, nullptr) << panel;
    EXPECT_EQ(label->minimumWidth(), kStatusPanelWidths[panel]) << panel;
    EXPECT_EQ(label->maximumWidth(), kStatusPanelWidths[panel]) << panel;
    EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, panel == 0 ? Qt::AlignLeft : Qt::AlignHCenter)
        << panel;
  }
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
  const Row rows[] = {
      {"acFile_Exit", "E&xit", "F9", false, true, true, "Quits the application"},
      {"acTK_Kup_Unesi", "&Unos tiketa", "F2", false, false, true, ""},
      {"acTK_Kup_Brisi", "&Brisanje tiketa", "F3", false, true, true, ""},
      // An action keeps its key while its menu item is hidden or disabled.
      {"acBub_Bub2Enable", "Bub2 Enable", "", true, true, true, "Dozvola Bub2"},
      {"mnuBub_Bub2Enable", "Bub2 Enable", "", true, false, false, "Dozvola Bub2"},
      {"acBub_LAN", "LAN", "", true, true, true, "Slanje na LAN"},
      {"acBub_RS232", "RS232", "", true, false, true, "Slanje na RS232"},
      {"acBub_AltSC", "Alt &S", "F5", true, true, true, "Bubanj Lopta (-2)"},
      {"mnuBub_AltS", "Alt &S\tF5", "", true, false, false, "Bubanj Lopta (-2)"},
      {"acBub_WB_Show", "WB Show", "", true, true, true, ""},
      {"acBub_WB_Cam2", "WB_Cam", "", true, true, true, ""},
      {"acHelp_HwInfoMemory", "Hw &Memory Info", "", false, true, true, "Memory info"},
      {"acHelp_HwWinVer", "&Windows Version", "", false, true, true, ""},
      {"acHelp_About", "&About", "Ctrl+F1", false, true, true, "Help About"},
      {"acFile_Kolo_New", "&Novo kolo", "F1", false, false, true, ""},
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
  placeMainWindow(window, QSize(1280, 1024));
  EXPECT_EQ(window.size(), QSize(1024, 730 + menu));
  placeMainWindow(window, QSize(800, 600));
  EXPECT_EQ(window.size(), QSize(792, 554 + menu));
}

}  // namespace
}  // namespace bingo
