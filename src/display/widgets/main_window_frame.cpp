#include "display/widgets/main_window_frame.h"

#include <QMainWindow>
#include <QMenuBar>

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

}  // namespace bingo
