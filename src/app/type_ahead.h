#pragma once
// Type-ahead for a cashier who types without waiting for the screen. Between
// the key that opens a box and the moment that box holds the keyboard, and
// again between a box closing and the next box or the main window taking
// over, the X server still sends keys to the window that had the focus: the
// toolkit drops those that reach a window a box blocks and hands the others
// to the field behind the box. On X, every key of such a span is held back in
// order and handed over once the window it was meant for has the keyboard.

#include <QObject>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace bingo {

class TypeAhead : public QObject {
 public:
  // Watches the program's windows; `window` is the main window, which takes
  // the keys once no box is open. Does nothing off X.
  explicit TypeAhead(QWidget& window);
  ~TypeAhead() override;

  // A key has asked for a box that opens after the key (from a queued call):
  // the keys that follow are held until it opens. `boxDue` marks the moment
  // the queued call runs.
  void expectBox();
  void boxDue();

  struct Native;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::unique_ptr<Native> m_native;
};

}  // namespace bingo
