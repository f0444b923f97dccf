#pragma once
// The console screen shown in a main window of its own, drawn once from a
// fresh screen model, and a counter of the paints that follow: what the
// drawing tests and the drawing benchmark both need.

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <cstdint>

#include "display/model/screen_model.h"
#include "display/widgets/console_screen.h"
#include "display/widgets/main_window_frame.h"

namespace bingo::test {

// Counts the paint events the application delivers while it lives.
class PaintCounter : public QObject {
 public:
  PaintCounter() { qApp->installEventFilter(this); }
  ~PaintCounter() override { qApp->removeEventFilter(this); }
  std::int64_t paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

inline void settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

struct ShownScreen {
  QMainWindow window;
  ConsoleScreen* screen = setUpMainWindow(window);
  ScreenModel model;
  ShownScreen() {
    QApplication::setCursorFlashTime(0);  // a blinking edit cursor would repaint on its own
    screen->draw(model);
    window.show();
    settle();
  }
  template <typename T = QLabel>
  T* find(const char* name) {
    return window.findChild<T*>(name);
  }
};

}  // namespace bingo::test
