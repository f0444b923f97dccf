#include <gtest/gtest.h>

#include <QAction>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextEdit>

#include "display/model/captions.h"
#include "display/model/screen_dump.h"
#include "display/widgets/screen_label.h"
#include "support/shown_screen.h"

namespace bingo {
namespace {

using Shown = test::ShownScreen;

// Each difference between the widgets and the screen model's own dump: every
// control's text, colours, visibility and rectangle, every board and ticket cell, status
// panel and menu item's states.
std::string differences(Shown& s) {
  s.screen->draw(s.model);
  const QJsonObject dump =
      QJsonDocument::fromJson(QByteArray::fromStdString(screenDumpJson(s.model, 0))).object();
  QStringList out;
  // The window lays out its status bar; the camera view draws its own page.
  const QStringList notDrawn{"StatusBar.rect", "WebBrowser_Camera.fg", "WebBrowser_Camera.bg"};
  std::function<void(const QString&, const QJsonValue&)> walk = [&](const QString& name,
                                                                    const QJsonValue& want) {
    if (want.isArray()) {  // cells are named by their indices from 1
      for (int i = 0; i < want.toArray().size(); ++i) walk(name + QString("[%1]").arg(i + 1), want[i]);
      return;
    }
    QJsonObject got;
    if (const auto* a = s.window.findChild<QAction*>(name)) {
      got = {{"enabled", a->isEnabled()}, {"visible", a->isVisible()}, {"checked", a->isChecked()}};
      if (!a->isCheckable()) got.remove("checked");
    } else {
      const QWidget* w = s.window.findChild<QWidget*>(name);
      const bool typed = w->inherits("QLineEdit") || w->inherits("QTextEdit");
      got = {{"text", w->property(w->inherits("QTextEdit") ? "plainText" : "text").toString()},
             {"fg", w->palette().color(typed ? QPalette::Text : QPalette::WindowText).name()},
             {"bg", w->palette().color(typed ? QPalette::Base : QPalette::Window).name()},
             {"visible", !w->isHidden()},
             {"rect", QJsonArray{w->x(), w->y(), w->width(), w->height()}}};
    }
    for (const QString& key : want.toObject().keys())
      if (got.contains(key) && got[key] != want[key] && !notDrawn.contains(name + "." + key))
        out << name + "." + key + "=" + got[key].toVariant().toString();
  };
  for (const char* part : {"controls", "menus"})
    for (const QString& key : dump[part].toObject().keys()) walk(key, dump[part][key]);
  for (const char* cells : {"CifarskaBtn", "TiketNo", "TiketBtn"}) walk(cells, dump[cells]);
  for (int panel = 0; panel < dump["StatusBar"].toArray().size(); ++panel)
    walk(QString("StatusBarPanel%1").arg(panel), QJsonObject{{"text", dump["StatusBar"][panel]}});
  return out.join(' ').toStdString();
}

// Texts and colours set again cost no repaint; after each change of the model
// every widget shows what the dump says: board
// and ticket cells' texts and colours, memo lines and colour, a status panel,
// visibility, menu states, typed text kept by the draws, and then every
// caption of Macedonian (converted to the YUSCII font, the diagnostic labels
// never).
TEST(ScreenDraw, EveryWidgetShowsTheModelsDumpAfterEachChange) {
  Shown s;
  test::PaintCounter counter;
  const std::uint64_t touches = s.screen->touches();
  s.model.setText("LabelLOP", "");  // the update re-assigns the same texts every tick: no repaint
  s.model.setColours("LabelCEN", kRed, k3DLight);
  EXPECT_EQ(differences(s), "");
  test::settle();
  EXPECT_EQ(std::to_string(counter.paints) + " " + std::to_string(s.screen->touches() - touches), "0 0");
  auto* camera = new QWidget(s.screen);  // only the camera's place takes a control of its own
  EXPECT_TRUE(!s.screen->adopt("LabelLOP", camera) && s.screen->adopt("WebBrowser_Camera", camera));
  EXPECT_EQ(s.window.findChildren<QWidget*>("WebBrowser_Camera"), QList<QWidget*>{camera});
  EXPECT_EQ(differences(s), "");
  const std::uint64_t unchanged = s.screen->touches();
  s.model.setBoardCellText(8, "08");
  s.model.paintBoardCell(9, kBlue, kYellow);
  s.model.setTicketHeaderText(2, "  33");
  s.model.paintTicketHeader(2, kRed);
  s.model.setTicketCellText(2, 1, 9, "90");
  s.model.paintTicketCell(2, 1, 9, kGreen, kWhite);
  for (const char* line : {"Unesite kupljene tikete", "NOVO KOLO", "1", "2", "3", "4", "5", "6", "7", "8"})
    s.model.memoAdd(line);
  s.model.setMemoBackground(kRed);
  s.model.setStatusPanel(7, "2.3.4-[151031]");
  s.model.setVisible("LblBIN", true);
  s.model.setVisible("WebBrowser_Camera", true);
  s.model.setMenuVisible("mnuBub", true);
  s.model.setMenuEnabled("mnuBub", true);
  s.model.setMenuChecked("acBub_LAN", true);
  s.find<QWidget>("EditKupPoc")->setProperty("text", "123");  // typed, and kept by the draws
  EXPECT_EQ(differences(s), "EditKupPoc.text=123");
  EXPECT_EQ(s.screen->touches() - unchanged, 15u);  // each changed text, colour and flag once
  // The memo keeps its newest line in view, and nobody types into it.
  auto* memo = s.find<QTextEdit>("MemoINFO");
  EXPECT_TRUE(memo->isReadOnly());
  EXPECT_EQ(s.find<QLabel>("LabelVI")->textFormat(), Qt::PlainText);  // a server's "<" is no markup
  QTextCursor newest(memo->document());
  newest.movePosition(QTextCursor::End);
  EXPECT_TRUE(memo->viewport()->rect().contains(memo->cursorRect(newest))) << memo->cursorRect(newest).y();
  s.model.paintTicketCell(2, 1, 9, kWhite, kGreen);  // the other blink phase
  s.model.paintBoardCell(9, kYellow, kBlue);
  s.model.memoClear();
  s.model.setVisible("LblBIN", false);
  s.model.setText("EditKupPoc", "123");  // as the window tells the model what was typed
  EXPECT_EQ(differences(s), "");
  Captions captions;
  captions.setJezik(3);
  s.model.setJezik(3);
  setCaptionTexts(s.model, captions);
  s.model.setText("LblTest_Info_LAN_Net_Fold_Name", "\\\\bingo^server\\net");
  EXPECT_EQ(differences(s), "");
}

// A centred caption wider than its label stays centred (it is narrowed to fit).
TEST(ScreenDraw, AWideCaptionStaysCentredInItsLabel) {
  ScreenLabel label(nullptr);
  label.setAlignment(Qt::AlignCenter);
  label.setText(QStringLiteral("MMMMMMMM"));
  label.setGeometry(0, 0, 60, 20);
  const QImage image = label.grab().toImage();
  int left = image.width(), right = -1;
  for (int x = 0; x < image.width(); ++x)
    for (int y = 0; y < image.height(); ++y)
      if (qGray(image.pixel(x, y)) < 96) left = std::min(left, x), right = std::max(right, x);
  EXPECT_TRUE(right - left > 30 && std::abs(left - (image.width() - 1 - right)) <= 2) << left << " " << right;
}

}  // namespace
}  // namespace bingo
