#include "display/widgets/screen_label.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace bingo {

namespace {

// Narrower than this a caption is no longer legible; it is cut instead.
constexpr double kNarrowestScale = 0.5;

}  // namespace

void ScreenLabel::paintEvent(QPaintEvent* event) {
  const QRect area = contentsRect();
  const QFontMetrics metrics(font());
  const QString shown = text();
  const int advance = metrics.horizontalAdvance(shown);
  const bool ownPainting = !wordWrap() && !shown.isEmpty() && (alignment() & Qt::AlignHCenter) &&
                           (metrics.height() > area.height() || advance > area.width());
  if (!ownPainting) {
    QLabel::paintEvent(event);
    return;
  }

  QPainter painter(this);
  drawFrame(&painter);
  painter.setClipRect(area);
  painter.setPen(palette().color(foregroundRole()));

  // The ink centred; when it is taller than the label its top stays visible.
  const QRect ink = metrics.tightBoundingRect(shown);
  const int baseline = ink.height() > area.height()
                           ? area.top() - ink.top()
                           : area.top() + (area.height() - ink.height()) / 2 - ink.top();
  const double scale =
      advance > area.width() ? std::max(kNarrowestScale, double(area.width()) / advance) : 1.0;
  const double left = area.left() + (area.width() - advance * scale) / 2;
  painter.translate(left, baseline);
  painter.scale(scale, 1.0);
  painter.drawText(0, 0, shown);
}

}  // namespace bingo
