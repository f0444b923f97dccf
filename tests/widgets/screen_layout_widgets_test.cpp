#include <gtest/gtest.h>

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <filesystem>
#include <fstream>

#include "app/about_form.h"
#include "support/fakes.h"

#include "display/model/number_board.h"
#include "display/model/screen_layout.h"
#include "display/widgets/main_window_frame.h"

namespace bingo {
namespace {

// Every widget and action of the main window and the About box as the
// widgets carry out the layout (where it puts each control, and every
// caption and menu state, is held by the console tests' reviewed dumps):
// parent, rectangle, the font and border the system's faces become, hidden,
// tooltip and status tip; each action's text, key, check, enabled, visible,
// hint; each menu's items and separators. The file was
// reviewed once; BINGO_UPDATE_GOLDEN=1 rewrites it.
QString widgetsJson(const QWidget& top) {
  QStringList items;
  const auto n = [](int value) { return QString::number(value); };
  const auto str = [](const QString& text) {
    return "\"" + QString(text).replace("\\", "\\\\").replace("\"", "\\\"").replace("\t", "\\t") + "\"";
  };
  for (const QWidget* w : top.findChildren<QWidget*>()) {
    if (w->objectName().isEmpty() || !w->parentWidget()) continue;
    const auto* frame = qobject_cast<const QFrame*>(w);
    const auto* label = qobject_cast<const QLabel*>(w);
    if (const auto* menu = qobject_cast<const QMenu*>(w)) {
      QStringList entries;
      for (const QAction* a : menu->actions()) entries << str(a->isSeparator() ? "|" : a->objectName());
      items << str("menu " + menu->objectName()) + ":[" + entries.join(',') + "]";
    }
    const QRect r = w->geometry();
    const QFont f = w->font();
    items << str(w->objectName()) + ":[" +
                 QStringList{str(w->parentWidget()->objectName()),
                             n(r.x()),
                             n(r.y()),
                             n(r.width()),
                             n(r.height()),
                             str(f.family()),
                             n(f.pixelSize()),
                             n(f.bold()),
                             n(w->isHidden()),
                             n(frame ? frame->frameStyle() : -1),
                             n(label ? int(label->alignment()) : -1),
                             n(w->minimumWidth() == w->maximumWidth()),
                             str(w->toolTip()),
                             str(w->statusTip()),
                             str(label ? label->text() : QString())}
                     .join(',') +
                 "]";
  }
  for (const QAction* a : top.findChildren<QAction*>())
    items << str(a->objectName()) + ":[" +
                 QStringList{
                     str(a->text()),    str(a->shortcut().toString()), n(a->isCheckable()), n(a->isEnabled()),
                     n(a->isVisible()), n(a->isSeparator()),           str(a->statusTip())}
                     .join(',') +
                 "]";
  return "{" + items.join(',') + "}\n";
}

TEST(ScreenWidgets, EveryWidgetAndActionCarriesOutTheLayout) {
  QMainWindow window;
  setUpMainWindow(window);
  test::FakeSystemInfo info;
  info.version = {2, 5, 1, 2600, "Service Pack 3"};
  info.physicalMemory = 2147483648ull;
  const TFormAbout about(info);
  const QString actual = widgetsJson(window) + widgetsJson(about);
  const std::string path = (std::filesystem::path(__FILE__).parent_path() / "testdata/widgets.json").string();
  if (std::getenv("BINGO_UPDATE_GOLDEN")) {
    std::ofstream(path, std::ios::binary) << actual.toStdString();
    return;
  }
  std::ifstream in(path, std::ios::binary);
  const QString golden = QString::fromStdString(std::string(std::istreambuf_iterator<char>(in), {}));
  // The first difference, with what stands before it.
  qsizetype at = 0;
  while (at < golden.size() && at < actual.size() && golden[at] == actual[at]) ++at;
  EXPECT_EQ(golden.mid(std::max<qsizetype>(0, at - 120), 240).toStdString(),
            actual.mid(std::max<qsizetype>(0, at - 120), 240).toStdString())
      << path << " (BINGO_UPDATE_GOLDEN=1 rewrites it)";
  EXPECT_EQ(window.menuBar()->objectName(), "mnuMain");
  EXPECT_FALSE(window.statusBar()->isSizeGripEnabled());
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
