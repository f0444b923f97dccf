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
  EXPECT_EQ(about.size(), QSize(342, 258));
  EXPECT_EQ(about.minimumSize(), about.maximumSize());
  const auto label = [&](const char* name) { return about.findChild<QLabel*>(name); };
  EXPECT_EQ(label("LbAppSKUName")->text(), "Kvarola 2.3.4-[151031]");
  EXPECT_EQ(label("LbAppSKUName")->pos(), QPoint(82, 57));
  EXPECT_TRUE(label("LbAppSKUName")->font().bold());
  EXPECT_EQ(label("LbAppSKUName")->font().pixelSize(), 13);
  EXPECT_EQ(label("ImageAppTitle")->pos(), QPoint(84, 13));
  EXPECT_EQ(label("LbCopyright")->pos(), QPoint(82, 81));
  EXPECT_EQ(label("LbOS")->text(), "Windows NT 5.1 (Build 2600: Service Pack 3)");
  EXPECT_EQ(label("LbOS")->pos(), QPoint(86, 167));
  EXPECT_EQ(label("LbMemAvlb")->text(), "Memory Available to Windows:");
  EXPECT_EQ(label("LbMemAvlb")->pos(), QPoint(86, 184));
  EXPECT_EQ(label("LbPhysMem")->text(), "2,097,152 KB");
  EXPECT_EQ(label("LbPhysMem")->geometry().right() + 1, 329);
  EXPECT_EQ(label("LbPhysMem")->y(), 184);
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
