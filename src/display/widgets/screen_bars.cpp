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
  for (const MenuSpec& entry : mainMenus()) {
    QMenu* menu = bar->addMenu(QString::fromLatin1(entry.caption));
    menu->setObjectName(QString::fromLatin1(entry.name));
    QAction* item = menu->menuAction();
    item->setObjectName(QString::fromLatin1(entry.name));
    applyActionHint(*item, entry.hint);
    item->setEnabled(entry.enabled);
    item->setVisible(entry.visible);
    menus.push_back(menu);
    m_menuActions.push_back(item);
  }
  for (const ActionSpec& entry : menuActions()) {
    // The action holds the key and lives on the window, in no menu.
    auto* action = new QAction(QString::fromLatin1(entry.caption), &window);
    action->setObjectName(QString::fromLatin1(entry.name));
    if (*entry.menuItem) action->setProperty("menuItem", QString::fromLatin1(entry.menuItem));
    if (*entry.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
    applyActionHint(*action, entry.hint);
    action->setCheckable(entry.checkable);
    action->setChecked(entry.checked);
    action->setEnabled(entry.enabled);
    window.addAction(action);
    m_menuActions.push_back(action);
    if (*entry.menuItem == '\0') continue;
    // The item shows the key's name only: one key, one owner.
    QString caption = QString::fromLatin1(entry.caption);
    if (*entry.shortcut) caption += QLatin1Char('\t') + QString::fromLatin1(entry.shortcut);
    auto* item = new QAction(caption, &window);
    item->setObjectName(QString::fromLatin1(entry.menuItem));
    applyActionHint(*item, entry.hint);
    item->setCheckable(entry.checkable);
    item->setChecked(entry.checked);
    item->setEnabled(entry.itemEnabled);
    item->setVisible(entry.itemVisible);
    QObject::connect(item, &QAction::triggered, action, [action] { action->trigger(); });
    for (std::size_t i = 0; i < menus.size(); ++i) {
      if (std::string_view(mainMenus()[i].name) != entry.menu) continue;
      if (entry.separatorBefore) menus[i]->addSeparator();
      menus[i]->addAction(item);
    }
    m_menuActions.push_back(item);
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
