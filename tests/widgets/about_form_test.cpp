#include "app/about_form.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "support/fakes.h"

namespace bingo {
namespace {

// Where its labels stand and what they say is in the reviewed widget dump.
TEST(AboutBox, IsAFixedBoxThatOkCloses) {
  test::FakeSystemInfo info;
  TFormAbout about(info);
  EXPECT_EQ(about.windowTitle(), "About Bingo");
  EXPECT_EQ(about.minimumSize(), QSize(342, 258));
  EXPECT_EQ(about.maximumSize(), QSize(342, 258));
  // Centred on the screen.
  EXPECT_EQ(about.pos(), QGuiApplication::primaryScreen()->availableGeometry().center() - QPoint(171, 129));
  auto* ok = about.findChild<QPushButton*>("cmdOK");
  EXPECT_TRUE(ok->isDefault());
  about.show();
  ok->click();
  EXPECT_FALSE(about.isVisible());
  EXPECT_EQ(about.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace bingo
