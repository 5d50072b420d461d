// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

#include "AppFixture.h"
#include "FaceRelay.h"
#include "MachineFace.h"
#include "Money.h"
#include "PlanPlayer.h"
#include "Reels.h"
#include "Timings.h"

namespace {

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
               [this](FaceView& face) { return std::make_unique<StepWatch>(face, *this); }) {
    // A slow disk: each write of the settings file takes keepCost longer.
    connect(FindInWindow<GameSession>(*this, "GameSession"), &GameSession::Written, this, [this] {
      QThread::msleep(static_cast<unsigned long>(keepCost));
      keptAt = SteadyTickCount();
    });
  }

  std::vector<std::int64_t> stepTicks;
  std::function<void()> midSpin;
  // Milliseconds each wheel picture takes to draw, the spin's start before
  // its write (the lamps stop blinking) and the write to the file, on top of
  // the real cost; when the spin's write ended.
  int drawingCost = 0;
  int startCost = 0;
  int keepCost = 0;
  std::int64_t keptAt = 0;

  void SetBlinking(bool on) override {
    QThread::msleep(static_cast<unsigned long>(startCost));
    TForm1::SetBlinking(on);
  }

 private:
  class StepWatch : public FaceRelay {
   public:
    StepWatch(FaceView& face, SteppedForm& form) : FaceRelay(face), form_(form) {}
    void ShowWheels(const std::array<int, 3>& positions) override {
      form_.stepTicks.push_back(SteadyTickCount());
      if (form_.stepTicks.size() == AnimationSteps / 3 && form_.midSpin)
        QMetaObject::invokeMethod(&form_, form_.midSpin, Qt::QueuedConnection);
      if (form_.drawingCost > 0) QThread::msleep(static_cast<unsigned long>(form_.drawingCost));
      FaceRelay::ShowWheels(positions);
    }

   private:
    SteppedForm& form_;
  };
};

}  // namespace

class GameTest : public QObject {
  Q_OBJECT

  // A Slow spin with the bonus, left to run: the game it ended with and what
  // its file kept, compared with each way of hurrying it.
  std::optional<GameState> leftToRun_;
  QStringList leftToRunFile_;

 private slots:
  // The player keeps every wheel step to its schedule, never early, and a
  // step that cost drawing time does not push the ones after it back; the
  // schedule starts once the spin is written, so a slow disk shortens no step.
  void wheelStepsKeepTheirSchedule() {
    TestProgramDir program;
    QTemporaryDir settingsDir;
    SlotEnvironment environment;
    environment.programDir = program.Path();
    environment.settingsPath = settingsDir.filePath(QStringLiteral("VOLTA.INI"));
    auto stops = std::make_unique<ScriptedStops>();
    ScriptedStops& chance = *stops;
    environment.random = std::move(stops);
    DialogScript script;
    environment.dialogs = script.Dialogs();
    SteppedForm form(std::move(environment));
    form.Medium1Click();
    QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
    ScriptSmallWin(chance);
    // A paint that costs 20 ms on every step, a third of Medium's 35, and a
    // start that takes 20 ms before the write.
    form.drawingCost = 20;
    form.startCost = 20;
    form.keepCost = 300;
    QTest::mouseClick(WindowButton(form, "Button1"), Qt::LeftButton);
    QVERIFY(PlayOut(form));
    QCOMPARE(form.stepTicks.size(), std::size_t(AnimationSteps));
    for (std::size_t step = 0; step < form.stepTicks.size(); ++step)
      QVERIFY2(form.stepTicks[step] >= form.keptAt + 35 * std::int64_t(step + 1),
               qPrintable(QString::number(step)));
  }

  void scheduleCatchesUpOnLateness_data() {
    QTest::addColumn<int>("lateAt");  // the step whose timer is late; -1: every one
    QTest::addColumn<int>("lateBy");
    QTest::addColumn<int>("cost");  // each step's drawing, in ms
    QTest::addColumn<int>("endsLate");
    QTest::newRow("on time") << -1 << 0 << 0 << 0;
    QTest::newRow("one timer 30 ms late") << 40 << 30 << 0 << 0;
    QTest::newRow("one timer 90 ms late") << 40 << 90 << 0 << 0;
    QTest::newRow("every timer 2 ms late") << -1 << 2 << 0 << 2;
    // Twice the 2 ms pause: 200 ms behind, and no stall, by the 500th coin.
    QTest::newRow("every step 4 ms to draw") << -1 << 0 << 4 << 0;
    // Past a stall the rest keeps its gaps from the step that ended it.
    QTest::newRow("a stall of a second") << 40 << 1000 << 0 << 1000;
  }

  // On a virtual clock, a count-up's coins (2 ms apart, slower at the end)
  // each play, in order and never before their time; lateness is caught up
  // by the end rather than carried.
  void scheduleCatchesUpOnLateness() {
    QFETCH(int, lateAt);
    QFETCH(int, lateBy);
    QFETCH(int, cost);
    QFETCH(int, endsLate);
    std::vector<std::int64_t> dues{0};
    for (int left = 600; left > 1; --left)
      dues.push_back(dues.back() + timings::WinCountPause(left));
    constexpr std::int64_t Start = 5000;
    PlanSchedule schedule;
    std::int64_t now = Start;
    schedule.Start(now);
    std::vector<std::int64_t> played;
    for (std::size_t i = 0; i < dues.size(); ++i) {
      const std::int64_t wait = schedule.WaitFor(dues[i], now);
      if (wait > 0) now += wait + (lateAt < 0 || lateAt == int(i) ? lateBy : 0);
      schedule.Played(dues[i], now);
      played.push_back(now - Start);
      now += cost;
    }
    for (std::size_t i = 1; i < dues.size(); ++i)
      QVERIFY2(played[i] >= dues[i], qPrintable(QString::number(i)));
    QCOMPARE(played.back(), dues.back() + endsLate);
    // The coins that came due while one timer was late play as it fires;
    // from there on each plays on time.
    if (lateAt >= 0 && lateBy <= PlanSchedule::StallMs)
      for (std::size_t i = std::size_t(lateAt); i < dues.size(); ++i)
        QCOMPARE(played[i], std::max(dues[i], played[std::size_t(lateAt)]));
    if (lateBy > PlanSchedule::StallMs)
      QCOMPARE(played[std::size_t(lateAt) + 1] - played[std::size_t(lateAt)],
               dues[std::size_t(lateAt) + 1] - dues[std::size_t(lateAt)]);
  }

  // The rules reached through the window: the pace is not what these check,
  // so each plan is hurried to its end.
  void autoSpinTicks() {
    FormFixture fixture(Silent);
    TForm1& form = fixture.Form();
    const GameState& state = Probe(form).State();
    QAction* autoSpin = fixture.Item("AutoSpin2");

    // No previous bet: the tick clears the mark and nothing spins.
    autoSpin->trigger();
    QVERIFY(autoSpin->isChecked());
    QVERIFY(WindowTimer(form, "Timer1")->isActive());
    FireTimer(form, "Timer1");
    QVERIFY(HurryOut(form));
    QVERIFY(!autoSpin->isChecked());
    QVERIFY(!WindowTimer(form, "Timer1")->isActive());
    QCOMPARE(state.Spins, 0);

    // Credits below the last bet: the mark clears without a message.
    ChangeGame(form, [&](GameState& g) {
      g.LastBet = 1.00;
      g.Credits = 0.50;
    });
    autoSpin->trigger();
    FireTimer(form, "Timer1");
    QVERIFY(HurryOut(form));
    QVERIFY(!autoSpin->isChecked());
    QCOMPARE(state.Credits, 0.50);
    QVERIFY(fixture.Script().informations.isEmpty());

    // Covered: the tick spins the last bet again and the timer is re-armed.
    ChangeGame(form, [&](GameState& g) {
      g.Credits = 100.00;
      g.LastBet = 0.25;
    });
    autoSpin->trigger();
    ScriptSmallWin(fixture);
    FireTimer(form, "Timer1");
    QVERIFY(HurryOut(form));
    QCOMPARE(state.Spins, 1);
    QCOMPARE(state.Credits, 100.25);
    QVERIFY(autoSpin->isChecked());
    QVERIFY(WindowTimer(form, "Timer1")->isActive());

    // Choosing the item while free spins wait stops the timer and sets the
    // mark as a toggle does.
    autoSpin->trigger();
    QVERIFY(!autoSpin->isChecked());
    QVERIFY(!WindowTimer(form, "Timer1")->isActive());
    // A free spin ends with the timer armed for the next one.
    ChangeGame(form, [&](GameState& g) { g.FreeSpins = 4; });
    ScriptSmallWin(fixture);
    FireTimer(form, "Timer1");
    QVERIFY(HurryOut(form));
    QCOMPARE(state.FreeSpins, 3);
    QVERIFY(WindowTimer(form, "Timer1")->isActive());
    QVERIFY(!autoSpin->isChecked());
    autoSpin->trigger();
    QVERIFY(autoSpin->isChecked());
    QVERIFY(!WindowTimer(form, "Timer1")->isActive());
  }

  // A Spin refused for want of a bet plays nothing: its box comes once the
  // command has returned, with the machine at rest and no plan playing.
  void refusedSpinShowsItsBoxAtRest() {
    FormFixture fixture(Silent);
    TForm1& form = fixture.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    bool busyUnderBox = true;
    bool playingUnderBox = true;
    fixture.Script().whileInformed = [&] {
      busyUnderBox = Probe(form).Busy();
      playingUnderBox = Probe(form).Playing();
    };
    QTest::mouseClick(WindowButton(form, "Button1"), Qt::LeftButton);
    QCOMPARE(fixture.Script().informations, QStringList{"Please place a bet before spinning."});
    QVERIFY(!busyUnderBox);
    QVERIFY(!playingUnderBox);
    QVERIFY(!Probe(form).Playing());
    QVERIFY(WindowButton(form, "Button1")->isEnabled());
  }

  void wholeGameThroughTheButtons() {
    FormFixture fixture(Silent);
    TForm1& form = fixture.Form();
    const GameState& state = Probe(form).State();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    // Spin without a bet is refused with a message.
    QTest::mouseClick(WindowButton(form, "Button1"), Qt::LeftButton);
    QVERIFY(HurryOut(form));
    QCOMPARE(fixture.Script().informations, QStringList{"Please place a bet before spinning."});

    // One coin on line 1, then a small win.
    QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
    QCOMPARE(state.Wager, 0.25);
    QCOMPARE(state.Credits, 999.75);
    ScriptSmallWin(fixture);
    QTest::mouseClick(WindowButton(form, "Button1"), Qt::LeftButton);
    QVERIFY(HurryOut(form));
    QCOMPARE(state.Spins, 1);
    QCOMPARE(state.Credits, 1000.25);
    QCOMPARE(state.LastBet, 0.25);
    QCOMPARE(state.PowerPts, 10);
    QVERIFY(WindowButton(form, "Button1")->isEnabled() &&
            WindowButton(form, "BitBtn3")->isEnabled());
    QVERIFY(WindowTimer(form, "Timer3")->isActive());

    // Twenty-five coins with "Bet 1": the last one spins at once, feeds the
    // pool, and the Voltaro symbol fills the meter: the bonus.
    ChangeGame(form, [&](GameState& g) {
      g.PowerPts = 90;
      // a short pool count
      g.BonusPool = 1.00;
    });
    ScriptSmallWin(fixture);
    for (int coin = 0; coin < 25; ++coin)
      QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
    QVERIFY(HurryOut(form));
    QCOMPARE(state.Spins, 2);
    QCOMPARE(state.FreeSpins, 7);
    QCOMPARE(state.BonusPool, 0.0);
    // 1000.25 - 6.25 + 2.50 won + 1.25 from the pool.
    QCOMPARE(state.Credits, 997.75);
    QCOMPARE(state.Strip2, std::string(Strip2FreeSpinDigits));
    QVERIFY(WindowTimer(form, "Timer1")->isActive());
    QVERIFY(!fixture.Item("AutoSpin2")->isChecked());

    // Seven free spins, each started by the auto-spin timer. Between them
    // the round belongs to this game: nothing may open, start or revalue
    // another, while saving and borrowing stay at hand.
    const auto leavingHeldOff = [&fixture] {
      for (const char* name : {"NewGame2", "Open1", "N5001", "N25c1", "N5c1"})
        if (fixture.Item(name)->isEnabled()) return false;
      return fixture.Item("Save1")->isEnabled() && fixture.Item("BorrowCredits1")->isEnabled();
    };
    for (int free = 1; free <= 7; ++free) {
      QVERIFY(WindowTimer(form, "Timer1")->isActive());
      QVERIFY2(leavingHeldOff(), qPrintable(QString::number(free)));
      fixture.Stops().NextStops(0, 0, 0);  // no line wins
      WindowTimer(form, "Timer1")->stop();
      FireTimer(form, "Timer1");
      QVERIFY(HurryOut(form));
      QCOMPARE(state.FreeSpinsPlayed, free);
      QCOMPARE(state.FreeSpins, 7 - free);
      QCOMPARE(state.Credits, 997.75);
    }
    QCOMPARE(state.Spins, 2);
    QVERIFY(!WindowTimer(form, "Timer1")->isActive());
    QCOMPARE(state.BonusPool, 50.0);
    QCOMPARE(state.Strip2, std::string(Strip2NormalDigits));
    QCOMPARE(fixture.Script().informations.size(), 1);
    QVERIFY(fixture.Item("NewGame2")->isEnabled() && fixture.Item("N5001")->isEnabled());

    // A new game shows nothing of the old one's last spin.
    ScriptSmallWin(fixture);
    QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
    QTest::mouseClick(WindowButton(form, "Button1"), Qt::LeftButton);
    QVERIFY(HurryOut(form));
    QVERIFY(Probe(form).Shown().LinePay[0] > 0);
    fixture.Item("NewGame2")->trigger();
    QCOMPARE(Probe(form).Shown().LinePay, (std::array<double, 5>{}));
    QCOMPARE(Probe(form).Shown().WinAmount, 0.0);
    QCOMPARE(Probe(form).Shown().Credits, 1000.00);
  }

  // A close mid-spin is carried out at once: the rest of the spin is not
  // shown, and the file holds it settled, as its start was seen.
  void closingDuringASpinKeepsItSettled() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
    ScriptSmallWin(fixture);
    bool closeAccepted = false;
    bool playingAtClose = false;
    QTimer::singleShot(300, &form, [&] {
      playingAtClose = Probe(form).Playing();
      closeAccepted = form.close();
    });
    QTest::mouseClick(WindowButton(form, "Button1"), Qt::LeftButton);
    QTRY_VERIFY(!form.isVisible());
    QVERIFY(playingAtClose);
    QVERIFY(closeAccepted);
    QVERIFY(!Probe(form).Playing());
    QCOMPARE(SectionValue(fixture.SettingsPath(), "Settings", "Credits"),
             QStringLiteral("1000.25"));
    QCOMPARE(SectionValue(fixture.SettingsPath(), "Settings", "Spins"), QStringLiteral("1"));
    QCOMPARE(SectionValue(fixture.SettingsPath(), "Settings", "PowerPts"), QStringLiteral("10"));
  }

  // Every way a player hurries a Slow spin (S, Space, Enter, a click on the
  // wheels) shows the settled face at once and keeps the same game as a
  // spin left to run.
  void hurriedSpinSettlesAtOnceAsItWouldHave_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("S") << int(Qt::Key_S);
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("click on the wheels") << 0;
  }
  void hurriedSpinSettlesAtOnceAsItWouldHave() {
    QFETCH(int, way);
    const auto play = [](FormFixture& fixture, int hurryWith) {
      TForm1& form = fixture.Form();
      form.show();
      QApplication::setActiveWindow(&form);
      if (!QTest::qWaitForWindowActive(&form)) return false;
      fixture.Item("Slow1")->trigger();
      ChangeGame(form, [](GameState& g) { g.PowerPts = 90; });  // the bonus count too
      for (int coin = 0; coin < 3; ++coin)
        QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
      ScriptSmallWin(fixture);
      QTest::mouseClick(WindowButton(form, "Button1"), Qt::LeftButton);
      if (hurryWith < 0) return PlayOut(form);
      QTest::qWait(300);
      if (!Probe(form).Playing()) return false;
      // Once for the wheels, once for the win's count, once for the pool's
      // (by then Spin is lit, and its key clicks it after showing it down).
      for (int press = 0; press < 6 && Probe(form).Playing(); ++press) {
        if (hurryWith == 0) {
          const FaceLayout& f = FaceOf(form).Layout();
          QTest::mouseClick(&FaceOf(form), Qt::LeftButton, {},
                            QPoint(f.ReelLeft + f.SymbolSize, f.ReelTop + f.SymbolSize));
        } else {
          QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget()
                                                      : static_cast<QWidget*>(&form),
                          Qt::Key(hurryWith));
        }
        QTest::qWait(150);
      }
      return !Probe(form).Playing();
    };
    const std::vector<const char*> keptKeys{"Credits", "Borrowed", "BonusPool",
                                            "Spins",   "PowerPts", "FreeSpins"};
    // The spin left to run is the same for every way: it is played once.
    if (!leftToRun_) {
      FormFixture left(Silent);
      QVERIFY(play(left, -1));
      leftToRun_ = Probe(left.Form()).State();
      left.Form().close();
      for (const char* key : keptKeys)
        leftToRunFile_ << SectionValue(left.SettingsPath(), "Settings", key);
    }
    FormFixture hurried(Silent);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(play(hurried, way));
    // Played at its pace, the Slow spin alone would take 101 steps of 55 ms,
    // the count and the pool more: a hurried play ends well inside the spin
    // alone, even on a loaded machine.
    QVERIFY2(clock.elapsed() < 101 * 55, qPrintable(QString::number(clock.elapsed())));
    const GameState& a = *leftToRun_;
    const GameState& b = Probe(hurried.Form()).State();
    QCOMPARE(b.Credits, a.Credits);
    QCOMPARE(b.FreeSpins, 7);
    QCOMPARE(b.Stops, a.Stops);
    QCOMPARE(b.BonusPool, a.BonusPool);
    QCOMPARE(Probe(hurried.Form()).Shown().Credits, a.Credits);
    QCOMPARE(Probe(hurried.Form()).Shown().Stops, a.Stops);
    hurried.Form().close();
    for (std::size_t k = 0; k < keptKeys.size(); ++k)
      QCOMPARE(SectionValue(hurried.SettingsPath(), "Settings", keptKeys[k]), leftToRunFile_[k]);
  }

  // A modal window opened mid-spin runs its own loop; the spin's timer
  // fires in it as in any other, so the wheels turn on underneath and the
  // spin ends on time while the box is still up.
  void aSlowSpinTurnsOnUnderTheAboutBox() {
    FormFixture fixture(Silent);
    TForm1& form = fixture.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    fixture.Item("Slow1")->trigger();
    QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
    ScriptSmallWin(fixture);
    const FaceLayout& f = FaceOf(form).Layout();
    const QRect wheels(f.ReelLeft, f.ReelTop, 3 * f.SymbolSize + 18, 3 * f.SymbolSize);
    QImage first, second;
    bool boxWasUp = false;
    bool endedUnderTheBox = false;
    QElapsedTimer sinceSpin;
    qint64 endedAfter = -1;
    QTimer::singleShot(200, &form, [&] { fixture.Item("About")->trigger(); });
    QTimer::singleShot(1000, &form, [&] {
      boxWasUp = QApplication::activeModalWidget() != nullptr;
      first = FaceOf(form).Canvas().copy(wheels);
    });
    QTimer::singleShot(1080, &form, [&] { second = FaceOf(form).Canvas().copy(wheels); });
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, &form, [&] {
      if (Probe(form).Playing()) return;
      poll.stop();
      endedAfter = sinceSpin.elapsed();
      QWidget* box = QApplication::activeModalWidget();
      endedUnderTheBox = box != nullptr;
      if (box != nullptr) box->close();
    });
    sinceSpin.start();
    poll.start();
    QTest::mouseClick(WindowButton(form, "Button1"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!poll.isActive(), 15000);
    QVERIFY(boxWasUp);
    QVERIFY(!first.isNull() && !second.isNull());
    QVERIFY(first != second);
    QVERIFY(endedUnderTheBox);
    // 101 steps of 55 ms, not held back by the box.
    QVERIFY2(endedAfter >= 101 * 55, qPrintable(QString::number(endedAfter)));
    QCOMPARE(Probe(form).State().Spins, 1);
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

    const GameState& state = Probe(form).State();
    ChangeGame(form, [&](GameState& g) { g.Spins = 3; });
    QList<bool> enabledMidSpin;
    form.midSpin = [&] {
      for (const char* name : GameCommands) {
        QAction* item = form.findChild<QAction*>(QString::fromLatin1(name));
        enabledMidSpin << item->isEnabled();
        item->trigger();
      }
    };
    QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
    ScriptSmallWin(chance);
    QTest::mouseClick(WindowButton(form, "Button1"), Qt::LeftButton);
    QVERIFY(PlayOut(form));

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
    for (int coin = 0; coin < 3; ++coin)
      QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
    QCOMPARE(Probe(form).State().Credits, 999.25);
    fixture.Item("Exit1")->trigger();
    QTRY_VERIFY(!form.isVisible());
    QCOMPARE(SectionValue(fixture.SettingsPath(), "Settings", "Credits"),
             QStringLiteral("1000.00"));

    QFile written(fixture.SettingsPath());
    QVERIFY(written.open(QIODevice::ReadOnly));
    FormFixture next(QString::fromUtf8(written.readAll()));
    QCOMPARE(Probe(next.Form()).State().Credits, 1000.00);
    QCOMPARE(Probe(next.Form()).State().Wager, 0.0);
  }

  // An amount too large to hold is read at the limit and stays there: a
  // borrow neither wraps it round nor adds to it, and it is written back
  // as it was read.
  void creditsPastTheLimitStopThere() {
    FormFixture fixture(
        QStringLiteral("[Settings]\r\nSound=0\r\nCredits=99999999999999999999\r\n"));
    TForm1& form = fixture.Form();
    const GameState& state = Probe(form).State();
    QCOMPARE(state.Credits, money::LargestAmount);
    QCOMPARE(Probe(form).Borrow(1000), MoneyMove::Done);
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
    const GameState& state = Probe(form).State();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    ChangeGame(form, [&](GameState& g) { g.PowerPts = 90; });
    QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
    ScriptSmallWin(fixture);
    // Close as soon as the pool has begun to flow into the credits.
    QTimer watch;
    watch.setInterval(5);
    connect(&watch, &QTimer::timeout, &form, [&] {
      const double shownPool = Probe(form).Shown().BonusPool;
      if (shownPool < 50.0 && shownPool > 0.0) {
        watch.stop();
        form.close();
      }
    });
    watch.start();
    QTest::mouseClick(WindowButton(form, "Button1"), Qt::LeftButton);
    QVERIFY(PlayOut(form));
    QTRY_VERIFY(!form.isVisible());
    QVERIFY(!watch.isActive());
    // 1000 - 0.25 + 0.50 won + the whole pool of 50.00.
    QCOMPARE(state.Credits, 1050.25);
    QCOMPARE(SectionValue(fixture.SettingsPath(), "Settings", "Credits"),
             QStringLiteral("1050.25"));
    QVERIFY(!WindowTimer(form, "Timer1")->isActive());
  }
};

QT_TEST_CLASS(GameTest);
#include "GameTest.moc"
