#include <QAction>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "AppFixture.h"
#include "EventLoopClock.h"
#include "Reels.h"

namespace {

// Stops that show 5, 5, 2 on the middle line (pays 2 a coin) with one
// Voltaro symbol and no Power Drain in view.
// Sounds off: the win, power and bonus sounds would hold every spin for
// their whole length.
const QString Silent = QStringLiteral("[Settings]\r\nSound=0\r\n");

void ScriptSmallWin(FormFixture& fixture) { fixture.Stops().NextStops(0, 4, 0); }

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
    state.FreeSpins = 3;
    form.Timer1->start();
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

  void moneyCommandsFromTheMenuWaitForTheWheels() {
    FormFixture fixture(Silent);
    TForm1& form = fixture.Form();
    GameState& state = form.State();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    state.Spins = 3;
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    ScriptSmallWin(fixture);
    // Both commands arrive while the wheels turn.
    QTimer::singleShot(200, &form, [&] {
      fixture.Item("NewGame2")->trigger();
      fixture.Item("N5001")->trigger();
    });
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    QCOMPARE(fixture.Script().informations,
             QStringList(2, QStringLiteral("Please wait until the wheels have stopped.")));
    QCOMPARE(state.Spins, 4);
    QCOMPARE(state.CoinValue, 0.25);
    QCOMPARE(state.Credits, 1000.25);
    QVERIFY(fixture.Item("N25c1")->isChecked());
    QVERIFY(!fixture.Item("N5001")->isChecked());
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

QTEST_MAIN(GameTest)
#include "GameTest.moc"
