// The language file the server leaves in its share picks the captions: the
// Macedonian ones are stored in 7-bit YUSCII and reach the screen in Cyrillic,
// the Albanian ones keep their Windows-1250 letters.

#include <gtest/gtest.h>

#include <QFile>

#include "hall.h"

namespace bingo::e2e {
namespace {

constexpr Millis kFrame{30000};
constexpr Millis kCaptions{30000};

struct LanguageRow {
  const char* letter;
  const char* titleInfo;   // LabelTitleINFO, caption 45
  const char* titleKugla;  // LabelTitleKugla, caption 37
  const char* proLabel;    // LabelPRO_Label, caption 4
};

TEST(ConsoleLanguage, TheSharesLanguageFileChoosesTheCaptions) {
  const LanguageRow rows[] = {
      {"S", "INFORMACIJE", "IZVUCENA LOPTA", "Prodato"},
      {"A", "INFORMATAT", "", "T\u00cb SHITURA"},
      {"M", "\u0418\u041d\u0424\u041e\u0420\u041c\u0410\u0426\u0418\u0418",
       "\u0418\u0417\u0412\u041b\u0415\u0427\u0415\u041d\u0410 \u0422\u041e\u041f\u041a\u0410",
       "\u0422\u0410\u041b\u041e\u041d\u0418"},
  };
  for (const LanguageRow& row : rows) {
    SCOPED_TRACE(row.letter);
    Hall hall;
    ASSERT_TRUE(hall.ready());
    ASSERT_TRUE(hall.makeCards());
    ASSERT_TRUE(hall.startSimulator({"--language", row.letter, "--ball-ms", "1000", "--pause-ms", "60000",
                                     "--games", "1"})
                    .started());
    // The file is in the share before the first frame; the console reads it at start.
    ASSERT_TRUE(waitUntil(kFrame, [&] { return QFile::exists(hall.shareFile("Frame.dat")); }));
    ASSERT_TRUE(QFile::exists(hall.shareFile("cJezik.txt")));
    ASSERT_TRUE(hall.startConsole().started());

    std::optional<ScreenDump> last;
    const bool shown = hall.watchDumps(kCaptions, [&](const ScreenDump& dump) {
      last = dump;
      // From the first tick on, the captions are those of the language.
      return dump.timerCount() >= 2;
    });
    ASSERT_TRUE(shown) << "the console never ticked";
    EXPECT_EQ(last->text("LabelTitleINFO"), QString::fromUtf8(row.titleInfo));
    EXPECT_EQ(last->text("LabelTitleKugla"), QString::fromUtf8(row.titleKugla));
    EXPECT_EQ(last->text("LabelPRO_Label"), QString::fromUtf8(row.proLabel));
  }
}

}  // namespace
}  // namespace bingo::e2e
