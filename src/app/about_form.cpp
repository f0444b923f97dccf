#include "app/about_form.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include "display/model/screen_layout.h"
#include "display/widgets/qt_look.h"
#include "platform/folders.h"
#include "platform/sys_info_text.h"

namespace bingo {

namespace {

constexpr QSize kAboutSize{342, 258};

QLabel* label(QWidget* parent, const char* name, const QString& text, QPoint at) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setTextFormat(Qt::PlainText);
  l->adjustSize();
  l->move(at);
  return l;
}

// The title picture, drawn in the current system colours.
QPixmap titlePicture(const QPalette& palette) {
  QPixmap picture(176, 36);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setPen(palette.color(QPalette::Highlight));
  painter.setFont(screenFont(FontFace::SansSerif, 28, true));
  painter.drawText(picture.rect(), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromLatin1(kProductName).toUpper());
  return picture;
}

}  // namespace

TFormAbout::TFormAbout(const SystemInfo& info, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TFormAbout"));
  setWindowTitle(QStringLiteral("About Bingo"));
  setFont(screenFont(FontFace::SansSerif, kDefaultFontPx, false));
  setFixedSize(kAboutSize);

  auto* image = new QLabel(this);
  image->setObjectName(QStringLiteral("ImageAppTitle"));
  image->setPixmap(titlePicture(palette()));
  image->adjustSize();
  image->move(84, 13);

  QLabel* name = label(
      this, "LbAppSKUName",
      QString::fromLatin1(kProductName) + QLatin1Char(' ') + QString::fromLatin1(kProgramVersion), {82, 57});
  name->setFont(screenFont(FontFace::SansSerif, 13, true));
  name->adjustSize();
  label(this, "LbCopyright", QStringLiteral("Bingo hall console client"), {82, 81});

  auto* line = new QFrame(this);
  line->setObjectName(QStringLiteral("BevelLine"));
  line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  line->setGeometry(86, 158, 251, 2);

  label(this, "LbOS", QString::fromStdString(About_OSText(info.osVersion())), {86, 167});
  label(this, "LbMemAvlb", QStringLiteral("Memory Available to Windows:"), {86, 184});
  // Right-aligned: the text grows to the left of its right edge at 329.
  QLabel* memory = label(this, "LbPhysMem",
                         QString::fromStdString(About_PhysMemText(info.physicalMemoryBytes())), {0, 184});
  memory->setAlignment(Qt::AlignRight | Qt::AlignTop);
  memory->move(329 - memory->width(), 184);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setGeometry(256, 223, 75, 25);
  ok->setDefault(true);  // Enter closes the box; Esc does too, as the dialog's cancel
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(kAboutSize.width() / 2, kAboutSize.height() / 2));
  }
}

void About_Show(const SystemInfo& info, QWidget* parent) {
  TFormAbout about(info, parent);
  about.exec();
}

}  // namespace bingo
