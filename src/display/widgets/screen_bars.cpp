// The menu bar and the status bar of the console screen, built from the
// menu table and the status-panel widths.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "display/model/menu_table.h"
#include "display/widgets/console_screen.h"
#include "display/widgets/qt_look.h"

namespace bingo {

namespace {

void applyActionHint(QAction& action, const char* hint) {
  const QString text = QString::fromLatin1(hint);
  if (text.isEmpty()) return;
  action.setStatusTip(text.section(QLatin1Char('|'), -1));
  action.setToolTip(text.section(QLatin1Char('|'), 0, 0));
}

}  // namespace

QMenuBar* ConsoleScreen::buildMenuBar(QWidget& window) {
  auto* bar = new QMenuBar(&window);
  bar->setObjectName(QString::fromLatin1(kMainMenuName));
  m_menuActions.clear();

  std::vector<QMenu*> menus;
  for (const MenuSpec& spec : mainMenus()) {
    QMenu* menu = bar->addMenu(QString::fromLatin1(spec.caption));
    menu->setObjectName(QString::fromLatin1(spec.name));
    QAction* item = menu->menuAction();
    item->setObjectName(QString::fromLatin1(spec.name));
    applyActionHint(*item, spec.hint);
    item->setEnabled(spec.enabled);
    item->setVisible(spec.visible);
    menus.push_back(menu);
    m_menuActions.push_back(item);
  }
  for (const ActionSpec& spec : menuActions()) {
    auto* action = new QAction(QString::fromLatin1(spec.caption), &window);
    action->setObjectName(QString::fromLatin1(spec.name));
    if (*spec.menuItem) action->setProperty("menuItem", QString::fromLatin1(spec.menuItem));
    if (*spec.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(spec.shortcut)));
    applyActionHint(*action, spec.hint);
    action->setCheckable(spec.checkable);
    action->setChecked(spec.checked);
    action->setEnabled(spec.enabled);
    action->setVisible(spec.visible);
    window.addAction(action);
    for (std::size_t i = 0; i < menus.size(); ++i) {
      if (std::string_view(mainMenus()[i].name) != spec.menu) continue;
      if (spec.separatorBefore) menus[i]->addSeparator();
      menus[i]->addAction(action);
    }
    m_menuActions.push_back(action);
  }
  m_drawnModel = nullptr;  // the next draw sets every state afresh
  return bar;
}

QStatusBar* ConsoleScreen::buildStatusBar(QWidget* parent) {
  auto* bar = new QStatusBar(parent);
  bar->setObjectName(QStringLiteral("StatusBar"));
  bar->setSizeGripEnabled(false);
  bar->setFixedHeight(kStatusBarRect.height);
  bar->setFont(screenFont(FontFace::SansSerif, kDefaultFontPx, false));
  for (std::size_t panel = 0; panel < kStatusPanelCount; ++panel) {
    auto* label = new QLabel(bar);
    label->setObjectName(QStringLiteral("StatusBarPanel%1").arg(panel));
    label->setTextFormat(Qt::PlainText);
    label->setFixedWidth(kStatusPanelWidths[panel]);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(panel == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    bar->addWidget(label);
    m_statusPanels[panel] = label;
  }
  m_drawnModel = nullptr;
  return bar;
}

}  // namespace bingo
