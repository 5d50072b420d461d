// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "About.h"
#include "AppFixture.h"
#include "Borrow.h"
#include "ChartPlot.h"
#include "GameHistoryWindow.h"
#include "GameRecordsText.h"
#include "MachineFace.h"
#include "Paychart.h"
#include "ReadableNumbers.h"
#include "Save.h"
#include "SavedGamePanel.h"
#include "Version.h"

namespace {

// Opens File > Game History, runs `look` on the window once it is up and
// closes it; false when no window opened.
bool LookAtGameHistory(FormFixture& fixture, const std::function<void(GameHistoryWindow&)>& look) {
  fixture.Item("GameHistory1")->trigger();
  auto* window = fixture.Form().findChild<GameHistoryWindow*>();
  if (window == nullptr || !window->isVisible()) return false;
  look(*window);
  QPointer<GameHistoryWindow> closing = window;
  window->close();
  for (int wait = 0; wait < 200 && !closing.isNull(); ++wait) QTest::qWait(10);
  return closing.isNull();
}

// Presses a key on the window once it is active, as a player would; false
// when it never became active. `whenOpen` runs once a window the key opens
// is up (it is not run before the key, while the window becomes active).
bool PressOn(TForm1& form, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
             const std::function<void()>& whenOpen = {}) {
  form.activateWindow();
  if (!QTest::qWaitForWindowActive(&form)) return false;
  if (whenOpen) QTimer::singleShot(0, &form, whenOpen);
  QTest::keyClick(&form, key, modifiers);
  return true;
}

// A menu's items as "caption" or "-" for a separator, submenus marked ">".
QStringList Items(const QMenu* menu) {
  QStringList items;
  for (const QAction* action : menu->actions()) {
    if (action->isSeparator())
      items << QStringLiteral("-");
    else
      items << (action->menu() != nullptr ? '>' + action->text() : action->text());
  }
  return items;
}

QMenu* Submenu(TForm1& form, const char* name) {
  return form.findChild<QMenu*>(QString::fromLatin1(name));
}

QStringList CheckedItems(FormFixture& fixture, const QStringList& names) {
  QStringList checked;
  for (const QString& name : names)
    if (fixture.Item(name.toLatin1().constData())->isChecked()) checked << name;
  return checked;
}

const QStringList SoundItems{"On1",   "Bonus1",      "Coins1",   "Credits1",
                             "Lose1", "PowerDrain1", "PowerUp1", "SlotSpin1",
                             "Stop1", "WheelSpin1",  "Win1"};

}  // namespace

class MenuTest : public QObject {
  Q_OBJECT

 private slots:
  void menuTreeHasEveryCaptionAndSeparator() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    QStringList bar;
    for (const QAction* action : form.menuBar()->actions()) bar << action->text();
    QCOMPARE(bar, (QStringList{"&File", "&Options", "&Auto", "&Help"}));
    QCOMPARE(Items(Submenu(form, "File1")),
             (QStringList{"&New Game", "-", "&Open", "&Save", "-", "Game &History", "-", "E&xit"}));
    QCOMPARE(Items(Submenu(form, "Options1")),
             (QStringList{">Back&ground", "-", ">&Bet Amount", "-", "Borrow &Credits", "-",
                          ">&Music", "-", ">&Sounds", "-", ">Spin Spee&d"}));
    QCOMPARE(Items(Submenu(form, "Background1")), (QStringList{"Tiled Bitmap", "Solid Color"}));
    QCOMPARE(Items(Submenu(form, "BetAmount1")),
             (QStringList{"$5", "$1", QString::fromUtf8("50¢"), QString::fromUtf8("25¢"),
                          QString::fromUtf8("10¢"), QString::fromUtf8("5¢")}));
    QCOMPARE(Items(Submenu(form, "Music1")), (QStringList{"On", "-", "Change Songs"}));
    QCOMPARE(Items(Submenu(form, "Sounds1")),
             (QStringList{"On", "-", "Bonus", "Coins", "Credits", "Lose", "Power Drain", "Power Up",
                          "Slot Spin", "Stop", "Wheel Spin", "Win", "-", "Change WAVs"}));
    QCOMPARE(Items(Submenu(form, "SpinSpeed1")), (QStringList{"Fast", "Medium", "Slow"}));
    QCOMPARE(Items(Submenu(form, "Auto1")), (QStringList{"&Auto Spin"}));
    QCOMPARE(Items(Submenu(form, "Help1")),
             (QStringList{"&About", "-", "&Catalog", "-", "&Manual"}));
  }

  void firstStartMarks() {
    FormFixture fixture;
    QCOMPARE(CheckedItems(fixture, {"Tiled1", "None1"}), QStringList{"Tiled1"});
    QCOMPARE(CheckedItems(fixture, {"N5001", "N1001", "N50c1", "N25c1", "N10c1", "N5c1"}),
             QStringList{"N25c1"});
    QCOMPARE(CheckedItems(fixture, {"Fast1", "Medium1", "Slow1"}), QStringList{"Fast1"});
    // Slot Spin and Lose start off; every other switch on.
    QStringList soundsOn = SoundItems;
    soundsOn.removeAll("SlotSpin1");
    soundsOn.removeAll("Lose1");
    QCOMPARE(CheckedItems(fixture, SoundItems), soundsOn);
    QCOMPARE(CheckedItems(fixture, {"On2", "AutoSpin2"}), QStringList{});
  }

  void soundItemsToggleTheirSwitchOnly() {
    FormFixture fixture;
    const Settings& settings = Probe(fixture.Form()).CurrentSettings();
    fixture.Item("On1")->trigger();
    QVERIFY(!settings.Sound);
    QVERIFY(!fixture.Item("On1")->isChecked());
    // The master switch does not change the other items.
    QVERIFY(fixture.Item("Win1")->isChecked());
    fixture.Item("On1")->trigger();
    QVERIFY(settings.Sound);
    QVERIFY(fixture.Item("On1")->isChecked());

    fixture.Item("SlotSpin1")->trigger();
    QVERIFY(settings.sndSpin);
    QVERIFY(fixture.Item("SlotSpin1")->isChecked());
    fixture.Item("PowerDrain1")->trigger();
    QVERIFY(!settings.sndPowerDown);
    QVERIFY(!fixture.Item("PowerDrain1")->isChecked());
    fixture.Item("WheelSpin1")->trigger();
    QVERIFY(!settings.sndWheelSpin);
    QVERIFY(!fixture.Item("WheelSpin1")->isChecked());
    QVERIFY(settings.sndStop && settings.sndWin && settings.sndCoins);
  }

  void speedHandlersKeepOneMark() {
    FormFixture fixture;
    WindowProbe rules(fixture.Form());
    fixture.Item("Slow1")->trigger();
    QCOMPARE(CheckedItems(fixture, {"Fast1", "Medium1", "Slow1"}), QStringList{"Slow1"});
    QCOMPARE(rules.SpinDelay(), 55);
    QCOMPARE(int(Probe(fixture.Form()).CurrentSettings().Speed), 2);
    fixture.Item("Medium1")->trigger();
    QCOMPARE(CheckedItems(fixture, {"Fast1", "Medium1", "Slow1"}), QStringList{"Medium1"});
    QCOMPARE(rules.SpinDelay(), 35);
    fixture.Item("Fast1")->trigger();
    // Choosing the speed already in force keeps its mark.
    fixture.Item("Fast1")->trigger();
    QCOMPARE(CheckedItems(fixture, {"Fast1", "Medium1", "Slow1"}), QStringList{"Fast1"});
    QCOMPARE(rules.SpinDelay(), 10);
    QCOMPARE(int(Probe(fixture.Form()).CurrentSettings().Speed), 0);
  }

  void coinValueItems() {
    FormFixture fixture;
    const GameState& state = Probe(fixture.Form()).State();
    const QStringList bets{"N5001", "N1001", "N50c1", "N25c1", "N10c1", "N5c1"};
    // No paid spin yet: the choice is refused and the mark stays.
    fixture.Item("N5001")->trigger();
    QCOMPARE(CheckedItems(fixture, bets), QStringList{"N25c1"});
    QCOMPARE(state.CoinValue, 0.25);
    // Choosing the item already marked keeps its mark when refused.
    fixture.Item("N25c1")->trigger();
    QCOMPARE(CheckedItems(fixture, bets), QStringList{"N25c1"});

    ChangeGame(fixture.Form(), [&](GameState& g) { g.Spins = 3; });
    fixture.Item("N10c1")->trigger();
    QCOMPARE(CheckedItems(fixture, bets), QStringList{"N10c1"});
    QCOMPARE(state.CoinValue, 0.10);
    QCOMPARE(int(Probe(fixture.Form()).CurrentSettings().Bet), 4);
  }

  void commandsOpenTheirDialogs() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    form.CreatePayoffChart();
    QWidget* chart = FindInWindow<QWidget>(form, "Payoffs");
    QVERIFY(!chart->isVisible());
    bool chartShownModally = false;
    QTimer::singleShot(0, &form, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      chartShownModally = modal == chart;
      if (modal != nullptr) modal->close();
    });
    QTest::mouseClick(WindowButton(form, "BitBtn3"), Qt::LeftButton);
    QVERIFY(chartShownModally);
    QVERIFY(!chart->isVisible());

    // Borrow: the first amount button lends $1,000 while the dialog is open.
    QTimer::singleShot(0, &form, [] {
      auto* dialog = qobject_cast<TBorrowC*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      dialog->AmountButtons[0]->click();
      dialog->close();
    });
    fixture.Item("BorrowCredits1")->trigger();
    QCOMPARE(Probe(form).State().Credits, 2000.0);
    QCOMPARE(Probe(form).State().Borrowed, 2000.0);

    QList<SlotMode> slotModes;
    for (const char* item : {"Open1", "Save1"}) {
      QTimer::singleShot(0, &form, [&slotModes] {
        auto* dialog = qobject_cast<TLoadSave*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        slotModes << dialog->Mode();
        dialog->close();
      });
      fixture.Item(item)->trigger();
    }
    QCOMPARE(slotModes, (QList<SlotMode>{SlotMode::Open, SlotMode::Save}));
  }

  // The standard keys beside the File items run them as a click does; New
  // Game, which ends the game without asking, has none.
  void standardKeysRunTheirItems() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QStringList keys;
    for (const char* item : {"NewGame2", "Open1", "Save1", "GameHistory1", "Exit1"})
      keys << fixture.Item(item)->shortcut().toString();
    QCOMPARE(keys, (QStringList{"", "Ctrl+O", "Ctrl+S", "Ctrl+H", "Ctrl+Q"}));

    QList<SlotMode> slotModes;
    for (const Qt::Key key : {Qt::Key_O, Qt::Key_S}) {
      QVERIFY(PressOn(form, key, Qt::ControlModifier, [&slotModes] {
        auto* dialog = qobject_cast<TLoadSave*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        slotModes << dialog->Mode();
        dialog->close();
      }));
    }
    QCOMPARE(slotModes, (QList<SlotMode>{SlotMode::Open, SlotMode::Save}));
    // Game History opens beside the machine, not as a modal box.
    QVERIFY(PressOn(form, Qt::Key_H, Qt::ControlModifier));
    auto* history = form.findChild<GameHistoryWindow*>();
    QVERIFY(history != nullptr && history->isVisible());
    history->close();
    // While the wheels turn Save is held off, and Ctrl+S does not hurry
    // them as S does.
    fixture.Item("Slow1")->trigger();
    QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
    QTest::mouseClick(WindowButton(form, "Button1"), Qt::LeftButton);
    QVERIFY(PressOn(form, Qt::Key_S, Qt::ControlModifier));
    QTest::qWait(200);
    // The wheels still turn: the face does not show where they stop.
    QVERIFY(Probe(form).Shown().Stops != Probe(form).State().Stops);
    QElapsedTimer hurried;
    hurried.start();
    QVERIFY(PressOn(form, Qt::Key_S));
    QVERIFY(PlayOut(form));
    QVERIFY(hurried.elapsed() < 2000);
    ChangeGame(form, [](GameState& game) { game.Credits = 777.25; });
    QVERIFY(PressOn(form, Qt::Key_Q, Qt::ControlModifier));
    QVERIFY(!form.isVisible());
    QCOMPARE(SectionValue(fixture.SettingsPath(), "Settings", "Credits"), QStringLiteral("777.25"));
  }

  // F11 fills the screen with the face below the menu bar; F11 or Esc gives
  // the window back as it was, maximized or not, and a close in full screen
  // keeps the state under it.
  void fullScreenAndBack() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QRect normal = form.geometry();
    QVERIFY(PressOn(form, Qt::Key_F11));
    QTRY_VERIFY(form.isFullScreen());
    QTRY_COMPARE(form.geometry(), form.screen()->geometry());
    QVERIFY(form.menuBar()->isVisible());
    QTRY_COMPARE(form.centralWidget()->width(), form.screen()->geometry().width());
    QCOMPARE(FaceOf(form).width(), form.centralWidget()->width());
    QVERIFY(PressOn(form, Qt::Key_F11));
    QTRY_VERIFY(!form.isFullScreen() && !form.isMaximized());
    QTRY_COMPARE(form.centralWidget()->size(), QSize(632, 394));
    QCOMPARE(form.geometry(), normal);

    form.setWindowState(Qt::WindowMaximized);
    QTRY_VERIFY(form.isMaximized());
    const QSize maximized = form.centralWidget()->size();
    QVERIFY(PressOn(form, Qt::Key_F11));
    QTRY_VERIFY(form.isFullScreen());
    QVERIFY(PressOn(form, Qt::Key_Escape));
    QTRY_VERIFY(form.isMaximized() && !form.isFullScreen());
    QTRY_COMPARE(form.centralWidget()->size(), maximized);
    // Esc outside full screen changes nothing.
    QVERIFY(PressOn(form, Qt::Key_Escape));
    QVERIFY(form.isMaximized());

    QVERIFY(PressOn(form, Qt::Key_F11));
    QTRY_VERIFY(form.isFullScreen());
    QVERIFY(form.close());
    QCOMPARE(SectionValue(fixture.SettingsPath(), "Settings", "Maxed"), QStringLiteral("1"));
  }

  void buttonsAndTimers() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    const QList<QPushButton*> buttons{WindowButton(form, "BitBtn1"), WindowButton(form, "BitBtn2"),
                                      WindowButton(form, "BitBtn3"), WindowButton(form, "Button1")};
    const QStringList captions{"Bet 1", "Bet Max", "Payoff Chart", "Spin"};
    const QStringList hints{"Bet one coin", "Bet maximum credits", "View the Payoff Chart",
                            "Spins the slot wheels"};
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(buttons[i]->text(), captions[i]);
      QCOMPARE(buttons[i]->toolTip(), hints[i]);
      QCOMPARE(buttons[i]->size(), QSize(132, 49));
      QCOMPARE(buttons[i]->y(), 4);
      QCOMPARE(buttons[i]->font().pixelSize(), 13);
      QVERIFY(!buttons[i]->icon().isNull());
    }
    QVERIFY(WindowButton(form, "Button1")->isDefault());
    QCOMPARE(FindInWindow<QWidget>(form, "Panel1")->height(), 57);
    QVERIFY(!WindowTimer(form, "Timer1")->isActive());
    QCOMPARE(WindowTimer(form, "Timer1")->interval(), 1000);
    QVERIFY(WindowTimer(form, "Timer2")->isActive() && WindowTimer(form, "Timer2")->isSingleShot());
    QCOMPARE(WindowTimer(form, "Timer2")->interval(), 200);
    QVERIFY(WindowTimer(form, "Timer3")->isActive());
    QCOMPARE(WindowTimer(form, "Timer3")->interval(), 400);
    QCOMPARE(form.windowTitle(), QStringLiteral("Voltaro Slots"));
    QCOMPARE(form.centralWidget()->size(), QSize(632, 394));
  }

  void enterPressesSpin() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // "Spin" holds the focus first; Tab goes round by the face to "Bet 1".
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), WindowButton(form, "Button1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &FaceOf(form));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), WindowButton(form, "BitBtn1"));
    QTest::keyClick(&form, Qt::Key_Return);
    // Enter presses the focused button: one coin is bet.
    QCOMPARE(Probe(form).State().Wager, 0.25);
    WindowButton(form, "Button1")->setFocus();
    QTest::keyClick(&form, Qt::Key_Return);
    QCOMPARE(Probe(form).State().Spins, 1);
  }

  void aboutBoxTexts() {
    TAboutBox box;
    QTimer::singleShot(0, &box, &QDialog::accept);
    box.exec();
    QCOMPARE(box.windowTitle(), QStringLiteral("About Voltaro Slots"));
    QCOMPARE(box.size(), QSize(361, 413));
    QCOMPARE(box.ProductName->text(), QStringLiteral("Voltaro Slots"));
    QVERIFY(box.ProductName->font().bold());
    QCOMPARE(box.ProductName->font().pixelSize(), 19);
    QCOMPARE(box.VersionLabel->text(), QStringLiteral("Version:"));
    QCOMPARE(box.Version->text(), QString::fromUtf8(VersionText));
    QCOMPARE(box.Comments->size(), QSize(313, 209));
    QVERIFY(box.Comments->isReadOnly());
    QVERIFY(box.Comments->toPlainText().startsWith("A 3-wheel, 5-payline slot machine."));
    QVERIFY(box.Comments->toPlainText().endsWith("bonus pool and seven free spins."));
    QCOMPARE(box.OKButton->text(), QStringLiteral("&OK"));
    QCOMPARE(box.OKButton->size(), QSize(129, 27));
  }

  void catalogThenF1OpensTheManualAgain() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    fixture.Item("Catalog1")->trigger();
    QCOMPARE(Probe(form).Help().ShownFile(), QStringLiteral("CATALOG.HLP"));
    QVERIFY(Probe(form).Help().Browser()->Page()->toPlainText().contains("Symbol catalog"));
    QCOMPARE(Probe(form).Help().HelpFile(), QStringLiteral("VOLTA.HLP"));

    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F1);
    QCOMPARE(Probe(form).Help().ShownFile(), QStringLiteral("VOLTA.HLP"));
    QCOMPARE(Probe(form).Help().ShownTopic(), QStringLiteral("41006"));

    fixture.Item("Manual1")->trigger();
    QCOMPARE(Probe(form).Help().ShownTopic(), QString());
    QVERIFY(Probe(form).Help().Browser()->Page()->toPlainText().contains("Voltaro manual"));
  }

  // The help window's own keys and buttons: a link followed, Back and
  // Forward between the pages, Contents to the top, Find, Esc and Ctrl+W.
  void helpWindowNavigatesFindsAndCloses() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    fixture.Item("Manual1")->trigger();
    HelpWindow* help = Probe(form).Help().Browser();
    QVERIFY(help != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QTextBrowser* page = help->Page();
    QVERIFY(!help->BackAction->isEnabled());

    // A click on the link to the payoff chart's topic.
    QTextCursor link = page->document()->find(QStringLiteral("Go to topic 41009"));
    QVERIFY(!link.isNull());
    link.setPosition(link.selectionStart() + 2);
    QTest::mouseClick(page->viewport(), Qt::LeftButton, {}, page->cursorRect(link).center());
    QTRY_COMPARE(page->source().fragment(), QStringLiteral("41009"));
    QVERIFY(help->BackAction->isEnabled());
    help->BackAction->trigger();
    QCOMPARE(page->source().fragment(), QString());
    QVERIFY(help->ForwardAction->isEnabled());
    help->ForwardAction->trigger();
    QCOMPARE(page->source().fragment(), QStringLiteral("41009"));
    help->ContentsAction->trigger();
    QCOMPARE(page->source().fragment(), QString());
    QCOMPARE(page->source().fileName(), QStringLiteral("VOLTA.HLP"));

    // Find selects each place in turn and goes round; a word that is not
    // there selects nothing.
    help->FindField()->setText(QStringLiteral("Topic 41011"));
    QTest::keyClick(help->FindField(), Qt::Key_Return);
    QCOMPARE(page->textCursor().selectedText(), QStringLiteral("topic 41011"));
    const int first = page->textCursor().position();
    help->FindAction->trigger();
    QVERIFY(page->textCursor().position() > first);
    help->FindAction->trigger();
    QCOMPARE(page->textCursor().position(), first);
    QVERIFY(!help->FindNext(QStringLiteral("jackpot")));
    QTRY_VERIFY(help->findChild<QLabel*>("HelpNotFound")->isVisible());

    // Esc closes it, even from the find field; so does Ctrl+W, and F1 in the
    // main window opens it again at the main window's topic.
    help->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(help));
    QTest::keyClick(help->FindField(), Qt::Key_Escape);
    QVERIFY(!help->isVisible());
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F1);
    QVERIFY(help->isVisible());
    QCOMPARE(page->source().fragment(), QStringLiteral("41006"));
    QVERIFY(QTest::qWaitForWindowActive(help));
    QTest::keyClick(page, Qt::Key_W, Qt::ControlModifier);
    QVERIFY(!help->isVisible());
  }

  // A game from an earlier run: File > Game History shows its plays and
  // totals as the machine holds them, and F1 there opens the window's topic.
  void gameHistoryShowsTheMachinesPlays() {
    const PlayRecord older = PaidPlayOf25Coins();
    PlayRecord newer = older;
    newer.playedAt += 60;
    newer.coins = 3;
    newer.free = true;
    newer.win = 0;
    const QString ini =
        QStringLiteral(
            "[Settings]\r\nCredits=996.25\r\n[Game History]\r\nPlay1=%1\r\n"
            "Play2=%2\r\n[Game Statistics]\r\nPaidSpins=1\r\nFreeSpins=1\r\n"
            "MoneyWagered=6.25\r\nWonOnLines=2.50\r\nSpinsByCoins=25:1\r\n")
            .arg(QString::fromStdString(PlayText(newer)), QString::fromStdString(PlayText(older)));
    FormFixture fixture(ini);
    TForm1& form = fixture.Form();
    QCOMPARE(Probe(form).State().History.Plays().size(), std::size_t{2});
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QStringList shown;
    QVERIFY(LookAtGameHistory(fixture, [&](GameHistoryWindow& window) {
      for (const char* name : {"Play1Kind", "Play1Coins", "Play2Kind", "Play2Coins", "Play2Win",
                               "PaidSpins", "ReturnSoFar"})
        shown << window.findChild<QLabel*>(name)->text();
      shown << (window.findChild<QLabel*>("Play3Kind") == nullptr ? "two rows" : "more rows");
      // F1 goes to the active window's topic.
      QApplication::setActiveWindow(&window);
      if (QTest::qWaitForWindowActive(&window)) QTest::keyClick(&window, Qt::Key_F1);
    }));
    QCOMPARE(shown, (QStringList{"Free", "3", "Paid", "25", "$2.50", "1", "40.0%", "two rows"}));
    QCOMPARE(Probe(form).Help().ShownTopic(), QStringLiteral("41012"));
  }

  // A spin, then File > New Game: Game History shows the new game's plays
  // and totals only, and the file keeps no play of the game that was left;
  // the records across games count both games and keep the spin.
  void newGameStartsThePlayListAfresh() {
    FormFixture fixture(QStringLiteral("[Settings]\r\nSound=0\r\n"));
    TForm1& form = fixture.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(WindowButton(form, "BitBtn2"), Qt::LeftButton);
    QVERIFY(HurryOut(form));
    QCOMPARE(Probe(form).State().Statistics.paidSpins, 1);
    QCOMPARE(SectionKeys(fixture.SettingsPath(), "Game History").size(), 1);
    const QString records = QStringLiteral("Records");
    QVERIFY(SectionValue(fixture.SettingsPath(), records, "Games").startsWith("1, "));
    QVERIFY(SectionValue(fixture.SettingsPath(), records, "PaidSpins").startsWith("1, "));
    fixture.Item("NewGame2")->trigger();

    QStringList shown;
    QVERIFY(LookAtGameHistory(fixture, [&](GameHistoryWindow& window) {
      shown << window.findChild<QLabel*>("PaidSpins")->text();
      shown << (window.findChild<QLabel*>("Play1Kind") == nullptr ? "no rows" : "rows");
      for (const char* name : {"RecordGames", "RecordGamesGame", "RecordPaidSpins"})
        shown << window.findChild<QLabel*>(name)->text();
    }));
    QCOMPARE(shown, (QStringList{"0", "no rows", "2", "Game #2", "1"}));
    QVERIFY(SectionKeys(fixture.SettingsPath(), "Game History").isEmpty());
    QVERIFY(SectionValue(fixture.SettingsPath(), records, "Games").startsWith("2, "));
    QVERIFY(SectionValue(fixture.SettingsPath(), records, "Games").endsWith(", 2"));
    QVERIFY(SectionValue(fixture.SettingsPath(), records, "PaidSpins").startsWith("1, "));
    QCOMPARE(Probe(form).Records().paidSpins.value, 1);
  }

  // Game History stays open beside the machine and follows the game: a spin
  // started while it is open shows in it once it has settled, not before;
  // the menu item brings the one window forward; it closes with the machine.
  void gameHistoryStaysOpenAndFollowsTheSpins() {
    FormFixture fixture(Silent);
    TForm1& form = fixture.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    fixture.Item("GameHistory1")->trigger();
    QPointer<GameHistoryWindow> window = form.findChild<GameHistoryWindow*>();
    QVERIFY(window != nullptr && window->isVisible());
    const auto paidSpins = [&window] { return window->findChild<QLabel*>("PaidSpins")->text(); };
    QCOMPARE(paidSpins(), QStringLiteral("0"));
    for (int spin = 1; spin <= 2; ++spin) {
      QTest::mouseClick(WindowButton(form, "BitBtn2"), Qt::LeftButton);
      QVERIFY(Probe(form).Playing());
      // The spin is decided, but the window tells it once the wheels stop.
      QCOMPARE(Probe(form).State().Statistics.paidSpins, spin);
      QCOMPARE(paidSpins(), QString::number(spin - 1));
      QVERIFY(HurryOut(form));
      QCOMPARE(paidSpins(), QString::number(spin));
    }
    QVERIFY(window->findChild<QLabel*>("Play2Kind") != nullptr);
    QVERIFY(Probe(form).State().Chart.Points().size() >= 2);
    QCOMPARE(window->CreditsChart->Data().line.size(), Probe(form).State().Chart.Points().size());
    // Opened during a spin, the window shows the game before it.
    window->close();
    QTRY_VERIFY(window.isNull());
    QTest::mouseClick(WindowButton(form, "BitBtn2"), Qt::LeftButton);
    QVERIFY(Probe(form).Playing());
    fixture.Item("GameHistory1")->trigger();
    window = form.findChild<GameHistoryWindow*>();
    QVERIFY(window != nullptr && window->isVisible());
    QCOMPARE(paidSpins(), QStringLiteral("2"));
    QVERIFY(HurryOut(form));
    QCOMPARE(paidSpins(), QStringLiteral("3"));
    // Put away with Esc, it is up to date when asked for again.
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY(window.isNull() || !window->isVisible());
    QTest::mouseClick(WindowButton(form, "BitBtn2"), Qt::LeftButton);
    QVERIFY(HurryOut(form));
    fixture.Item("GameHistory1")->trigger();
    window = form.findChild<GameHistoryWindow*>();
    QVERIFY(window != nullptr && window->isVisible());
    QCOMPARE(paidSpins(), QStringLiteral("4"));
    fixture.Item("GameHistory1")->trigger();
    QCOMPARE(form.findChildren<GameHistoryWindow*>().size(), 1);
    // The size the player gives it is kept with the settings.
    window->resize(640, 480);
    QTRY_COMPARE(Probe(form).CurrentSettings().HistoryWidth, 640);
    QCOMPARE(Probe(form).CurrentSettings().HistoryHeight, 480);
    form.close();
    QTRY_VERIFY(window.isNull() || !window->isVisible());
    QCOMPARE(SectionValue(fixture.SettingsPath(), "Settings", "HistoryWidth"),
             QStringLiteral("640"));
  }

  // Coins on the table when the game is saved are in the slot's credits:
  // opening the same slot again loses none of them. The save leaves the
  // records as they were; the open counts a game, named after the slot.
  void saveThenOpenOfTheSameSlotKeepsTheCoinsOnTheTable() {
    FormFixture fixture(QStringLiteral("[Settings]\r\nSound=0\r\nSpins=1\r\n"));
    TForm1& form = fixture.Form();
    Probe(form).Dialogs().askText = [](QWidget*, const QString&, const QString&) {
      return std::optional<QString>(QStringLiteral("Cellar, late"));
    };
    QCOMPARE(Probe(form).Records().games.value, 1);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    fixture.Item("N5001")->trigger();
    for (int coin = 0; coin < 3; ++coin) {
      QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
      QVERIFY(HurryOut(form));
    }
    QCOMPARE(Probe(form).State().Credits, 985.00);
    QCOMPARE(Probe(form).State().Wager, 15.00);

    for (const char* item : {"Save1", "Open1"}) {
      QTimer::singleShot(0, &form, [] {
        if (auto* dialog = qobject_cast<TLoadSave*>(QApplication::activeModalWidget()))
          QTest::mouseClick(dialog->Panel(1).Button, Qt::LeftButton);
      });
      fixture.Item(item)->trigger();
      QCOMPARE(Probe(form).Records().games.value, item == std::string("Save1") ? 1 : 2);
    }
    QVERIFY(SectionValue(fixture.SettingsPath(), "Records", "Games").endsWith(", 2, Cellar, late"));
    QCOMPARE(Probe(form).Records().mostCredits.value, 1000.00);
    QCOMPARE(SectionValue(fixture.SettingsPath(), "Saved Game 1", "Credits"), "1000.00");
    QCOMPARE(Probe(form).State().Credits, 1000.00);
    QCOMPARE(Probe(form).State().Wager, 0.0);
    QCOMPARE(Probe(form).State().Borrowed, 1000.00);
  }

  // Twelve spins, then a restart on the file they left: the window shows the
  // last ten as they were played, and totals that a sum over the spins gives.
  void gameHistoryAfterARestartMatchesTheSpins() {
    struct Spin {
      int coins = 0;
      std::array<std::int32_t, 9> window{};
      std::int64_t beforeCents = 0;
      std::int64_t afterCents = 0;
    };
    std::vector<Spin> spins;
    QByteArray file;
    {
      FormFixture fixture(QStringLiteral("[Settings]\r\nSound=0\r\n"));
      TForm1& form = fixture.Form();
      for (int n = 0; n < 12; ++n) {
        // Never a bonus: its free spins would play on from the event loop.
        ChangeGame(fixture.Form(), [&](GameState& g) { g.PowerPts = 0; });
        Spin spin;
        spin.coins = 1 + n % 4;
        spin.beforeCents = std::llround(Probe(form).State().Credits * 100);
        fixture.Stops().NextStops((3 * n) % 20, (7 * n + 4) % 20, (11 * n) % 20);
        for (int coin = 0; coin < spin.coins; ++coin)
          QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
        QTest::mouseClick(WindowButton(form, "Button1"), Qt::LeftButton);
        QVERIFY(PlayOut(form));
        QTRY_VERIFY(!Probe(form).Busy());
        spin.afterCents = std::llround(Probe(form).State().Credits * 100);
        spin.window = Probe(form).State().Window;
        spins.push_back(spin);
      }
      QFile saved(fixture.SettingsPath());
      QVERIFY(saved.open(QIODevice::ReadOnly));
      file = saved.readAll();
    }

    FormFixture restarted(QString::fromUtf8(file));
    TForm1& form = restarted.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QStringList problems;
    QVERIFY(LookAtGameHistory(restarted, [&](GameHistoryWindow& window) {
      const auto text = [&window](const QString& name) {
        const auto* label = window.findChild<QLabel*>(name);
        return label ? label->text() : QStringLiteral("<none>");
      };
      const auto money = [](std::int64_t cents) {
        return QStringLiteral("$%1.%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
      };
      std::int64_t wagered = 0;
      std::int64_t won = 0;
      for (int row = 1; row <= 10; ++row) {
        const Spin& spin = spins[spins.size() - static_cast<std::size_t>(row)];
        const QString p = QStringLiteral("Play%1").arg(row);
        const std::int64_t bet = 25 * spin.coins;
        const QStringList expected{
            QString::number(spin.coins), "Paid", money(spin.afterCents - spin.beforeCents + bet),
            money(spin.beforeCents) + QString::fromUtf8(" \u2192\n") + money(spin.afterCents)};
        const QStringList shown{text(p + "Coins"), text(p + "Kind"), text(p + "Win"),
                                text(p + "Credits")};
        if (shown != expected)
          problems << p + ": " + shown.join('|') + " not " + expected.join('|');
        // Each cell of the test art is one colour: the picture shows the symbols.
        auto* picture = window.findChild<QLabel*>(p + "Window");
        const QImage image = picture ? picture->grab().toImage() : QImage();
        for (int wheel = 0; wheel < 3 && !image.isNull(); ++wheel)
          for (int row3 = 0; row3 < 3; ++row3) {
            const int symbol = spin.window[static_cast<std::size_t>(wheel * 3 + row3)];
            const QPoint at = GameHistoryWindow::CellOrigin(wheel, row3) + QPoint(12, 3);
            if (image.pixelColor(at) != TestProgramDir::CellColor(symbol))
              problems << p + QStringLiteral(" wheel %1 row %2").arg(wheel).arg(row3);
          }
      }
      for (const Spin& spin : spins) {
        wagered += 25 * spin.coins;
        won += spin.afterCents - spin.beforeCents + 25 * spin.coins;
      }
      if (text("Play11Time") != "<none>") problems << "more than ten rows";
      if (text("PaidSpins") != "12") problems << "paid spins " + text("PaidSpins");
      if (text("MoneyWagered") != money(wagered)) problems << "wagered " + text("MoneyWagered");
      if (text("WonOnLines") != money(won)) problems << "won " + text("WonOnLines");
    }));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
  }

  // Thirty spins, then Game History's charts read back from their pictures:
  // the credits line stands where each spin left the credits, and the band
  // of luck is wider after 5 spins than after 30. Each chart tells a screen
  // reader what it shows.
  void gameHistoryChartsDrawTheSpins() {
    FormFixture fixture(QStringLiteral("[Settings]\r\nSound=0\r\n"));
    TForm1& form = fixture.Form();
    std::vector<double> credits;
    for (int n = 0; n < 30; ++n) {
      ChangeGame(form, [&](GameState& g) { g.PowerPts = 0; });  // never a bonus round
      fixture.Stops().NextStops((3 * n) % 20, (7 * n + 4) % 20, (11 * n) % 20);
      for (int coin = 0; coin < 5; ++coin)
        QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
      QTest::mouseClick(WindowButton(form, "Button1"), Qt::LeftButton);
      QVERIFY(HurryOut(form));
      QTRY_VERIFY(!Probe(form).Busy());
      credits.push_back(Probe(form).State().Credits);
    }
    QVERIFY(*std::min_element(credits.begin(), credits.end()) <
            *std::max_element(credits.begin(), credits.end()));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QStringList problems;
    QVERIFY(LookAtGameHistory(fixture, [&](GameHistoryWindow& window) {
      window.Tabs->setCurrentIndex(1);
      QTest::qWait(50);
      ChartPlot* chart = window.CreditsChart;
      ChartPlot* returns = window.ReturnChart;
      if (!chart->isVisible() || !returns->isVisible()) problems << "the charts are not shown";
      if (chart->Data().line.size() != 30 || returns->Data().line.size() != 30)
        problems << "not a point a spin";
      const QImage picture = chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
      const qreal scale = picture.devicePixelRatio();
      // Heights stand for credits on one scale: y = top - k x credits, k > 0.
      const std::size_t low = static_cast<std::size_t>(
          std::min_element(credits.begin(), credits.end()) - credits.begin());
      const std::size_t high = static_cast<std::size_t>(
          std::max_element(credits.begin(), credits.end()) - credits.begin());
      const double perDollar =
          (chart->PointAt(low).y() - chart->PointAt(high).y()) / (credits[high] - credits[low]);
      if (!(perDollar > 0)) problems << "more credits are not higher";
      for (std::size_t n = 0; n < credits.size(); ++n) {
        const QPointF at = chart->PointAt(n);
        const double expected = chart->PointAt(high).y() + perDollar * (credits[high] - credits[n]);
        if (std::abs(at.y() - expected) > 0.5)
          problems
              << QStringLiteral("spin %1 drawn at %2, not %3").arg(n + 1).arg(at.y()).arg(expected);
        // The line is smoothed: its colour stands in full within a pixel of the point.
        int nearest = 3 * 255;
        for (int dx = -1; dx <= 1; ++dx)
          for (int dy = -1; dy <= 1; ++dy) {
            const QColor drawn = picture.pixelColor((at * scale).toPoint() + QPoint(dx, dy));
            nearest =
                std::min(nearest, std::abs(drawn.red() - ChartPlot::LineColour.red()) +
                                      std::abs(drawn.green() - ChartPlot::LineColour.green()) +
                                      std::abs(drawn.blue() - ChartPlot::LineColour.blue()));
          }
        if (nearest > 30) problems << QStringLiteral("no line at spin %1").arg(n + 1);
      }
      // The band's height in the picture, across the column of a spin.
      const QImage band = returns->grab().toImage().convertToFormat(QImage::Format_RGB32);
      // Two pixels in from the spin's column: the band's last column is smoothed.
      const qreal ratio = band.devicePixelRatio();
      const auto height = [&](std::size_t index) {
        const int x = qRound((returns->PointAt(index).x() - 2) * ratio);
        int top = -1, bottom = -1;
        for (int y = 0; y < band.height(); ++y) {
          if (band.pixelColor(x, y) != ChartPlot::BandColour) continue;
          if (top < 0) top = y;
          bottom = y;
        }
        return top < 0 ? 0 : bottom - top;
      };
      // As tall as the band's reach at that many spins, cut at the plot's edges.
      const auto reach = [&](std::size_t index) {
        const QRect plot = returns->PlotArea();
        const double x = returns->Data().line.at(index).x();
        const auto [bandLow, bandHigh] = returns->Data().band(x);
        const auto clip = [&](double y) {
          return std::clamp(returns->Place(x, y).y(), plot.top() + 1.5, plot.bottom() - 1.5);
        };
        return (clip(bandLow) - clip(bandHigh)) * ratio;
      };
      for (const std::size_t index : {std::size_t{4}, std::size_t{29}})
        if (std::abs(height(index) - reach(index)) > 4 * ratio || reach(index) <= 0)
          problems << QStringLiteral("band %1 px at %2 spins, not %3")
                          .arg(height(index))
                          .arg(index + 1)
                          .arg(reach(index));
      for (ChartPlot* shown : {chart, returns}) {
        const QString said =
            QAccessible::queryAccessibleInterface(shown)->text(QAccessible::Description);
        if (said != shown->Data().summary) problems << "said: " + said;
      }
      const QString last = AmountText(std::llround(credits.back() * 100));
      if (!chart->Data().summary.contains("to " + last + " by play 30"))
        problems << chart->Data().summary;
      if (!returns->Data().summary.startsWith("Return so far after 30 paid spins"))
        problems << returns->Data().summary;
    }));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
  }

  void missingHelpFileIsReported() {
    FormFixture fixture;
    QFile::remove(fixture.Program().File("VOLTA.HLP"));
    fixture.Item("Manual1")->trigger();
    QCOMPARE(fixture.Script().warnings.size(), 1);
    QVERIFY(fixture.Script().warnings[0].contains("VOLTA.HLP"));
  }
};

QT_TEST_CLASS(MenuTest);
#include "MenuTest.moc"
