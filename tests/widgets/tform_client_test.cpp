// The real main window, offscreen, with fakes for files, ping, clock, shell
// and prompts: ticks are run by hand ([Timer] Interval=0 keeps the timer off).

#include "app/tform_client.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/camera_view.h"
#include "app/screen_dump_file.h"
#include "support/fake_platform.h"

namespace bingo {
namespace {

using test::Record;

struct Window : test::FakePlatform {
  std::unique_ptr<TFormClient> form;

  explicit Window(const Record& record) {
    fs.addTextFile("/opt/bingo/clientbingo.ini", "[Timer]\r\nInterval=0\r\n");
    frame(record);
    form = std::make_unique<TFormClient>(services());
    form->show();
    form->FormShow();
    QApplication::setActiveWindow(form.get());
    static_cast<void>(QTest::qWaitForWindowActive(form.get()));
  }
  std::string labels(std::initializer_list<const char*> names) const {
    QStringList texts;
    for (const char* name : names) texts << form->findChild<QWidget*>(name)->property("text").toString();
    return texts.join('|').toStdString();
  }
  const std::vector<std::string>& memo() { return form->console().screen().memoLines(); }
};

// The dump is written when the screen changed since the last one, and only
// then; without a path never (not even its temporary file).
TEST(ScreenDumpFile, WrittenAfterEachChangeAndNeverWithoutAPath) {
  QTemporaryDir dir;
  const QString before = QDir::currentPath();
  QDir::setCurrent(dir.path());
  ScreenModel model;
  ScreenDumpFile none(""), dump("screen.json");
  std::string seen;
  for (const char* balls : {"1", "1", "2"}) {
    model.setText("LabelLOP", balls);
    none.update(model, 0);
    dump.update(model, 0);
    seen += QFile::remove("screen.json") ? "written " : "kept ";
  }
  EXPECT_EQ(seen + (QFile::exists(".tmp") ? ".tmp" : ""), "written kept written ");
  QDir::setCurrent(before);
}

TEST(TFormClient, TicksDrawTheFrameAndTypedRangesAreCommittedWhenTheLastFieldIsLeft) {
  Window w(Record().price(100).sold(0, 1, 500));
  EXPECT_FALSE(w.form->TimerFrames().isActive());
  EXPECT_EQ(w.labels({"LabelCEN"}), "");
  w.form->TimerFramesTimer();
  w.form->TimerFramesTimer();
  EXPECT_EQ(w.labels({"LabelCEN", "LabelProPoc1", "LabelProEnd1", "LabelMxL", "LblTest_Info_Timer_Count"}),
            "100|1|500||2");
  QLineEdit* poc = w.form->EditKupPoc();
  QLineEdit* end = w.form->EditKupEnd();
  poc->setFocus();
  QTest::keyClicks(poc, "10x");  // the letter never reaches the field
  QTest::keyClick(poc, Qt::Key_Return);
  QTest::keyClicks(end, "2099*09");  // "*" erases the last digit; five characters at most
  EXPECT_EQ(poc->text() + " " + end->text() + (end->hasFocus() ? " in the last field" : ""),
            "10 20909 in the last field");
  QTest::keyClick(end, Qt::Key_Backspace);
  QTest::keyClick(end, Qt::Key_Return);
  EXPECT_EQ(w.memo(), (std::vector<std::string>{"Unesite kupljene tikete", "U: 10 2090"}));  // one commit
  EXPECT_EQ(w.labels({"LabelTkKupPoc1", "LabelTkKupEnd1", "LabelTkKupCount", "EditKupPoc", "EditKupEnd"}),
            "10|2090|2081||");
  EXPECT_TRUE(QTest::qWaitFor([&] { return poc->hasFocus(); }));

  // F3 and the keypad's "-" open the deletion dialogs (their questions: the ticket entry's tests).
  w.prompts.answers = {"10", "19", "30", "39"};
  QTest::keyClick(w.form.get(), Qt::Key_F3);
  EXPECT_EQ(w.labels({"LabelTkKupCount"}), "481");  // and the unsold tickets go
  QTest::keyClick(poc, Qt::Key_Minus);
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.labels({"LabelTkKupCount"}) == "471"; }));

  // Leaving the last field commits once, by Tab (Enter above) or a click, but
  // not when the window or a menu takes the focus.
  for (const auto& [reason, commits] : {std::pair{Qt::MouseFocusReason, 1u},
                                        {Qt::OtherFocusReason, 1u},
                                        {Qt::ActiveWindowFocusReason, 0u},
                                        {Qt::PopupFocusReason, 0u},
                                        {Qt::MenuBarFocusReason, 0u},
                                        {Qt::TabFocusReason, 1u}}) {
    const std::size_t before = w.memo().size();
    poc->setText("40");
    end->setText(QString::number(41 + int(before)));
    if (reason == Qt::TabFocusReason) {
      end->setFocus();
      QTest::keyClick(end, Qt::Key_Tab);
    } else {
      QFocusEvent out(QEvent::FocusOut, reason);
      QApplication::sendEvent(end, &out);
    }
    EXPECT_EQ(w.memo().size() - before, commits) << reason;
  }
}

TEST(TFormClient, TheCloseQuestionTheServersCloseAndErrorsInHandlersAndTheirBoxes) {
  Window w(Record().sold(0, 1, 500));
  EXPECT_TRUE(!w.form->close() && w.form->isVisible());  // No is the default answer
  // An error in a handler is logged and shown, and the ticks go on. Boxes
  // follow one another, never nested: a box is closed only once it has stayed
  // open a whole period, time enough for another to open.
  QStringList shown;
  QWidget* seen = nullptr;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || box != std::exchange(seen, box)) return;
    const QWidgetList top = QApplication::topLevelWidgets();
    shown << box->text() + " " +
                 QString::number(std::ranges::count_if(top, [](QWidget* t) { return t->isVisible(); }));
    box->accept();
    seen = nullptr;
  });
  closer.start(20);
  w.form->EditKupPoc()->setText("1x");  // pasted, not typed
  w.form->EditKupEnd()->setText("5");
  w.form->EditKupEndExit();
  w.form->AppEventsLogException("second");
  EXPECT_TRUE(QTest::qWaitFor([&] { return shown.size() == 2; }));
  // Each box in front of the window alone.
  EXPECT_EQ(shown.join(" | ").toStdString(), "'1x' is not a valid integer value 2 | second 2");
  w.form->TimerFramesTimer();
  EXPECT_EQ(w.labels({"LblTest_Info_Timer_Count"}), "1");
  w.form->TimerFrames().start(1000);
  w.form->terminate();  // the server's close command asks nothing
  EXPECT_FALSE(w.form->TimerFrames().isActive() || w.form->isVisible());
  EXPECT_EQ(w.prompts.asked, std::vector<std::string>{"Izlaz iz programa?"});
  w.form.reset();
  EXPECT_NE(w.fs.text("/opt/bingo/clientbingo.log").find("END Bingo"), std::string::npos);

  // Whatever else a handler throws is logged too.
  struct Throwing : test::FakeNetwork {
    bool Server_Ping(const std::string&) override { throw 7; }
  } network;
  test::FakePlatform p;
  TFormClient form(ConsoleServices{p.fs, p.clock, network, p.shell, p.info, p.prompts, p.kProgram});
  EXPECT_NE(p.fs.text("/opt/bingo/clientbingo.err").find("Unknown error"), std::string::npos);
}

// F5 at start runs Alt S though its menu item is hidden and disabled; "Bub2
// Enable" needs LAN on, and then the Alt S box runs its action (AltS.txt made)
// when clicked, here by its access key, which clicks it a moment later.
TEST(TFormClient, F5AtStartAndTheAltSBoxRunAltSActionsReachTheConsoleAndCheckMarksFollowTheSettings) {
  Window w{Record()};
  EXPECT_TRUE(w.form->EditKupPoc()->hasFocus());
  w.form->findChild<QWidget*>("MemoINFO")->setFocus();
  QTest::keyClick(w.form.get(), Qt::Key_F5);
  auto* box = w.form->findChild<QCheckBox*>("ChkBox_AltS");
  EXPECT_TRUE(w.form->console().config().Bub2AltS &&
              w.form->findChild<QAction*>("mnuBub_AltS")->isChecked() && box->isChecked());
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.form->EditKupPoc()->hasFocus(); }));
  auto* enable = w.form->findChild<QAction*>("acBub_Bub2Enable");
  enable->trigger();  // with LAN off the second drum stays off
  EXPECT_FALSE(enable->isChecked());
  w.form->AppEventsIdle();
  EXPECT_EQ(w.labels({"StatusBarPanel3"}), "06.12.26");
  w.form->findChild<QAction*>("acBub_WB_Show")->trigger();
  EXPECT_TRUE(w.form->console().config().WBShow &&
              w.form->findChild<QWidget*>("WebBrowser_Camera")->isVisible());
  auto* camera = static_cast<CameraView*>(w.form->findChild<QWidget*>("WebBrowser_Camera"));
  camera->layout()->activate();
  EXPECT_EQ(camera->findChild<QWidget*>()->geometry(), camera->rect());  // the page fills the camera's box
  EXPECT_TRUE(camera->address().isLocalFile() &&  // the first camera's page lies beside the program
              camera->address().fileName().toStdString() == w.form->console().config().WBURL0);
  w.form->findChild<QAction*>("acBub_WB_Cam2")->trigger();  // the second camera goes to its address
  EXPECT_EQ(camera->address().toString().toStdString(), w.form->console().config().WBURL1);
  w.form->findChild<QAction*>("acHelp_HwWinVer")->trigger();
  EXPECT_EQ(w.prompts.infos.size(), 1u);
  auto* lan = w.form->findChild<QAction*>("acBub_LAN");
  lan->trigger();
  EXPECT_TRUE(lan->isChecked() && enable->isVisible());
  enable->trigger();
  ASSERT_TRUE(box->isVisible());
  QTest::keyClick(w.form.get(), Qt::Key_S, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.fs.hasFile(w.form->console().config().FilesAltS); }));
  // The key filter swallows other text only in the entry fields (letters: see
  // the typing test); Escape still leaves the menu bar's keyboard mode.
  for (const auto& [focus, swallow] : {std::pair{"EditKupPoc", true}, {"mnuMain", false}}) {
    w.form->findChild<QWidget*>(focus)->setFocus();
    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("\x1b"));
    bool swallowed = false;
    w.form->FormKeyPress(key, swallowed);
    EXPECT_EQ(swallowed, swallow) << focus;
  }
}

}  // namespace
}  // namespace bingo
