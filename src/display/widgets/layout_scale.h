#pragma once
// How the designed layout stands on a screen: every rectangle and font size of
// the layout tables times one factor, the whole moved by an offset that centres
// it. The widgets are built at the scaled sizes (no bitmap scaling), while the
// screen model and its dump keep the designed coordinates.

#include <QPoint>
#include <QRect>
#include <QSize>

#include "display/model/screen_layout.h"

namespace bingo {

struct LayoutScale {
  double factor = 1.0;  // at least 1: see fitFactor
  QPoint offset;        // of the client area's own controls; children move with their parents

  // Edges are scaled, not sizes, so that cells side by side stay side by side.
  QRect rect(Rect r) const;
  int px(int designPx) const;
};

// The largest factor at which `design` fits inside `available` with its
// proportions kept, never below 1 (a smaller screen keeps the designed size).
double fitFactor(QSize design, QSize available);

}  // namespace bingo
