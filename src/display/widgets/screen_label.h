#pragma once
// A label or static text of the console screen. Centred single-line captions
// are painted by their ink, not by their line box: a caption whose line is
// taller than its label (15 px titles in 15 px labels) keeps the caron of
// "VAŠI" and the tops of the Cyrillic capitals, and a caption wider than its
// label (the longer Albanian and Macedonian titles in our fonts) is narrowed
// to fit instead of losing its first and last letters.

#include <QLabel>

namespace bingo {

class ScreenLabel : public QLabel {
 public:
  explicit ScreenLabel(QWidget* parent) : QLabel(parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace bingo
