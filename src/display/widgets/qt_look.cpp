#include "display/widgets/qt_look.h"

#include "display/model/text_encoding.h"

namespace bingo {

QFont screenFont(FontFace face, int px, bool bold) {
  QFont font(face == FontFace::Arial ? QStringLiteral("Liberation Sans") : QStringLiteral("DejaVu Sans"));
  font.setPixelSize(px);
  font.setBold(bold);
  return font;
}

QString screenText(std::string_view bytes, FontFace face, std::uint8_t Jezik) {
  return QString::fromStdString(displayText(bytes, face == FontFace::Yuscii, Jezik));
}

bool setWidgetColours(QWidget& widget, QPalette::ColorRole fgRole, Rgb fg, QPalette::ColorRole bgRole,
                      Rgb bg) {
  const QColor fgColour = toQColor(fg), bgColour = toQColor(bg);
  const QPalette& current = widget.palette();
  if (current.color(fgRole) == fgColour && current.color(bgRole) == bgColour) return false;
  QPalette palette = current;
  palette.setColor(fgRole, fgColour);
  palette.setColor(bgRole, bgColour);
  widget.setPalette(palette);
  return true;
}

}  // namespace bingo
