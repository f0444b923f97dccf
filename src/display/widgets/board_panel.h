#pragma once
// A board of the console screen: a panel with a single border, a lowered
// outer and a raised inner bevel, filled with its background colour.

#include <QWidget>

namespace bingo {

class BoardPanel : public QWidget {
 public:
  explicit BoardPanel(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace bingo
