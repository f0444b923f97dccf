// A cashier whose only input is a numeric keypad, at a console whose X
// session runs nothing else: the console starts on a bare X server (no window
// manager), nobody clicks, and the keys arrive as the X server delivers them.
// After every range the screen dump must show what a cashier expects.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "hall.h"

namespace bingo::e2e {
namespace {

constexpr Millis kStart{30000};
constexpr Millis kStep{10000};

// Xvfb on a display number it picks itself, and xdotool typing into it.
class XServer {
 public:
  XServer() {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    m_xdotool = QStandardPaths::findExecutable("xdotool");
    if (xvfb.isEmpty() || m_xdotool.isEmpty() || !m_folder.isValid()) return;
    const QString out = m_folder.filePath("xvfb.out");
    m_server = std::make_unique<Child>(
        xvfb, QStringList{"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
        QProcessEnvironment::systemEnvironment(), m_folder.path(), out);
    static const QRegularExpression number(QStringLiteral(R"(^(\d+)$)"), QRegularExpression::MultilineOption);
    waitUntil(kStart, [&] {
      QFile file(out);
      const QRegularExpressionMatch match = file.open(QIODevice::ReadOnly)
                                                ? number.match(QString::fromLatin1(file.readAll()))
                                                : number.match("");
      if (match.hasMatch()) m_display = ":" + match.captured(1);
      return match.hasMatch();
    });
  }

  bool available() const { return !m_xdotool.isEmpty() && m_server != nullptr; }
  const QString& display() const { return m_display; }

  // xdotool's output, trimmed; empty when it failed.
  QString xdotool(const QStringList& arguments) const {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", m_display);
    process.setProcessEnvironment(environment);
    process.start(m_xdotool, arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0) return {};
    return QString::fromLatin1(process.readAllStandardOutput()).trimmed();
  }
  QString focusedWindow() const { return xdotool({"getwindowfocus"}); }

 private:
  QTemporaryDir m_folder;
  QString m_xdotool, m_display;
  std::unique_ptr<Child> m_server;
};

// What the cashier expects the console to show: the bought tickets, the
// sold ones from the server's frame, the memo's entry lines.
struct Expected {
  std::set<int> bought, sold;
  QStringList entryLines;
  int price = 0;

  QString summary() const {
    QStringList ranges;
    for (auto t = bought.begin(); t != bought.end();) {
      auto end = t;
      while (std::next(end) != bought.end() && *std::next(end) == *end + 1) ++end;
      ranges << QString("%1-%2").arg(*t).arg(*end);
      t = std::next(end);
    }
    const auto count = static_cast<int>(bought.size());
    int analysed = 0;
    for (int t : bought) analysed += static_cast<int>(sold.count(t));
    // Before the first ball every analysed ticket misses 5 numbers for a
    // line and 15 for bingo; with none, the figures are 10 and 16.
    const QString waiting = analysed ? QString::number(analysed) : QString();
    return QStringList{"ranges " + ranges.join(' '),
                       "count " + (count ? QString::number(count) : QString()),
                       "amount " + QString::asprintf("%3.0f", double(count) * price),
                       "line " + waiting + "/" + (analysed ? "5" : "10"),
                       "bingo " + waiting + "/" + (analysed ? "15" : "16"),
                       "memo " + entryLines.join('|'),
                       "fields /"}
        .join('\n');
  }
};

QString shown(const ScreenDump& dump) {
  QStringList ranges;
  for (int slot = 1; slot <= 10; ++slot) {
    const QString first =
        dump.text(slot == 3 ? QString("LabelTkKUpPoc3") : QString("LabelTkKupPoc%1").arg(slot));
    if (!first.isEmpty()) ranges << first + "-" + dump.text(QString("LabelTkKupEnd%1").arg(slot));
  }
  const QStringList entries = dump.memoLines().filter(QRegularExpression("^U: "));
  return QStringList{"ranges " + ranges.join(' '),
                     "count " + dump.text("LabelTkKupCount"),
                     "amount " + dump.text("LabelTkKupUplata"),
                     "line " + dump.text("LabelWaitLinCnt") + "/" + dump.text("LabelWaitLinMin"),
                     "bingo " + dump.text("LabelWaitBinCnt") + "/" + dump.text("LabelWaitBinMin"),
                     "memo " + entries.join('|'),
                     "fields " + dump.text("EditKupPoc") + "/" + dump.text("EditKupEnd")}
      .join('\n');
}

// Keys as a keypad sends them: digits, "*" (erase), Enter.
void typeKeypad(const XServer& x, const QString& keys) {
  QStringList arguments{"key", "--delay", "30"};
  for (const QChar c : keys) arguments << (c.isDigit() ? QString(c) : c == '*' ? "KP_Multiply" : "KP_Enter");
  x.xdotool(arguments);
}

// "-", then the first and the last ticket, each into its own box with Enter.
bool deleteRange(const XServer& x, const QString& window, int first, int last) {
  x.xdotool({"key", "KP_Subtract"});
  QString box;
  for (const int number : {first, last}) {
    const QString before = box;
    // Each box has the keyboard before a key goes to it.
    if (!waitUntil(kStep, [&] {
          box = x.focusedWindow();
          // The root window, which holds the focus while no window does, has no name.
          return box != window && box != before && !x.xdotool({"getwindowname", box}).isEmpty();
        }))
      return false;
    typeKeypad(x, QString::number(number) + "\n");
  }
  return waitUntil(kStep, [&] { return x.focusedWindow() == window; });
}

TEST(ConsoleKeypad, RangesTypedFromTheFirstSecondWithoutAWindowManager) {
  XServer x;
  if (!x.available()) GTEST_SKIP() << "Xvfb or xdotool is not installed";
  ASSERT_FALSE(x.display().isEmpty()) << "Xvfb did not start";
  Hall hall;
  ASSERT_TRUE(hall.ready());
  ASSERT_TRUE(hall.makeCards());
  hall.useDisplay(x.display());
  // A long pause before the first ball: the tickets are sold and nothing is drawn.
  ASSERT_TRUE(hall.startSimulator({"--seed", "11", "--pause-ms", "600000"}).started());
  ASSERT_TRUE(hall.startConsole().started());

  Expected expected;
  ASSERT_TRUE(hall.watchDumps(kStart, [&](const ScreenDump& dump) {
    if (dump.text("LabelProPoc1").isEmpty()) return false;
    for (int row = 1; row <= 6; ++row)
      for (int t = dump.number(QString("LabelProPoc%1").arg(row));
           t <= dump.number(QString("LabelProEnd%1").arg(row)); ++t)
        expected.sold.insert(t);
    expected.price = dump.number("LabelCEN");
    return true;
  })) << "the console never showed the server's first frame";
  const QString window = x.xdotool({"search", "--name", "^KVAROLA 2015$"});
  ASSERT_FALSE(window.isEmpty());

  const struct {
    const char* keys;  // an entry; empty: delete the range
    int first, last;
  } steps[] = {
      {"258\n338\n", 258, 338},     {"11289*\n1188\n", 1128, 1188},
      {"1158\n1268\n", 1158, 1268}, {"", 1140, 1150},
      {"20\n30\n", 20, 30},         {"1700\n1705\n", 1700, 1705},
      {"1400\n1410\n", 1400, 1410},
  };
  QString last;
  for (const auto& step : steps) {
    SCOPED_TRACE(QString("%1 %2..%3")
                     .arg(*step.keys ? "entry" : "deletion")
                     .arg(step.first)
                     .arg(step.last)
                     .toStdString());
    if (*step.keys) {
      typeKeypad(x, step.keys);
      for (int t = step.first; t <= step.last; ++t) expected.bought.insert(t);
      expected.entryLines << QString("U: %1 %2").arg(step.first).arg(step.last);
    } else {
      ASSERT_TRUE(deleteRange(x, window, step.first, step.last))
          << "the deletion boxes did not take the keys";
      // A deletion also drops the bought tickets the server has not sold.
      std::erase_if(expected.bought,
                    [&](int t) { return (t >= step.first && t <= step.last) || !expected.sold.count(t); });
    }
    hall.watchDumps(kStep,
                    [&](const ScreenDump& dump) { return (last = shown(dump)) == expected.summary(); });
    ASSERT_EQ(last, expected.summary());
  }
}

}  // namespace
}  // namespace bingo::e2e
