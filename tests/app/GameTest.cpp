// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <vector>

#include "AppFixture.h"
#include "EventLoopClock.h"
#include "Money.h"
#include "Reels.h"

namespace {

// Stops that show 5, 5, 2 on the middle line (pays 2 a coin) with one
// Voltaro symbol and no Power Drain in view.
// Sounds off: the win, power and bonus sounds would hold every spin for
// their whole length.
const QString Silent = QStringLiteral("[Settings]\r\nSound=0\r\n");

void ScriptSmallWin(ScriptedStops& chance) { chance.NextStops(0, 4, 0); }
void ScriptSmallWin(FormFixture& fixture) { ScriptSmallWin(fixture.Stops()); }

// The menu commands that change the game in play.
const std::vector<const char*> GameCommands{"NewGame2", "Open1",         "Save1", "N5001",
                                            "N1001",    "N50c1",         "N25c1", "N10c1",
                                            "N5c1",     "BorrowCredits1"};

// The real window, which keeps the moment of each wheel step and runs
// `midSpin` from the event loop once the wheels are a third of the way.
class SteppedForm : public TForm1 {
 public:
  explicit SteppedForm(SlotEnvironment environment)
      : TForm1(std::move(environment), nullptr,
               [this](FaceView& face) { return std::make_unique<StepWatch>(face, *this); }) {}

  std::vector<std::int64_t> stepTicks;
  std::function<void()> midSpin;

 private:
  class StepWatch : public FaceRelay {
   public:
    StepWatch(FaceView& face, SteppedForm& form) : FaceRelay(face), form_(form) {}
    void ShowWheels(const std::array<int, 3>& positions) override {
      form_.stepTicks.push_back(form_.TickCount());
      if (form_.stepTicks.size() == AnimationSteps / 3 && form_.midSpin)
        QMetaObject::invokeMethod(&form_, form_.midSpin, Qt::QueuedConnection);
      FaceRelay::ShowWheels(positions);
    }

   private:
    SteppedForm& form_;
  };
};

}  // namespace

class GameTest : public QObject {
  Q_OBJECT

 private slots:
  void waitSleepsInTheEventLoopAndKeepsTime() {
    bool handled = false;
    QTimer::singleShot(5, [&handled] { handled = true; });
    const std::int64_t start = SteadyTickCount();
    WaitInEventLoop(start + 50);
    const std::int64_t waited = SteadyTickCount() - start;
    QVERIFY(handled);
    // Only the lower bound is a rule; how late a loaded machine wakes up is
    // for the benchmarks to measure.
    QVERIFY2(waited >= 50, qPrintable(QString::number(waited)));

    // A stop request ends the wait at its next wake-up.
    bool stop = false;
    QTimer::singleShot(10, [&stop] { stop = true; });
    const std::int64_t again = SteadyTickCount();
    WaitInEventLoop(again + 60, &stop);
    QVERIFY(SteadyTickCount() - again >= 60 || stop);

    // A tick already passed still lets pending events run once.
    bool late = false;
    QMetaObject::invokeMethod(
        qApp, [&late] { late = true; }, Qt::QueuedConnection);
    WaitInEventLoop(SteadyTickCount() - 5);
    QVERIFY(late);
  }

  void autoSpinTicks() {
    FormFixture fixture(Silent);
    TForm1& form = fixture.Form();
    GameState& state = form.State();
    QAction* autoSpin = fixture.Item("AutoSpin2");

    // No previous bet: the tick clears the mark and nothing spins.
    autoSpin->trigger();
    QVERIFY(autoSpin->isChecked());
    QVERIFY(form.Timer1->isActive());
    form.Timer1Timer();
    QVERIFY(!autoSpin->isChecked());
    QVERIFY(!form.Timer1->isActive());
    QCOMPARE(state.Spins, 0);

    // Credits below the last bet: the mark clears without a message.
    state.LastBet = 1.00;
    state.Credits = 0.50;
    autoSpin->trigger();
    form.Timer1Timer();
    QVERIFY(!autoSpin->isChecked());
    QCOMPARE(state.Credits, 0.50);
    QVERIFY(fixture.Script().informations.isEmpty());

    // Covered: the tick spins the last bet again and the timer is re-armed.
    state.Credits = 100.00;
    state.LastBet = 0.25;
    autoSpin->trigger();
    ScriptSmallWin(fixture);
    form.Timer1Timer();
    QCOMPARE(state.Spins, 1);
    QCOMPARE(state.Credits, 100.25);
    QVERIFY(autoSpin->isChecked());
    QVERIFY(form.Timer1->isActive());

    // Choosing the item while free spins wait stops the timer and sets the
    // mark as a toggle does.
    autoSpin->trigger();
    QVERIFY(!autoSpin->isChecked());
    QVERIFY(!form.Timer1->isActive());
    // A free spin ends with the timer armed for the next one.
    state.FreeSpins = 4;
    ScriptSmallWin(fixture);
    form.Timer1Timer();
    QCOMPARE(state.FreeSpins, 3);
    QVERIFY(form.Timer1->isActive());
    QVERIFY(!autoSpin->isChecked());
    autoSpin->trigger();
    QVERIFY(autoSpin->isChecked());
    QVERIFY(!form.Timer1->isActive());
  }

  void wholeGameThroughTheButtons() {
    FormFixture fixture(Silent);
    TForm1& form = fixture.Form();
    GameState& state = form.State();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    // Spin without a bet is refused with a message.
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    QCOMPARE(fixture.Script().informations, QStringList{"Please place a bet before spinning."});

    // One coin on line 1, then a small win.
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    QCOMPARE(state.Wager, 0.25);
    QCOMPARE(state.Credits, 999.75);
    ScriptSmallWin(fixture);
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    QCOMPARE(state.Spins, 1);
    QCOMPARE(state.Credits, 1000.25);
    QCOMPARE(state.LastBet, 0.25);
    QCOMPARE(state.PowerPts, 10);
    QVERIFY(form.Button1->isEnabled() && form.BitBtn3->isEnabled());
    QVERIFY(form.Timer3->isActive());

    // Twenty-five coins with "Bet 1": the last one spins at once, feeds the
    // pool, and the Voltaro symbol fills the meter: the bonus.
    state.PowerPts = 90;
    state.BonusPool = 1.00;  // a short pool count
    ScriptSmallWin(fixture);
    for (int coin = 0; coin < 25; ++coin) QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    QCOMPARE(state.Spins, 2);
    QCOMPARE(state.FreeSpins, 7);
    QCOMPARE(state.BonusPool, 0.0);
    // 1000.25 - 6.25 + 2.50 won + 1.25 from the pool.
    QCOMPARE(state.Credits, 997.75);
    QCOMPARE(state.Strip2, std::string(Strip2FreeSpinDigits));
    QVERIFY(form.Timer1->isActive());
    QVERIFY(!fixture.Item("AutoSpin2")->isChecked());

    // Seven free spins, each started by the auto-spin timer.
    for (int free = 1; free <= 7; ++free) {
      QVERIFY(form.Timer1->isActive());
      fixture.Stops().NextStops(0, 0, 0);  // no line wins
      form.Timer1->stop();
      form.Timer1Timer();
      QCOMPARE(state.FreeSpinsPlayed, free);
      QCOMPARE(state.FreeSpins, 7 - free);
      QCOMPARE(state.Credits, 997.75);
    }
    QCOMPARE(state.Spins, 2);
    QVERIFY(!form.Timer1->isActive());
    QCOMPARE(state.BonusPool, 50.0);
    QCOMPARE(state.Strip2, std::string(Strip2NormalDigits));
    QCOMPARE(fixture.Script().informations.size(), 1);
  }

  void closingDuringASpinSettlesItFirst() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    ScriptSmallWin(fixture);
    bool firstCloseAccepted = true;
    QTimer::singleShot(300, &form, [&] { firstCloseAccepted = form.close(); });
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    QVERIFY(!firstCloseAccepted);
    QTRY_VERIFY(!form.isVisible());
    QCOMPARE(SectionValue(fixture.SettingsPath(), "Settings", "Credits"),
             QStringLiteral("1000.25"));
    QCOMPARE(SectionValue(fixture.SettingsPath(), "Settings", "Spins"), QStringLiteral("1"));
    QCOMPARE(SectionValue(fixture.SettingsPath(), "Settings", "PowerPts"), QStringLiteral("10"));
  }

  // Mid-spin, every command that would change the game is disabled, so
  // choosing it neither shows a box nor opens a dialog, and the wheels keep
  // their pace; all come back when the spin has settled. Boxes and dialogs
  // that did open would be held a second, as a player reading them would.
  void gameCommandsWaitDisabledWhileTheWheelsTurn() {
    constexpr int Hold = 1000;
    TestProgramDir program;
    QTemporaryDir settingsDir;
    QStringList boxes;
    QStringList dialogsOpened;
    QList<QPointer<QWidget>> modalsSeen;
    SlotEnvironment environment;
    environment.programDir = program.Path();
    environment.settingsPath = settingsDir.filePath(QStringLiteral("VOLTA.INI"));
    auto stops = std::make_unique<ScriptedStops>();
    ScriptedStops& chance = *stops;
    environment.random = std::move(stops);
    DialogScript script;
    environment.dialogs = script.Dialogs();
    environment.dialogs.information = [&boxes](QWidget*, const QString& text) {
      boxes << text;
      QEventLoop held;
      QTimer::singleShot(Hold, &held, &QEventLoop::quit);
      held.exec();
    };
    {
      QFile ini(environment.settingsPath);
      QVERIFY(ini.open(QIODevice::WriteOnly));
      ini.write(Silent.toUtf8());
    }
    SteppedForm form(std::move(environment));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QTimer watchdog;
    watchdog.setInterval(20);
    connect(&watchdog, &QTimer::timeout, &form, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr ||
          std::find(modalsSeen.begin(), modalsSeen.end(), modal) != modalsSeen.end())
        return;
      modalsSeen << modal;
      dialogsOpened << QString::fromLatin1(modal->metaObject()->className());
      QTimer::singleShot(Hold, modal, [modal] { modal->close(); });
    });
    watchdog.start();

    GameState& state = form.State();
    state.Spins = 3;
    QList<bool> enabledMidSpin;
    form.midSpin = [&] {
      for (const char* name : GameCommands) {
        QAction* item = form.findChild<QAction*>(QString::fromLatin1(name));
        enabledMidSpin << item->isEnabled();
        item->trigger();
      }
    };
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    ScriptSmallWin(chance);
    QTest::mouseClick(form.Button1, Qt::LeftButton);

    QCOMPARE(enabledMidSpin, QList<bool>(GameCommands.size(), false));
    QCOMPARE(boxes, QStringList());
    QCOMPARE(dialogsOpened, QStringList());
    // Every step came on its schedule: none waited for a box to close.
    QCOMPARE(form.stepTicks.size(), std::size_t(AnimationSteps));
    std::int64_t longestGap = 0;
    for (std::size_t i = 1; i < form.stepTicks.size(); ++i)
      longestGap = std::max(longestGap, form.stepTicks[i] - form.stepTicks[i - 1]);
    QVERIFY2(longestGap < Hold, qPrintable(QString::number(longestGap)));

    QCOMPARE(state.Spins, 4);
    QCOMPARE(state.CoinValue, 0.25);
    QCOMPARE(state.Credits, 1000.25);
    for (const char* name : GameCommands)
      QVERIFY2(form.findChild<QAction*>(QString::fromLatin1(name))->isEnabled(), name);
    // Enabled again, they work as before.
    form.findChild<QAction*>(QStringLiteral("N5001"))->trigger();
    QCOMPARE(state.CoinValue, 5.00);
  }

  // Coins placed but not spun come back to the credits when the game
  // closes, in the file and in the next run.
  void unspunCoinsAreKeptAtClose() {
    FormFixture fixture(Silent);
    TForm1& form = fixture.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (int coin = 0; coin < 3; ++coin) QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    QCOMPARE(form.State().Credits, 999.25);
    fixture.Item("Exit1")->trigger();
    QTRY_VERIFY(!form.isVisible());
    QCOMPARE(SectionValue(fixture.SettingsPath(), "Settings", "Credits"),
             QStringLiteral("1000.00"));

    QFile written(fixture.SettingsPath());
    QVERIFY(written.open(QIODevice::ReadOnly));
    FormFixture next(QString::fromUtf8(written.readAll()));
    QCOMPARE(next.Form().State().Credits, 1000.00);
    QCOMPARE(next.Form().State().Wager, 0.0);
  }

  // An amount too large to hold is read at the limit and stays there: a
  // borrow neither wraps it round nor adds to it, and it is written back
  // as it was read.
  void creditsPastTheLimitStopThere() {
    FormFixture fixture(
        QStringLiteral("[Settings]\r\nSound=0\r\nCredits=99999999999999999999\r\n"));
    TForm1& form = fixture.Form();
    GameState& state = form.State();
    QCOMPARE(state.Credits, money::LargestAmount);
    QCOMPARE(form.Rules().Borrow(1000), MoneyMove::Done);
    QCOMPARE(state.Credits, money::LargestAmount);
    QCOMPARE(state.Borrowed, 1000.00);
    QVERIFY(form.close());
    QCOMPARE(SectionValue(fixture.SettingsPath(), "Settings", "Credits"),
             QStringLiteral("9999999999.99"));
    QCOMPARE(SectionValue(fixture.SettingsPath(), "Settings", "Borrowed"),
             QStringLiteral("1000.00"));
  }

  void closingDuringTheBonusCountPaysThePool() {
    FormFixture fixture(Silent);
    TForm1& form = fixture.Form();
    GameState& state = form.State();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    state.PowerPts = 90;
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    ScriptSmallWin(fixture);
    // Close as soon as the pool has begun to flow into the credits.
    QTimer watch;
    watch.setInterval(5);
    connect(&watch, &QTimer::timeout, &form, [&] {
      if (state.BonusPool < 50.0 && state.BonusPool > 0.0) {
        watch.stop();
        form.close();
      }
    });
    watch.start();
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    QTRY_VERIFY(!form.isVisible());
    QVERIFY(!watch.isActive());
    // 1000 - 0.25 + 0.50 won + the whole pool of 50.00.
    QCOMPARE(state.Credits, 1050.25);
    QCOMPARE(SectionValue(fixture.SettingsPath(), "Settings", "Credits"),
             QStringLiteral("1050.25"));
    QVERIFY(!form.Timer1->isActive());
  }
};

QT_TEST_CLASS(GameTest);
#include "GameTest.moc"
