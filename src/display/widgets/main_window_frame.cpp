#include "display/widgets/main_window_frame.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <cmath>

#include "display/model/screen_layout.h"
#include "display/widgets/console_screen.h"
#include "display/widgets/qt_look.h"

namespace bingo {

namespace {

// An outer size of the console's Windows (border, caption and menu bar
// included) as the size of this window, which holds the menu bar but not the
// frame the window manager adds.
QSize windowSizeFor(const QMainWindow& window, WindowSize outer) {
  const int menuHeight = window.menuBar() ? window.menuBar()->sizeHint().height() : 0;
  return QSize(outer.width - kWindowFrameExtra.width, outer.height - kWindowFrameExtra.height + menuHeight);
}

}  // namespace

ConsoleScreen* setUpMainWindow(QMainWindow& window) {
  window.setWindowTitle(QString::fromStdString(mainWindowCaption()));
  window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  window.setFont(screenFont(FontFace::SansSerif, kDefaultFontPx, false));
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, toQColor(kBtnFace));
  window.setPalette(palette);

  auto* screen = new ConsoleScreen(&window);
  window.setCentralWidget(screen);
  window.setMenuBar(screen->buildMenuBar(window));
  window.setStatusBar(screen->buildStatusBar(&window));

  window.setMinimumSize(windowSizeFor(window, kMinOuterSize));
  window.setMaximumSize(windowSizeFor(window, kMaxOuterSize));
  window.resize(windowSizeFor(
      window, {kClientSize.width + kWindowFrameExtra.width, kClientSize.height + kWindowFrameExtra.height}));
  return screen;
}

void placeMainWindow(QMainWindow& window, QSize screen) {
  window.move(0, 0);
  window.setFixedSize(windowSizeFor(window, mainWindowSize({screen.width(), screen.height()})));
}

void fitMainWindow(QMainWindow& window, QSize screen) {
  auto* console = dynamic_cast<ConsoleScreen*>(window.centralWidget());
  QMenuBar* menuBar = window.menuBar();
  const QSize design(kClientSize.width, kClientSize.height + menuBar->sizeHint().height());
  LayoutScale scale{fitFactor(design, screen), {}};
  if (console == nullptr || scale.factor <= 1.0) {
    placeMainWindow(window, screen);
    return;
  }
  const QFont font = screenFont(FontFace::SansSerif, scale.px(kDefaultFontPx), false);
  menuBar->setFont(font);
  for (QMenu* menu : menuBar->findChildren<QMenu*>()) menu->setFont(font);
  // The client area lies between the menu bar and the status bar; the layout
  // above the status bar is centred in it.
  const int clientHeight = screen.height() - menuBar->sizeHint().height() - scale.px(kStatusBarRect.height);
  const QSize content(static_cast<int>(std::lround(kClientSize.width * scale.factor)),
                      static_cast<int>(std::lround(kStatusBarRect.top * scale.factor)));
  scale.offset = QPoint(std::max(0, (screen.width() - content.width()) / 2),
                        std::max(0, (clientHeight - content.height()) / 2));
  console->applyScale(scale);
  window.setMinimumSize(0, 0);
  window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  window.move(0, 0);
  window.setFixedSize(screen);
}

}  // namespace bingo
