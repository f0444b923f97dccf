#pragma once
// How the layout's fonts, colours and 8-bit texts become Qt's: the YUSCII
// title font and "MS Sans Serif" are drawn with DejaVu Sans (it has the
// Cyrillic letters), Arial with Liberation Sans; sizes are pixel sizes.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QWidget>
#include <string_view>

#include "display/model/colours.h"
#include "display/model/screen_layout.h"

namespace bingo {

QFont screenFont(FontFace face, int px, bool bold);
inline QColor toQColor(Rgb colour) { return QColor(colour.r, colour.g, colour.b); }

// The text a control shows, converted once here from the system's bytes.
QString screenText(std::string_view bytes, FontFace face, std::uint8_t Jezik);

// Sets the two palette roles only when they differ, so an unchanged colour
// never costs a repaint. Returns whether the widget was touched.
bool setWidgetColours(QWidget& widget, QPalette::ColorRole fgRole, Rgb fg, QPalette::ColorRole bgRole,
                      Rgb bg);

}  // namespace bingo
