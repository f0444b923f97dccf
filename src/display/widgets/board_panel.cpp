#include "display/widgets/board_panel.h"

#include <qdrawutil.h>
#include <QPainter>

namespace bingo {

BoardPanel::BoardPanel(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

void BoardPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect all = rect();
  qDrawWinPanel(&painter, all, palette(), true);                               // the single 3-D border
  qDrawShadePanel(&painter, all.adjusted(2, 2, -2, -2), palette(), true, 1);   // lowered outer bevel
  qDrawShadePanel(&painter, all.adjusted(3, 3, -3, -3), palette(), false, 1);  // raised inner bevel
}

}  // namespace bingo
