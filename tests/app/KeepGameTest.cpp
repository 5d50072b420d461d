// SPDX-License-Identifier: GPL-3.0-or-later
// The game is in the file before it is shown: a spin's settled result before
// its wheels turn, coins within a second, a free-spin round across a close.
#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "AppFixture.h"
#include "FaceRelay.h"
#include "MachineFace.h"
#include "Reels.h"

namespace {

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Value(const QString& path, const char* key) {
  return SectionValue(path, QStringLiteral("Settings"), QString::fromLatin1(key));
}

// The real window over a settings file of its own, which runs `atFirstStep`
// when the first wheel step of a spin is drawn.
class WatchedGame {
 public:
  explicit WatchedGame(const QString& ini) {
    settingsPath_ = settingsDir_.filePath(QStringLiteral("VOLTA.INI"));
    QFile file(settingsPath_);
    if (file.open(QIODevice::WriteOnly)) file.write(ini.toUtf8());
    file.close();
    SlotEnvironment environment;
    environment.programDir = program_.Path();
    environment.settingsPath = settingsPath_;
    auto stops = std::make_unique<ScriptedStops>();
    stops_ = stops.get();
    environment.random = std::move(stops);
    environment.dialogs = script_.Dialogs();
    form_ = std::make_unique<TForm1>(std::move(environment), nullptr, [this](FaceView& face) {
      return std::make_unique<FirstStepWatch>(face, *this);
    });
  }

  TForm1& Form() { return *form_; }
  ScriptedStops& Stops() { return *stops_; }
  const QString& SettingsPath() const { return settingsPath_; }
  std::function<void()> atFirstStep;

 private:
  class FirstStepWatch : public FaceRelay {
   public:
    FirstStepWatch(FaceView& face, WatchedGame& game) : FaceRelay(face), game_(game) {}
    void DrawCountReadout(CountReadout which, int value) override {
      // A spin is counted before its wheels turn; its first step comes next.
      armed_ = which != CountReadout::SpinFree;
      FaceRelay::DrawCountReadout(which, value);
    }
    void ShowWheels(const std::array<int, 3>& positions) override {
      if (armed_ && game_.atFirstStep) game_.atFirstStep();
      armed_ = false;
      FaceRelay::ShowWheels(positions);
    }

   private:
    WatchedGame& game_;
    bool armed_ = false;
  };

  TestProgramDir program_;
  QTemporaryDir settingsDir_;
  QString settingsPath_;
  DialogScript script_;
  ScriptedStops* stops_ = nullptr;
  std::unique_ptr<TForm1> form_;
};

}  // namespace

class KeepGameTest : public QObject {
  Q_OBJECT

 private slots:
  // At the first wheel step the file already holds the spin as it will end,
  // and a game started from that file (as after a kill) shows it so.
  void theSettledSpinIsInTheFileBeforeTheWheelsMove() {
    WatchedGame game(QStringLiteral("[Settings]\r\nSound=0\r\nPowerPts=80\r\nBonusPool=1.00\r\n"));
    TForm1& form = game.Form();
    const GameState& state = Probe(form).State();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QByteArray atFirstStep;
    double creditsShown = 0;
    game.atFirstStep = [&] {
      atFirstStep = FileBytes(game.SettingsPath());
      creditsShown = Probe(form).Shown().Credits;
    };
    QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
    ScriptSmallWin(game.Stops());
    QTest::mouseClick(WindowButton(form, "Button1"), Qt::LeftButton);
    QVERIFY(PlayOut(form));
    QVERIFY(!atFirstStep.isEmpty());
    // The wheels had not stopped: the credits shown were still without the win.
    QCOMPARE(creditsShown, 999.75);
    FormFixture killed(QString::fromUtf8(atFirstStep));
    const GameState& next = Probe(killed.Form()).State();
    QCOMPARE(next.Credits, 1000.25);
    QCOMPARE(next.Spins, 1);
    QCOMPARE(next.PowerPts, 90);
    QCOMPARE(next.Wager, 0.0);
    // The records hold the spin too; the game goes on, so no game is added.
    QCOMPARE(Probe(killed.Form()).Records().paidSpins.value, 1);
    QCOMPARE(Probe(killed.Form()).Records().biggestWin.value, 0.50);
    QCOMPARE(Probe(killed.Form()).Records().games.value, 1);

    // Bet Max fills the meter: before the wheels turn the file holds the
    // pool paid, the seven free spins and the bet they replay.
    atFirstStep.clear();
    ScriptSmallWin(game.Stops());
    QTest::mouseClick(WindowButton(form, "BitBtn2"), Qt::LeftButton);
    QVERIFY(PlayOut(form));
    QCOMPARE(state.FreeSpins, 7);
    QVERIFY(!atFirstStep.isEmpty());
    FormFixture killedInBonus(QString::fromUtf8(atFirstStep));
    const GameState& resumed = Probe(killedInBonus.Form()).State();
    QCOMPARE(resumed.Credits, state.Credits);
    QCOMPARE(resumed.BonusPool, 0.0);
    QCOMPARE(resumed.FreeSpins, 7);
    QCOMPARE(resumed.LastBet, 6.25);
    QVERIFY(WindowTimer(killedInBonus.Form(), "Timer1")->isActive());
    const double poolPaid = resumed.History.Plays().front().poolPaid;
    QVERIFY(poolPaid > 0);
    QCOMPARE(Probe(killedInBonus.Form()).Records().biggestBonus.value, poolPaid);
    QCOMPARE(Probe(killedInBonus.Form()).Records().paidSpins.value, 2);
  }

  // Time played counts while the window is shown and not minimised, and is
  // in the file from the next write on.
  void timePlayedCountsOnlyWhileTheWindowIsInView() {
    FormFixture fixture(Silent);
    TForm1& form = fixture.Form();
    QElapsedTimer inView;
    inView.start();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(1100);
    form.showMinimized();
    const qint64 shownFor = inView.elapsed();
    QTest::qWait(1500);
    form.showNormal();
    form.close();
    const PlayerRecords& records = Probe(form).Records();
    // Counted at least the second in view; the minimised time would have
    // added one more.
    QVERIFY2(records.timePlayed.value >= 1 && records.timePlayed.value <= shownFor / 1000,
             qPrintable(QString::number(records.timePlayed.value)));
    QVERIFY(SectionValue(fixture.SettingsPath(), "Records", "TimePlayed")
                .startsWith(QString::number(records.timePlayed.value) + ", "));
  }

  // Coins on the table reach the file within a second of the first, in one
  // write; a game started from it gives them back to the credits.
  void coinsPlacedAreWrittenSoon() {
    FormFixture fixture(Silent);
    TForm1& form = fixture.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (int coin = 0; coin < 3; ++coin)
      QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
    // Not a write a coin: nothing yet.
    QCOMPARE(Value(fixture.SettingsPath(), "Wager"), QString());
    QTRY_COMPARE(Value(fixture.SettingsPath(), "Wager"), QStringLiteral("0.75"));
    QCOMPARE(Value(fixture.SettingsPath(), "Credits"), QStringLiteral("999.25"));

    FormFixture next(QString::fromUtf8(FileBytes(fixture.SettingsPath())));
    QCOMPARE(Probe(next.Form()).State().Credits, 1000.00);
    QCOMPARE(Probe(next.Form()).State().Wager, 0.0);
  }

  // A file that cannot be written is told once, after the spin, and play
  // goes on with the title saying the game is not being saved; once a write
  // succeeds the title is the game's own again, and a later failure is told
  // anew. The close tells it again, as it always has.
  void aWriteFailureIsToldOnceAndPlayGoesOn() {
    FormFixture fixture(Silent);
    TForm1& form = fixture.Form();
    QStringList boxes;
    QList<bool> busyAtBox;
    Probe(form).Dialogs().information = [&](QWidget*, const QString& text) {
      boxes << text;
      busyAtBox << Probe(form).Busy();
    };
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(QFile::setPermissions(fixture.SettingsPath(), QFile::ReadOwner | QFile::ReadGroup));
    const QString failure = QStringLiteral("Unable to write to ") + fixture.SettingsPath();

    for (int spin = 1; spin <= 3; ++spin) {
      QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
      ScriptSmallWin(fixture.Stops());
      QTest::mouseClick(WindowButton(form, "Button1"), Qt::LeftButton);
      QVERIFY(PlayOut(form));
      QCOMPARE(Probe(form).State().Spins, spin);
      QCOMPARE(boxes, QStringList{failure});
      QCOMPARE(form.windowTitle(), QStringLiteral("Voltaro Slots (not saved)"));
    }
    QCOMPARE(Probe(form).State().Credits, 1000.75);
    QCOMPARE(busyAtBox, QList<bool>{false});

    // Writable again: the next spin is kept and the title says so.
    QVERIFY(QFile::setPermissions(fixture.SettingsPath(), QFile::ReadOwner | QFile::WriteOwner));
    QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
    ScriptSmallWin(fixture.Stops());
    QTest::mouseClick(WindowButton(form, "Button1"), Qt::LeftButton);
    QVERIFY(PlayOut(form));
    QCOMPARE(form.windowTitle(), QStringLiteral("Voltaro Slots"));
    QCOMPARE(Value(fixture.SettingsPath(), "Spins"), QStringLiteral("4"));
    QCOMPARE(boxes, QStringList{failure});

    QVERIFY(QFile::setPermissions(fixture.SettingsPath(), QFile::ReadOwner | QFile::ReadGroup));
    NewGameAndBorrowStillWork(fixture);
    QCOMPARE(boxes, (QStringList{failure, failure}));
    QCOMPARE(form.windowTitle(), QStringLiteral("Voltaro Slots (not saved)"));

    fixture.Item("Exit1")->trigger();
    QTRY_VERIFY(!form.isVisible());
    QCOMPARE(boxes, (QStringList{failure, failure, failure}));
    QCOMPARE(Value(fixture.SettingsPath(), "Spins"), QStringLiteral("4"));
  }

  // Closed between free spins, the game starts again in the same round: the
  // spins left, the bet they replay and the pool as it stood; the round's
  // end seeds the pool as before.
  void aFreeSpinRoundResumesAfterAClose() {
    FormFixture fixture(
        QStringLiteral("[Settings]\r\nSound=0\r\nPowerPts=90\r\nBonusPool=1.00\r\n"));
    TForm1& form = fixture.Form();
    const GameState& state = Probe(form).State();
    // Timer1's tick on cue; the free spins play out at once, as nobody
    // needs to watch them here.
    const auto tick = [](TForm1& window) {
      WindowTimer(window, "Timer1")->stop();
      FireTimer(window, "Timer1");
      HurryOut(window);
    };
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (int coin = 0; coin < 5; ++coin)
      QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
    ScriptSmallWin(fixture.Stops());
    QTest::mouseClick(WindowButton(form, "Button1"), Qt::LeftButton);
    QVERIFY(PlayOut(form));
    QCOMPARE(state.FreeSpins, 7);
    for (int free = 0; free < 2; ++free) {
      fixture.Stops().NextStops(0, 0, 0);
      tick(form);
    }
    QCOMPARE(state.FreeSpins, 5);
    const double credits = state.Credits;
    fixture.Item("Exit1")->trigger();
    QTRY_VERIFY(!form.isVisible());
    QCOMPARE(Value(fixture.SettingsPath(), "FreeSpins"), QStringLiteral("5"));
    QCOMPARE(Value(fixture.SettingsPath(), "FreeSpinBet"), QStringLiteral("1.25"));
    QCOMPARE(Value(fixture.SettingsPath(), "FreeSpinsPlayed"), QStringLiteral("2"));

    FormFixture next(QString::fromUtf8(FileBytes(fixture.SettingsPath())));
    TForm1& again = next.Form();
    const GameState& resumed = Probe(again).State();
    QCOMPARE(resumed.FreeSpins, 5);
    QCOMPARE(resumed.FreeSpinsPlayed, 2);
    QCOMPARE(resumed.LastBet, 1.25);
    QCOMPARE(resumed.BonusPool, 0.0);
    QCOMPARE(resumed.Credits, credits);
    QCOMPARE(resumed.Strip2, std::string(Strip2FreeSpinDigits));
    QVERIFY(WindowTimer(again, "Timer1")->isActive());
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    // The face shows the round: the spins left in the SPIN FREE readout.
    QVERIFY2(FaceOf(again).Description().contains(QStringLiteral("free spins left 5")),
             qPrintable(FaceOf(again).Description()));
    for (int free = 0; free < 5; ++free) {
      next.Stops().NextStops(0, 0, 0);
      tick(again);
    }
    QCOMPARE(resumed.FreeSpins, 0);
    QCOMPARE(resumed.FreeSpinsPlayed, 7);
    QCOMPARE(resumed.Credits, credits);
    QCOMPARE(resumed.BonusPool, 50.00);
    QCOMPARE(resumed.Strip2, std::string(Strip2NormalDigits));
    QVERIFY(!WindowTimer(again, "Timer1")->isActive());
  }

 private:
  static void NewGameAndBorrowStillWork(FormFixture& fixture) {
    TForm1& form = fixture.Form();
    fixture.Item("NewGame2")->trigger();
    QCOMPARE(Probe(form).State().Credits, 1000.00);
    QCOMPARE(Probe(form).Borrow(50), MoneyMove::Done);
    QCOMPARE(Probe(form).State().Credits, 1050.00);
  }
};

QT_TEST_CLASS(KeepGameTest);
#include "KeepGameTest.moc"
