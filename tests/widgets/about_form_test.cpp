#include "app/about_form.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "support/fakes.h"

namespace bingo {
namespace {

TEST(AboutBox, ShowsVersionSystemAndMemoryInPlace) {
  test::FakeSystemInfo info;
  info.version = {2, 5, 1, 2600, "Service Pack 3"};
  info.physicalMemory = 2147483648ull;
  TFormAbout about(info);
  EXPECT_EQ(about.windowTitle(), "About Bingo");
  EXPECT_EQ(about.minimumSize(), QSize(342, 258));
  EXPECT_EQ(about.maximumSize(), QSize(342, 258));
  QStringList shown;
  for (const char* name :
       {"LbAppSKUName", "ImageAppTitle", "LbCopyright", "LbOS", "LbMemAvlb", "LbPhysMem"}) {
    const QLabel* label = about.findChild<QLabel*>(name);
    const QRect r = label->geometry();
    shown << QString("%1@%2,%3-%4").arg(label->text()).arg(r.x()).arg(r.y()).arg(r.right() + 1);
  }
  EXPECT_EQ(
      shown.join(" ; ").toStdString(),
      "Kvarola 2.3.4-[151031]@82,57-251 ; @84,13-260 ; Bingo hall console client@82,81-217 ; Windows NT 5.1 "
      "(Build 2600: Service Pack 3)@86,167-333 ; Memory Available to Windows:@86,184-255 ; 2,097,152 "
      "KB@254,184-329");
  EXPECT_TRUE(about.findChild<QLabel*>("LbAppSKUName")->font().bold());
  EXPECT_EQ(about.findChild<QLabel*>("LbAppSKUName")->font().pixelSize(), 13);
  EXPECT_EQ(about.findChild<QFrame*>("BevelLine")->geometry(), QRect(86, 158, 251, 2));
  auto* ok = about.findChild<QPushButton*>("cmdOK");
  EXPECT_EQ(ok->geometry(), QRect(256, 223, 75, 25));
  EXPECT_TRUE(ok->isDefault());
  about.show();
  ok->click();
  EXPECT_FALSE(about.isVisible());
  EXPECT_EQ(about.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace bingo
