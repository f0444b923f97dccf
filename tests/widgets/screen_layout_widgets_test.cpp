#include <gtest/gtest.h>

#include <QAction>
#include <QFrame>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <fstream>

#include "app/about_form.h"
#include "support/fakes.h"

#include "display/widgets/main_window_frame.h"

namespace bingo {
namespace {

// Every widget and action of the main window and the About box as the
// widgets carry out the layout (where it puts each control, and every
// caption and menu state, is held by the console tests' reviewed dumps):
// parent, rectangle, the font and border (style and width) the system's faces become, hidden,
// tooltip and status tip; each action's text, key, check, enabled, visible,
// hint; each menu's items and separators. The file was reviewed once;
// BINGO_UPDATE_GOLDEN=1 rewrites it.
QString json(const QJsonArray& values) { return QJsonDocument(values).toJson(QJsonDocument::Compact); }

QString widgetsJson(const QWidget& top) {
  QStringList items;
  for (const QWidget* w : top.findChildren<QWidget*>()) {
    if (w->objectName().isEmpty() || !w->parentWidget()) continue;
    const auto* frame = qobject_cast<const QFrame*>(w);
    const auto* label = qobject_cast<const QLabel*>(w);
    if (const auto* menu = qobject_cast<const QMenu*>(w)) {
      QJsonArray entries{"menu " + menu->objectName()};
      for (const QAction* a : menu->actions()) entries << (a->isSeparator() ? "|" : a->objectName());
      items << json(entries);
    }
    const QRect r = w->geometry();
    const QFont f = w->font();
    items << json({w->objectName(), w->parentWidget()->objectName(), r.x(), r.y(), r.width(), r.height(),
                   f.family(), f.pixelSize(), f.bold(), w->isHidden(), frame ? frame->frameStyle() : -1,
                   frame ? frame->lineWidth() : -1, label ? int(label->alignment()) : -1,
                   w->minimumWidth() == w->maximumWidth(), w->toolTip(), w->statusTip(),
                   label ? label->text() : QString()});
  }
  for (const QAction* a : top.findChildren<QAction*>())
    items << json({a->objectName(), a->text(), a->shortcut().toString(), a->isCheckable(), a->isEnabled(),
                   a->isVisible(), a->isSeparator(), a->statusTip()});
  return "[" + items.join(',') + "]\n";
}

// After the About box and the window as designed: the window's frame on a
// large and a small screen, then fitted to a screen smaller than the design
// (kept) and to a larger one (scaled with its proportions, centred).
TEST(ScreenWidgets, EveryWidgetAndActionCarriesOutTheLayoutOnEveryScreen) {
  QMainWindow window;
  setUpMainWindow(window);
  test::FakeSystemInfo info;
  info.version = {2, 5, 1, 2600, "Service Pack 3"};
  info.physicalMemory = 2147483648ull;
  TFormAbout about(info);
  const auto size = [](QSize s) { return QString("%1x%2").arg(s.width()).arg(s.height()); };
  // The About box keeps its size (its centring and OK button show at once to whoever opens it).
  QString actual = widgetsJson(about) +
                   json({about.windowTitle(), size(about.minimumSize()), size(about.maximumSize())}) + "\n" +
                   widgetsJson(window);
  about.findChild<QPushButton*>("cmdOK")->click();  // as Enter does
  EXPECT_EQ(about.result(), QDialog::Accepted);
  const auto frame = [&](const QString& how) {
    actual += json({how, window.windowTitle(), size(window.size()), size(window.minimumSize()),
                    size(window.maximumSize()), size(window.findChild<QWidget*>("LabelLOP")->size()),
                    int(window.windowFlags())}) +
              "\n";
  };
  frame("as designed");
  for (const auto& [fit, screen] : {std::pair{false, QSize(1280, 1024)},
                                    {false, QSize(800, 600)},
                                    {true, QSize(800, 600)},
                                    {true, QSize(1920, 1080)}}) {
    fit ? fitMainWindow(window, screen) : placeMainWindow(window, screen);
    frame((fit ? "fitted to " : "placed on ") + size(screen));
  }
  actual += widgetsJson(window);
  const std::string path = BINGO_WIDGETS_TESTDATA "/widgets.json";
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
  EXPECT_FALSE(window.statusBar()->isSizeGripEnabled());
}

}  // namespace
}  // namespace bingo
