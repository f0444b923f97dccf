#include "display/widgets/layout_scale.h"

#include <algorithm>
#include <cmath>

namespace bingo {

namespace {

int scaled(int value, double factor) { return static_cast<int>(std::lround(value * factor)); }

}  // namespace

QRect LayoutScale::rect(Rect r) const {
  const int left = scaled(r.left, factor), top = scaled(r.top, factor);
  return {left, top, scaled(r.left + r.width, factor) - left, scaled(r.top + r.height, factor) - top};
}

int LayoutScale::px(int designPx) const { return scaled(designPx, factor); }

double fitFactor(QSize design, QSize available) {
  if (design.isEmpty()) return 1.0;
  return std::max(1.0, std::min(static_cast<double>(available.width()) / design.width(),
                                static_cast<double>(available.height()) / design.height()));
}

}  // namespace bingo
