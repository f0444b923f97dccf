// A cashier whose only input is a numeric keypad, at a console whose X
// session runs nothing else: the console starts on a bare X server (no window
// manager), nobody clicks, and the keys arrive as the X server delivers them.
// After every range the screen dump must show what a cashier expects.

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include "hall.h"

namespace bingo::e2e {
namespace {

constexpr Millis kStep{10000};

// Xvfb on a display number it picks itself, and xdotool typing into it.
struct XServer {
  QTemporaryDir folder;
  QString xdotoolPath = QStandardPaths::findExecutable("xdotool"), display;
  std::unique_ptr<Child> server;

  XServer() {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb"), out = folder.filePath("xvfb.out");
    if (xvfb.isEmpty() || xdotoolPath.isEmpty()) return;
    server = std::make_unique<Child>(
        xvfb, QStringList{"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
        QProcessEnvironment::systemEnvironment(), folder.path(), out);
    waitUntil(Millis(30000), [&] {
      QFile file(out);
      const QString text = file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : "";
      if (text.endsWith('\n')) display = ":" + text.trimmed();
      return !display.isEmpty();
    });
  }
  // xdotool's output, trimmed; empty when it failed.
  QString xdotool(const QStringList& arguments) const {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", display);
    process.setProcessEnvironment(environment);
    process.start(xdotoolPath, arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0) return {};
    return QString::fromLatin1(process.readAllStandardOutput()).trimmed();
  }
  // Keys as a keypad sends them: digits, "*" (erase), "-", Enter.
  void type(const QString& keys) const {
    QStringList arguments{"key", "--delay", "30"};
    for (const QChar c : keys)
      arguments << (c.isDigit() ? QString(c)
                    : c == '*'  ? "KP_Multiply"
                    : c == '-'  ? "KP_Subtract"
                                : "KP_Enter");
    xdotool(arguments);
  }
};

// What the dump shows of the entry: ranges, count, amount, the near-win
// figures, the memo's "U: " lines and the two fields.
QString shown(const Dump& dump) {
  QStringList ranges;
  for (int slot = 1; slot <= 10; ++slot)
    if (const QString first = dump.text(slot == 3 ? "LabelTkKUpPoc3" : QString("LabelTkKupPoc%1").arg(slot));
        !first.isEmpty())
      ranges << first + "-" + dump.text(QString("LabelTkKupEnd%1").arg(slot));
  return QStringList{ranges.join(' '),
                     dump.text("LabelTkKupCount"),
                     dump.text("LabelTkKupUplata"),
                     dump.text("LabelWaitLinCnt") + "/" + dump.text("LabelWaitLinMin"),
                     dump.text("LabelWaitBinCnt") + "/" + dump.text("LabelWaitBinMin"),
                     dump.memo().filter(QRegularExpression("^U: ")).join('|'),
                     dump.text("EditKupPoc") + "/" + dump.text("EditKupEnd")}
      .join(" ; ");
}

TEST(ConsoleKeypad, RangesTypedFromTheFirstSecondWithoutAWindowManager) {
  XServer x;
  if (!x.server) GTEST_SKIP() << "Xvfb or xdotool is not installed";
  ASSERT_FALSE(x.display.isEmpty()) << "Xvfb did not start";
  Hall hall("localhost", x.display);
  ASSERT_TRUE(hall.ready && hall.makeCards());
  // A long pause before the first ball: the tickets are sold (seed 11: not
  // 258-338 nor 1181-1268) at 100 each, and nothing is drawn.
  ASSERT_TRUE(hall.startSimulator({"--seed", "11", "--pause-ms", "600000"}).started);
  ASSERT_TRUE(hall.startConsole().started);
  ASSERT_TRUE(hall.watch(Millis(30000), [&](const Dump& dump) {
    return !dump.text("LabelProPoc1").isEmpty();
  })) << "the console never showed the server's first frame";
  const QString window = x.xdotool({"search", "--name", "^KVAROLA 2015$"});
  ASSERT_FALSE(window.isEmpty());

  // An entry, or "-" and a deletion in two boxes (which also drops the bought
  // tickets the server has not sold); "*" erases the digit before it. Before
  // the first ball every analysed ticket misses 5 numbers for a line and 15
  // for bingo; with none, the figures are 10 and 16.
  const struct {
    const char *keys, *entry, *shown;
  } steps[] = {
      {"258\n338\n", "258 338", "258-338 ; 81 ; 8100 ; /10 ; /16"},
      {"11289*\n1188\n", "1128 1188", "258-338 1128-1188 ; 142 ; 14200 ; 53/5 ; 53/15"},
      {"1158\n1268\n", "1158 1268", "258-338 1128-1268 ; 222 ; 22200 ; 53/5 ; 53/15"},
      {"-1140\n1150\n", nullptr, "1128-1139 1151-1180 ; 42 ; 4200 ; 42/5 ; 42/15"},
      {"20\n30\n", "20 30", "20-30 1128-1139 1151-1180 ; 53 ; 5300 ; 53/5 ; 53/15"},
      {"1700\n1705\n", "1700 1705", "20-30 1128-1139 1151-1180 1700-1705 ; 59 ; 5900 ; 59/5 ; 59/15"},
      {"1400\n1410\n", "1400 1410",
       "20-30 1128-1139 1151-1180 1400-1410 1700-1705 ; 70 ; 7000 ; 70/5 ; 70/15"},
  };
  QStringList entries;
  for (const auto& step : steps) {
    SCOPED_TRACE(step.keys);
    if (step.entry) {
      x.type(step.keys);
      entries << QString("U: ") + step.entry;
    } else {
      x.type("-");
      QString box;
      for (const QString& number : QString(step.keys + 1).split('\n', Qt::SkipEmptyParts)) {
        // Each box has the keyboard before a key goes to it; the root window,
        // which holds the focus while no window does, has no name.
        const QString before = box;
        ASSERT_TRUE(waitUntil(kStep, [&] {
          box = x.xdotool({"getwindowfocus"});
          return box != window && box != before && !x.xdotool({"getwindowname", box}).isEmpty();
        })) << "no deletion box took the keyboard";
        x.type(number + "\n");
      }
      ASSERT_TRUE(waitUntil(kStep, [&] { return x.xdotool({"getwindowfocus"}) == window; }));
    }
    const QString expected = QString(step.shown) + " ; " + entries.join('|') + " ; /";
    QString last;
    hall.watch(kStep, [&](const Dump& dump) { return (last = shown(dump)) == expected; });
    ASSERT_EQ(last.toStdString(), expected.toStdString());
  }
}

}  // namespace
}  // namespace bingo::e2e
