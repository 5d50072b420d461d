// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QTranslator>
#include <cmath>
#include <ctime>
#include <memory>

#include "BuiltProgram.h"
#include "ChartPlot.h"
#include "DialogAnswers.h"
#include "GameCharts.h"
#include "GameHistoryWindow.h"
#include "GameState.h"
#include "HelpContexts.h"
#include "MachineMath.h"
#include "OffscreenScreens.h"
#include "Palette.h"
#include "Paylines.h"
#include "QtTestClasses.h"
#include "ReadableNumbers.h"
#include "RecordsPage.h"
#include "Reels.h"
#include "SymbolArt.h"

namespace {

// The local date and time by the C library, apart from Qt's own conversion.
QString LocalTime(std::int64_t secondsSince1970) {
  const std::time_t at = static_cast<std::time_t>(secondsSince1970);
  std::tm local{};
  localtime_r(&at, &local);
  char text[32];
  std::strftime(text, sizeof text, "%m/%d/%y\n%H:%M:%S", &local);
  return QString::fromLatin1(text);
}

// A play with nine symbols no two rows or wheels of which are alike, so a
// picture turned on its side or shifted cannot pass.
PlayRecord Play(int n, std::uint8_t lines) {
  PlayRecord play;
  play.playedAt = 1796740000 + 3600 * n;
  play.coinValue = n == 2 ? 0.30 : 0.25;
  play.coins = 5 * n;
  play.free = n == 3;
  // Wheel by wheel, top to bottom, as the game's own window.
  play.window = {0, 1, 2, 3, 4, 5, 6, (n % 3) + 1, 4};
  play.winningLines = lines;
  play.win = 1.25 * n;
  play.poolPaid = n == 1 ? 62.75 : 0;
  play.bonus = n == 1;
  play.creditsBefore = 1000 - n;
  play.creditsAfter = 1000.5 + n;
  play.meterBefore = 10 * n;
  play.meterAfter = 15 * n;
  return play;
}

// The symbol pictures as the window should show them: the 96-pixel art cut
// into its cells, each reduced to the cell size of the window picture.
QImage ExpectedIcon(int symbol) {
  QImage art;
  if (LoadSymbolArtFile(ProgramDir(), 96, art)) return {};
  return art.copy(96 * (symbol % 3), 96 * (symbol / 3), 96, 96)
      .scaled(24, 24, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_RGB32);
}

// The band of a cell no payline crosses: above the middle row's line and
// between the two diagonals.
QImage LineFreeBand(const QImage& image, QPoint origin) {
  return image.copy(origin.x() + 7, origin.y(), 10, 5).convertToFormat(QImage::Format_RGB32);
}

QPoint CellCentre(int wheel, int row) {
  return GameHistoryWindow::CellOrigin(wheel, row) + QPoint(12, 12);
}

// Half way between the centres of a line's first two cells: the gap between
// the pictures, where only that line's mark can be.
QPoint MarkPoint(int line) {
  const auto& rows = PaylineRows[static_cast<std::size_t>(line)];
  const QPoint a = CellCentre(0, rows[0]);
  const QPoint b = CellCentre(1, rows[1]);
  return (a + b) / 2;
}

// A play's time as the Played column shows it in a locale, built from the C
// library's local time rather than from Qt's formats.
QString Played(const QString& locale, std::int64_t secondsSince1970) {
  const std::time_t at = static_cast<std::time_t>(secondsSince1970);
  std::tm t{};
  localtime_r(&at, &t);
  const int year = 1900 + t.tm_year;
  const int month = t.tm_mon + 1;
  if (locale == "de_DE")
    return QString::asprintf("%02d.%02d.%02d\n%02d:%02d:%02d", t.tm_mday, month, year % 100,
                             t.tm_hour, t.tm_min, t.tm_sec);
  if (locale == "fr_FR")
    return QString::asprintf("%02d/%02d/%02d\n%02d:%02d:%02d", t.tm_mday, month, year % 100,
                             t.tm_hour, t.tm_min, t.tm_sec);
  if (locale == "en_US")
    return QString::asprintf("%02d/%02d/%02d\n%d:%02d:%02d %s", month, t.tm_mday, year % 100,
                             t.tm_hour % 12 == 0 ? 12 : t.tm_hour % 12, t.tm_min, t.tm_sec,
                             t.tm_hour < 12 ? "AM" : "PM");
  return LocalTime(secondsSince1970);
}

// Thirty paid plays of five 25¢ coins as the rules record them: the credits
// fall by the bet, play 12 wins the pool, $100 is borrowed after play 20.
GameState ThirtyPlays() {
  GameState game;
  game.Chart.Start(1000.00);
  double credits = 1000.00;
  for (int n = 1; n <= 30; ++n) {
    PlayRecord play;
    play.coinValue = 0.25;
    play.coins = 5;
    play.win = n % 4 == 0 ? 2.50 : 0;
    play.poolPaid = n == 12 ? 60.00 : 0;
    play.bonus = n == 12;
    credits += play.win + play.poolPaid - 1.25;
    play.creditsAfter = credits;
    game.Statistics.AddPlay(play);
    game.Chart.AddPlay(play, game.Statistics);
    if (n == 20) {
      credits += 100;
      game.Statistics.AddBorrowed(100);
      game.Chart.AddMove(chart_mark::Loan, credits, game.Statistics);
    }
  }
  game.Credits = credits;
  return game;
}

// Screens side by side, their sizes in device pixels, set up before the
// QApplication is made: a 1080p one (the first) and the 1600 x 1000 one
// the window was found too big for.
void UseScreensAtScale1() { UseOffscreenScreens({{1920, 1080}, {1600, 1000}}); }

void UseScreenAtScale2() {
  qputenv("QT_SCALE_FACTOR", "2");
  UseOffscreenScreens({{1600, 1000}});
}

QScreen* ScreenOfSize(QSize size) {
  for (QScreen* screen : QGuiApplication::screens())
    if (screen->geometry().size() == size) return screen;
  return nullptr;
}

// The rows of the plays a player sees whole without scrolling.
int RowsInView(const GameHistoryWindow& window) {
  const QWidget* view = window.Plays->viewport();
  int rows = 0;
  for (int n = 1; n <= GameHistory::Capacity; ++n) {
    const auto* kind = window.findChild<QLabel*>(QStringLiteral("Play%1Window").arg(n));
    if (kind == nullptr) continue;
    const QRect at(kind->mapTo(view, QPoint(0, 0)), kind->size());
    rows += view->rect().contains(at) ? 1 : 0;
  }
  return rows;
}

// A game of ten plays that win much and credits that run high, for the
// widest figures.
GameState TenPlays() {
  GameState game;
  for (int n = 1; n <= GameHistory::Capacity; ++n) {
    PlayRecord play = Play(n, 0b11111);
    play.creditsBefore = 99999.75;
    play.creditsAfter = 100250.00;
    play.meterBefore = 100;
    game.History.Add(play);
  }
  return game;
}

// The lowest and highest of a chart's line and level.
std::pair<double, double> LineAndLevel(const PlotData& data) {
  double low = data.line.front().y();
  double high = low;
  for (const QPointF& point : data.line) {
    low = std::min(low, point.y());
    high = std::max(high, point.y());
  }
  if (data.level) {
    low = std::min(low, *data.level);
    high = std::max(high, *data.level);
  }
  return {low, high};
}

QString Described(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
}

QString Text(const QWidget& window, const QString& name) {
  const auto* label = window.findChild<QLabel*>(name);
  return label ? label->text() : QStringLiteral("<no %1>").arg(name);
}

}  // namespace

class GameHistoryWindowTest : public QObject {
  Q_OBJECT

 private:
  GameState game;
  PlayerRecords records;
  DialogAnswers answers;

  QTranslator english_;
  std::unique_ptr<GameHistoryWindow> Open(const QString& programDir = ProgramDir()) {
    auto window = std::make_unique<GameHistoryWindow>(
        game, records, [this] { records = {}; }, programDir, answers.Services());
    window->show();
    return window;
  }

 private slots:
  // English takes its plural forms from the game's catalog, as the game does.
  void initTestCase() {
    QVERIFY(english_.load(QStringLiteral(VOLTARO_RUNTIME_DIR "translations/voltaro_en.qm")));
    QCoreApplication::installTranslator(&english_);
  }
  void cleanupTestCase() { QCoreApplication::removeTranslator(&english_); }

  void init() {
    game = GameState();
    records = PlayerRecords();
    answers = DialogAnswers();
    // Figures follow the player's locale; these tests read them in the C one.
    QLocale::setDefault(QLocale::c());
  }
  void cleanup() { QLocale::setDefault(QLocale::system()); }

  void emptyGameSaysSoAndKnowsNoReturn() {
    const auto window = Open();
    QCOMPARE(window->windowTitle(), QStringLiteral("Game History"));
    QCOMPARE(window->property(HelpContextProperty).toInt(), HistoryHelpContext);
    QCOMPARE(Text(*window, "NoPlays"), QStringLiteral("No plays yet."));
    QVERIFY(window->findChild<QLabel*>("Play1Time") == nullptr);
    QCOMPARE(Text(*window, "PaidSpins"), QStringLiteral("0"));
    QCOMPARE(Text(*window, "MoneyWagered"), QStringLiteral("$0.00"));
    // Nothing wagered yet: no return, rather than 0%.
    QCOMPARE(Text(*window, "ReturnSoFar"), QStringLiteral("Not yet known"));
    QCOMPARE(Text(*window, "LongRunReturn"), QStringLiteral("Not yet known"));
    QCOMPARE(Text(*window, "ChanceRange"), QStringLiteral("Not yet known"));
    QVERIFY(answers.warnings.isEmpty());
    QTest::mouseClick(window->Button1, Qt::LeftButton);
    QCOMPARE(window->result(), int(QDialog::Accepted));
  }

  void rowsShowThePlaysNewestFirst() {
    for (int n = 1; n <= 3; ++n) game.History.Add(Play(n, 0));
    const auto window = Open();
    QVERIFY(window->findChild<QLabel*>("NoPlays") == nullptr);
    // Play 3 was added last: it is the first row.
    for (int row = 1; row <= 3; ++row) {
      const int n = 4 - row;
      const QString p = QStringLiteral("Play%1").arg(row);
      QCOMPARE(Text(*window, p + "Time"), LocalTime(1796740000 + 3600 * n));
      QCOMPARE(Text(*window, p + "Coins"), QString::number(5 * n));
    }
    QCOMPARE(Text(*window, "Play1Kind"), QStringLiteral("Free"));
    QCOMPARE(Text(*window, "Play2Kind"), QStringLiteral("Paid"));
    QCOMPARE(Text(*window, "Play3Coin"), QString::fromUtf8("25\u00a2"));
    QCOMPARE(Text(*window, "Play2Coin"), QStringLiteral("$0.30"));  // not a menu value
    QCOMPARE(Text(*window, "Play1Win"), QStringLiteral("$3.75"));
    QCOMPARE(Text(*window, "Play3Pool"), QStringLiteral("$62.75"));
    QCOMPARE(Text(*window, "Play2Pool"), QStringLiteral("$0.00"));
    QCOMPARE(Text(*window, "Play1Credits"), QString::fromUtf8("$997.00 \u2192\n$1003.50"));
    QCOMPARE(Text(*window, "Play3Meter"), QString::fromUtf8("10% \u2192\n15%"));
    QVERIFY(window->findChild<QLabel*>("Play4Time") == nullptr);

    // A screen reader reads the plays as a table: a row a play under the
    // nine headings, each cell named by what it shows, the picture in words.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(
        window->findChild<QLabel*>("Play1Win")->parentWidget());
    QCOMPARE(table->role(), QAccessible::Table);
    QAccessibleTableInterface* rows = table->tableInterface();
    QVERIFY(rows != nullptr);
    QCOMPARE(rows->rowCount(), 3);
    QCOMPARE(rows->columnCount(), 9);
    QCOMPARE(rows->columnDescription(8), QStringLiteral("Meter"));
    QAccessibleInterface* win = rows->cellAt(0, 5);
    QCOMPARE(win->role(), QAccessible::Cell);
    QCOMPARE(win->text(QAccessible::Name), QStringLiteral("$3.75"));
    QAccessibleTableCellInterface* place = win->tableCellInterface();
    QCOMPARE(place->rowIndex(), 0);
    QCOMPARE(place->columnIndex(), 5);
    QCOMPARE(place->columnHeaderCells().size(), 1);
    QCOMPARE(place->columnHeaderCells().front()->role(), QAccessible::ColumnHeader);
    QCOMPARE(place->columnHeaderCells().front()->text(QAccessible::Name), QStringLiteral("Win"));
    QCOMPARE(rows->cellAt(0, 7)->text(QAccessible::Name),
             QString::fromUtf8("$997.00 \u2192 $1003.50"));
    QCOMPARE(rows->cellAt(2, 4)->text(QAccessible::Name),
             QStringLiteral("Top row: Voltaro, Bell, Power Drain. Middle row: Lucky Seven, "
                            "Magnet, Diamond. Bottom row: Diamond, Cherries, Magnet."));
    QCOMPARE(rows->cellAt(3, 0), nullptr);
  }

  void statisticsShowTheTotalsAndTheReturns() {
    GameStatistics& s = game.Statistics;
    s.paidSpins = 40;
    s.freeSpins = 14;
    s.coinsWagered = 400;
    s.moneyWagered = 100.00;
    s.wonOnLines = 90.00;
    s.wonFromPool = 7.50;
    s.bonuses = 2;
    s.borrowed = 2000;
    s.paidBack = 1000.05;
    s.biggestWin = 62.75;
    s.spinsByCoins[25] = 10;
    s.spinsByCoins[5] = 30;
    const auto window = Open();
    QCOMPARE(Text(*window, "PaidSpins"), QStringLiteral("40"));
    QCOMPARE(Text(*window, "FreeSpins"), QStringLiteral("14"));
    QCOMPARE(Text(*window, "CoinsWagered"), QStringLiteral("400"));
    QCOMPARE(Text(*window, "MoneyWagered"), QStringLiteral("$100.00"));
    QCOMPARE(Text(*window, "WonOnLines"), QStringLiteral("$90.00"));
    QCOMPARE(Text(*window, "WonFromPool"), QStringLiteral("$7.50"));
    QCOMPARE(Text(*window, "Bonuses"), QStringLiteral("2"));
    QCOMPARE(Text(*window, "Borrowed"), QStringLiteral("$2000.00"));
    QCOMPARE(Text(*window, "PaidBack"), QStringLiteral("$1000.05"));
    QCOMPARE(Text(*window, "BiggestWin"), QStringLiteral("$62.75"));
    // (90.00 + 7.50) / 100.00
    QCOMPARE(Text(*window, "ReturnSoFar"), QStringLiteral("97.5%"));
    // Five coins were bet most often; the machine returns 1.40668 of a bet there.
    QVERIFY(Text(*window, "LongRunCaption").contains("5 coins"));
    QCOMPARE(Text(*window, "LongRunReturn"), QStringLiteral("140.7%"));
    // 99 games in 100 end within 2.576 deviations of it, never below nothing.
    const double reach = 2.576 * StandardMachineFigures().deviation[5] / std::sqrt(40.0);
    const double longRun = StandardMachineFigures().longRunReturn[5];
    QCOMPARE(Text(*window, "ChanceCaption"),
             QStringLiteral("99 games in 100 with as many paid spins end between:"));
    QCOMPARE(Text(*window, "ChanceRange"), QStringLiteral("%1% to %2%")
                                               .arg(100 * std::max(0.0, longRun - reach), 0, 'f', 1)
                                               .arg(100 * (longRun + reach), 0, 'f', 1));
  }

  // The figures are written as the player's locale writes numbers and dates,
  // with no group separators, and exactly as before in English.
  void figuresFollowThePlayersLocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("wagered");
    QTest::addColumn<QString>("returned");
    QTest::addColumn<QString>("loss");
    QTest::addColumn<QString>("cents");
    QTest::newRow("German") << "de_DE"
                            << "$12345,60"
                            << "440,0%"
                            << "-$5,00"
                            << "$0,07";
    QTest::newRow("French") << "fr_FR"
                            << "$12345,60"
                            << "440,0%"
                            << "-$5,00"
                            << "$0,07";
    QTest::newRow("English") << "en_US"
                             << "$12345.60"
                             << "440.0%"
                             << "-$5.00"
                             << "$0.07";
    QTest::newRow("C") << "C"
                       << "$12345.60"
                       << "440.0%"
                       << "-$5.00"
                       << "$0.07";
  }
  void figuresFollowThePlayersLocale() {
    QFETCH(QString, locale);
    QFETCH(QString, wagered);
    QFETCH(QString, returned);
    QFETCH(QString, loss);
    QFETCH(QString, cents);
    QLocale::setDefault(locale == "C" ? QLocale::c() : QLocale(locale));
    const QChar point = wagered[6];
    game.History.Add(Play(1, 0));
    GameStatistics& s = game.Statistics;
    s.paidSpins = 12345;
    s.moneyWagered = 12345.60;
    s.wonOnLines = 54320.64;
    s.spinsByCoins[1] = 12345;
    game.Chart.Start(1000.50);
    records.biggestWin = {12345.60, 1796740000 + 3600, {2, ""}};
    game.Chart.AddPlay(Play(1, 0), game.Statistics);
    const auto window = Open();
    QCOMPARE(Text(*window, "Play1Time"), Played(locale, 1796740000 + 3600));
    QCOMPARE(Text(*window, "RecordBiggestWin"), wagered);
    QCOMPARE(Text(*window, "RecordBiggestWinDate"),
             Played(locale, 1796740000 + 3600).section(u'\n', 0, 0));
    QCOMPARE(Text(*window, "Play1Win"), QStringLiteral("$1") + point + QStringLiteral("25"));
    QCOMPARE(Text(*window, "Play1Meter"), QString::fromUtf8("10% \u2192\n15%"));
    QCOMPARE(Text(*window, "PaidSpins"), QStringLiteral("12345"));
    QCOMPARE(Text(*window, "MoneyWagered"), wagered);
    QCOMPARE(Text(*window, "ReturnSoFar"), returned);
    QCOMPARE(Text(*window, "LongRunCaption"),
             QStringLiteral("Long-run return at 1 coin (the most used bet):"));
    const double reach = 2.576 * StandardMachineFigures().deviation[1] / std::sqrt(12345.0);
    const double longRun = StandardMachineFigures().longRunReturn[1];
    QCOMPARE(Text(*window, "ChanceRange"),
             QStringLiteral("%1% to %2%")
                 .arg(QString::number(100 * (longRun - reach), 'f', 1).replace(u'.', point),
                      QString::number(100 * (longRun + reach), 'f', 1).replace(u'.', point)));
    QCOMPARE(AmountText(-500), loss);
    QCOMPARE(AmountText(7), cents);
    // The charts' words use the same numbers.
    QVERIFY2(window->CreditsChart->Data().summary.startsWith("Credits over the game: from $1000" +
                                                             QString(point) + "50"),
             qPrintable(window->CreditsChart->Data().summary));
  }

  // The records tab shows each record with the game that set it and when,
  // reads as a table, and clears the records only once the player says yes.
  void recordsShowEachRecordAndResetAsksFirst() {
    records.StartGame({}, 1000, 1796740000);
    records.StartGame("Cellar, late", 250, 1796740000);
    records.paidSpins = {1234, 1796740000, {}};
    records.biggestBonus = {78.25, 1796740000, {1, ""}};
    records.longestWinRun = {1, 1796740000, {2, "Cellar, late"}};
    records.timePlayed = {2 * 3600 + 5 * 60 + 9, 1796740000, {}};
    const auto window = Open();
    QCOMPARE(window->Tabs->count(), 3);
    QCOMPARE(window->Tabs->tabText(2), QStringLiteral("&Records"));
    QStringList shown;
    for (const char* name :
         {"RecordGames", "RecordGamesGame", "RecordPaidSpins", "RecordPaidSpinsGame",
          "RecordBiggestBonus", "RecordBiggestBonusGame", "RecordBiggestBonusDate",
          "RecordLongestWinRun", "RecordLongestWinRunGame", "RecordTimePlayed", "RecordBiggestWin",
          "RecordBiggestWinDate"})
      shown << Text(*window, name);
    QCOMPARE(shown, (QStringList{"2", "Cellar, late", "1234", "", "$78.25", "Game #1",
                                 LocalTime(1796740000).section(u'\n', 0, 0), "1 in a row",
                                 "Cellar, late", "2 h 05 min", "$0.00", ""}));
    QCOMPARE(TimePlayedText(59), QStringLiteral("59 s"));
    QCOMPARE(TimePlayedText(60 * 59 + 59), QStringLiteral("59 min"));
    auto* table = window->findChild<QLabel*>("RecordGames")->parentWidget();
    QCOMPARE(QAccessible::queryAccessibleInterface(table)->role(), QAccessible::Table);

    // No keeps them; Yes clears them, and the tab shows them cleared.
    auto* reset = window->findChild<QPushButton*>("ResetRecords");
    QVERIFY(reset != nullptr);
    QCOMPARE(reset->text(), QStringLiteral("Re&set records"));
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
      QString asked;
      QTimer::singleShot(0, window.get(), [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        asked = box->text();
        box->button(answer)->click();
      });
      reset->click();
      QCOMPARE(asked,
               QStringLiteral(
                   "Clear your records of every game played (2 so far)? This cannot be undone."));
      QCOMPARE(Text(*window, "RecordPaidSpins"),
               answer == QMessageBox::No ? QStringLiteral("1234") : QStringLiteral("0"));
    }
    QCOMPARE(records, PlayerRecords{});
    QCOMPARE(Text(*window, "RecordGamesGame"), QString());
  }

  // Each chart says in words what it shows, and a player moves along it with
  // the keys or the mouse to read a play's figures.
  void chartsTellTheGameInWordsAndPointByPoint() {
    game = ThirtyPlays();
    const auto window = Open();
    window->Tabs->setCurrentIndex(1);
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    ChartPlot* credits = window->CreditsChart;
    ChartPlot* returns = window->ReturnChart;
    QVERIFY(credits->isVisible() && returns->isVisible());
    QCOMPARE(credits->accessibleName(), QStringLiteral("Credits over the game"));
    // 1000 - 30 x 1.25 + 7 x 2.50 + 60 + 100; the top just after the loan.
    QCOMPARE(Described(credits),
             QStringLiteral("Credits over the game: from $1000.00 to $1140.00 by play 30; lowest "
                            "$991.25 at play 11, highest $1147.50 at play 20. Bonuses marked: 1. "
                            "Loans: 1. Pay-backs: 0."));
    // Won 7 x 2.50 + 60 on 37.50 wagered; five coins return 140.7% in the long
    // run, give or take 350.0 points at 30 spins.
    const auto [low, high] = LuckBand(5, 30);
    QCOMPARE(QString::number(100 * high, 'f', 1), QStringLiteral("490.7"));
    QCOMPARE(low, 0.0);
    QCOMPARE(Described(returns),
             QStringLiteral("Return so far after 30 paid spins: 206.7%. The machine's long-run "
                            "return at 5 coins is 140.7%; 99 games in 100 with this many paid "
                            "spins end between 0.0% and 490.7%. The return so far is inside "
                            "that band."));

    credits->setFocus();
    QTRY_VERIFY(credits->hasFocus());
    QCOMPARE(credits->CursorText(), QStringLiteral("Play 30: $1140.00"));
    QTest::keyClick(credits, Qt::Key_Home);
    QCOMPARE(credits->CursorText(), QStringLiteral("Play 0: $1000.00"));
    QTest::keyClick(credits, Qt::Key_Right);
    QCOMPARE(credits->CursorText(), QStringLiteral("Play 1: $998.75"));
    // Page Up goes back a tenth of the 32 points (the start, 30 plays, the loan).
    QTest::keyClick(credits, Qt::Key_End);
    QTest::keyClick(credits, Qt::Key_Left);
    QTest::keyClick(credits, Qt::Key_PageUp);
    QCOMPARE(credits->CursorText(), QStringLiteral("Play 26: $1142.50"));
    // The keys' point has its figures in a tip by it, and for a screen reader.
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("Play 26\nWon: $0.00\nCredits: $1142.50"));
    QVERIFY(
        Described(credits).startsWith("Play 26\nWon: $0.00\nCredits: $1142.50\nCredits "
                                      "over the game: from"));
    QTest::mouseMove(credits, credits->PointAt(12).toPoint());
    QTRY_COMPARE(credits->CursorText(), QStringLiteral("Play 12: $1052.50 (bonus)"));
    // 2.50 on the lines and 60.00 from the pool.
    QTRY_COMPARE(QToolTip::text(),
                 QStringLiteral("Play 12\nWon: $2.50 on the lines, $60.00 from the bonus pool\n"
                                "Credits: $1052.50"));
    // The loan shares play 20 with the play before it; the mouse finds the
    // later, the tip tells both.
    QTest::mouseMove(credits, credits->PointAt(21).toPoint());
    QTRY_COMPARE(credits->CursorText(), QStringLiteral("Play 20: $1147.50 (borrowed)"));
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("Play 20\nWon: $2.50\nCredits: $1047.50\n"
                                                  "Borrowed: $100.00\nCredits: $1147.50"));
    QTest::mouseMove(returns, returns->PointAt(4).toPoint());
    QTRY_COMPARE(returns->CursorText(),
                 QStringLiteral("Paid spin 5: 40.0% (99 in 100: 0.0% to 998.0%)"));
    QTRY_COMPARE(QToolTip::text(),
                 QStringLiteral("Paid spin 5\nReturn so far: 40.0%\nWagered: $6.25, returned: "
                                "$2.50\n99 games in 100 are between 0.0% and 998.0% here"));
  }

  // After 30 spins the return chart's axis is the return line's and the
  // long-run line's; the band, far wider so early, is cut off at the plot's
  // edge with a thick dashed line.
  void returnAxisFollowsTheLineNotTheBand() {
    game = ThirtyPlays();
    auto window = Open();
    window->Tabs->setCurrentIndex(1);
    ChartPlot* returns = window->ReturnChart;
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const auto [low, high] = LineAndLevel(returns->Data());
    const PlotRange range = returns->Range();
    // The first quarter's spins may run off the top; from there on the line
    // is whole, and its bottom always is.
    for (const QPointF& point : returns->Data().line)
      QVERIFY(point.y() >= range.yLow && (point.x() < 8 || point.y() <= range.yHigh));
    QVERIFY2(range.yHigh - range.yLow <= 1.5 * (high - low),
             qPrintable(QStringLiteral("%1 to %2").arg(range.yLow).arg(range.yHigh)));
    QCOMPARE(range.xLow, 0.0);
    QCOMPARE(range.xHigh, 30.0);
    // At 30 spins the band reaches 490.7%: above the plot, its edge drawn
    // along the top.
    QVERIFY(range.yHigh < 100 * LuckBand(5, 30).second);
    const QImage shown = returns->grab().toImage();
    const QRect plot = returns->PlotArea();
    int edge = 0;
    for (int x = plot.right() - 60; x < plot.right() - 2; ++x)
      edge += shown.pixelColor(x, plot.top() + 1) == ChartPlot::BandEdgeColour ? 1 : 0;
    QVERIFY2(edge > 20, qPrintable(QString::number(edge)));

    // One paid spin of one coin: an axis about that spin's return and the
    // long-run one, not thousands of per cent, and no band past that spin.
    game = GameState();
    PlayRecord spin;
    spin.coinValue = 0.25;
    spin.coins = 1;
    game.Chart.Start(100);
    game.Statistics.AddPlay(spin);
    game.Chart.AddPlay(spin, game.Statistics);
    window->ShowGame(game);
    const PlotRange one = returns->Range();
    QCOMPARE(one.xLow, 0.0);
    QCOMPARE(one.xHigh, 1.0);
    const auto [lowest, highest] = LineAndLevel(returns->Data());
    QVERIFY2(one.yHigh - one.yLow <= 1.5 * (highest - lowest) && one.yHigh < 1000,
             qPrintable(QStringLiteral("%1 to %2").arg(one.yLow).arg(one.yHigh)));
  }

  // Each loan and pay-back of a play is told with the play's win.
  void tipTellsEveryLoanAndPayBackOfAPlay() {
    game.Chart.Start(10.00);
    PlayRecord play;
    play.coinValue = 1;
    play.coins = 5;
    play.win = 20;
    play.creditsAfter = 25.00;
    game.Statistics.AddPlay(play);
    game.Chart.AddPlay(play, game.Statistics);
    game.Statistics.AddBorrowed(500);
    game.Chart.AddMove(chart_mark::Loan, 525.00, game.Statistics);
    game.Statistics.AddPaidBack(100);
    game.Chart.AddMove(chart_mark::PayBack, 425.00, game.Statistics);
    const auto window = Open();
    window->CreditsChart->SetCursor(1);
    QCOMPARE(window->CreditsChart->TipText(),
             QStringLiteral("Play 1\nWon: $20.00\nCredits: $25.00\nBorrowed: $500.00\nCredits: "
                            "$525.00\nPaid back: $100.00\nCredits: $425.00"));
  }

  // A chart is copied as the picture shown, saved as that picture or as its
  // points, a row each under a header.
  void chartsAreCopiedAndSaved() {
    game = ThirtyPlays();
    auto window = Open();
    window->Tabs->setCurrentIndex(1);
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    ChartPlot* credits = window->CreditsChart;
    const QImage shown = credits->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QTemporaryDir folder;
    answers.savePath = folder.filePath("credits.png");
    credits->SaveAs();
    QCOMPARE(answers.offeredNames, QStringList{"credits-chart"});
    QCOMPARE(QImage(answers.savePath).convertToFormat(QImage::Format_RGB32), shown);

    QVERIFY(credits->SaveTo(folder.filePath("credits.csv")));
    QFile csv(folder.filePath("credits.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(csv.readAll()).split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 1 + static_cast<qsizetype>(credits->Data().line.size()));
    QCOMPARE(rows[0], QStringLiteral("Play,Credits,Won,Marks"));
    QCOMPARE(rows[1], QStringLiteral("0,1000.00,0.00,"));
    QCOMPARE(rows[12], QStringLiteral("11,991.25,0.00,"));
    QCOMPARE(rows[13], QStringLiteral("12,1052.50,62.50,bonus"));
    QCOMPARE(rows[22], QStringLiteral("20,1147.50,0.00,borrowed"));
    QVERIFY(window->ReturnChart->SaveTo(folder.filePath("return.csv")));
    QFile returns(folder.filePath("return.csv"));
    QVERIFY(returns.open(QIODevice::ReadOnly));
    const QStringList returnRows =
        QString::fromUtf8(returns.readAll()).split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(returnRows.size(),
             1 + static_cast<qsizetype>(window->ReturnChart->Data().line.size()));
    QCOMPARE(returnRows[0], QStringLiteral("Paid spins,Return so far (%),Long-run return (%),"
                                           "99 in 100 from (%),99 in 100 to (%)"));
    QCOMPARE(returnRows.back().section(',', 0, 1), QStringLiteral("30,206.67"));

    // Ctrl+C puts the picture on the clipboard.
    credits->setFocus();
    QTRY_VERIFY(credits->hasFocus());
    const QImage focused = credits->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QTest::keyClick(credits, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), focused);
    // A file that cannot be written is told, not taken for saved.
    QVERIFY(!credits->SaveTo(folder.filePath("no/such/folder/c.png")));
    QCOMPARE(answers.warnings.size(), 1);
  }

  // The window stays open beside the machine and follows the game: the same
  // window, its list, totals and charts as the game now is.
  void followsTheGameWhileOpen() {
    game = ThirtyPlays();
    auto window = Open();
    QVERIFY(!window->isModal());
    QCOMPARE(window->windowModality(), Qt::NonModal);
    QVERIFY(window->findChild<QLabel*>("NoPlays") != nullptr);
    ChartPlot* credits = window->CreditsChart;
    credits->SetCursor(3);
    game.History.Add(Play(1, 0b1));
    PlayRecord next = Play(1, 0b1);
    game.Statistics.AddPlay(next);
    game.Chart.AddPlay(next, game.Statistics);
    window->ShowGame(game);
    QCOMPARE(Text(*window, "Play1Win"), QStringLiteral("$1.25"));
    QCOMPARE(Text(*window, "PaidSpins"), QStringLiteral("31"));
    QCOMPARE(window->CreditsChart, credits);
    QCOMPARE(credits->Data().line.size(), std::size_t{33});
    QVERIFY(credits->Data().summary.contains("by play 31"));
    QCOMPARE(credits->Cursor(), std::optional<std::size_t>(3));
    // A point a paid spin, and the loan's.
    QCOMPARE(window->ReturnChart->Data().line.size(), std::size_t{32});
  }

  // On a 1080p screen at scale 1 the window opens with the ten plays whole
  // and every column in view, and fits the smaller screen too; the player
  // resizes it, and the size they give it is the one it opens at next.
  void opensToFitItsScreenAndTakesThePlayersSize() {
    QScreen* screen = ScreenOfSize({1920, 1080});
    QVERIFY(screen != nullptr);
    game = TenPlays();
    auto window = Open();
    window->move(screen->geometry().center());
    QTRY_COMPARE(window->screen(), screen);
    window->PlaceOnScreen(QSize());
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(screen->availableGeometry().contains(window->frameGeometry()));
    QTRY_COMPARE(RowsInView(*window), 10);
    QCOMPARE(window->Plays->horizontalScrollBar()->maximum(), 0);

    QSignalSpy chosen(window.get(), &GameHistoryWindow::SizeChosen);
    QVERIFY(window->minimumSize().width() < 500 && window->maximumSize().width() > 3000);
    window->resize(520, 420);
    QTRY_COMPARE(window->size(), QSize(520, 420));
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.front().front().toSize(), QSize(520, 420));
    // The chosen size where it fits; bounded by the screen where it does not;
    // one too small or from a hostile file is not taken.
    window->PlaceOnScreen(QSize(900, 700));
    QCOMPARE(window->size(), QSize(900, 700));
    window->PlaceOnScreen(QSize(5000, 5000));
    QVERIFY(screen->availableGeometry().contains(window->frameGeometry()));
    const QSize opening = window->OpeningSize(screen->availableGeometry(), QSize());
    QCOMPARE(window->OpeningSize(screen->availableGeometry(), QSize(-5, 100000)), opening);

    // The 1600 x 1000 screen: still every column, and the window within it.
    const QRect small = ScreenOfSize({1600, 1000})->availableGeometry();
    const QSize there = window->OpeningSize(small, QSize());
    QVERIFY(there.width() <= small.width() && there.height() <= small.height());
    window->resize(there);
    QTRY_COMPARE(window->Plays->horizontalScrollBar()->maximum(), 0);
  }

  void emptyChartsSaySo() {
    game.Statistics.paidSpins = 3;  // a file from before the chart was kept
    const auto window = Open();
    QCOMPARE(window->CreditsChart->Data().empty, QStringLiteral("No plays yet."));
    QCOMPARE(window->ReturnChart->Data().empty, QStringLiteral("No plays yet."));
    QCOMPARE(Described(window->CreditsChart),
             QStringLiteral("Credits over the game: no plays yet."));
    QCOMPARE(Described(window->ReturnChart), QStringLiteral("Return so far: no plays yet."));
    // A new game's chart holds its starting credits only: no plays yet either.
    game.Chart.Start(1000);
    window->ShowGame(game);
    QVERIFY(window->CreditsChart->Data().line.empty());
    QCOMPARE(Described(window->CreditsChart),
             QStringLiteral("Credits over the game: no plays yet."));
    QTest::keyClick(window->CreditsChart, Qt::Key_Home);
    QCOMPARE(window->CreditsChart->CursorText(), QString());
  }

  // The pictures are read back from the dialog as it is drawn on the screen.
  void windowPictureShowsTheSymbolsAndTheWinningLines() {
    const std::uint8_t paid = 0b01001;  // the middle row and the falling diagonal
    game.History.Add(Play(1, paid));
    const auto window = Open();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const auto* label = window->findChild<QLabel*>("Play1Window");
    QVERIFY(label != nullptr);
    const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint at = label->mapTo(window.get(), QPoint(0, 0));

    std::array<QImage, SymbolCount> bands;
    for (int symbol = 0; symbol < SymbolCount; ++symbol) {
      const QImage icon = ExpectedIcon(symbol);
      QVERIFY(!icon.isNull());
      bands[static_cast<std::size_t>(symbol)] = LineFreeBand(icon, QPoint(0, 0));
      for (int other = 0; other < symbol; ++other)
        QVERIFY(bands[static_cast<std::size_t>(other)] != bands[static_cast<std::size_t>(symbol)]);
    }
    const PlayRecord play = Play(1, paid);
    for (int wheel = 0; wheel < 3; ++wheel) {
      for (int row = 0; row < 3; ++row) {
        const int symbol = play.window[static_cast<std::size_t>(wheel * 3 + row)];
        const QImage band = LineFreeBand(shown, at + GameHistoryWindow::CellOrigin(wheel, row));
        QVERIFY2(band == bands[static_cast<std::size_t>(symbol)],
                 qPrintable(QStringLiteral("wheel %1 row %2").arg(wheel).arg(row)));
      }
    }
    for (int line = 0; line < 5; ++line) {
      const QColor mark = shown.pixelColor(at + MarkPoint(line));
      const bool marked = mark == GameHistoryWindow::LineColour;
      QVERIFY2(marked == ((paid >> line & 1) != 0),
               qPrintable(QStringLiteral("line %1").arg(line + 1)));
      if (!marked) QCOMPARE(mark, palette::ButtonShadow);
    }
    // Said in words with the lines that paid.
    QVERIFY2(QAccessible::queryAccessibleInterface(const_cast<QLabel*>(label))
                 ->text(QAccessible::Name)
                 .endsWith(QStringLiteral("Magnet. Lines 1, 4 pay.")),
             qPrintable(label->accessibleName()));
  }

  void missingArtStillShowsTheFigures() {
    game.History.Add(Play(2, 0b1));
    QTemporaryDir empty;
    const auto window = Open(empty.path() + "/");
    QCOMPARE(answers.warnings.size(), 1);
    QCOMPARE(Text(*window, "Play1Win"), QStringLiteral("$2.50"));
    const QImage picture = window->findChild<QLabel*>("Play1Window")->pixmap().toImage();
    QCOMPARE(picture.pixelColor(GameHistoryWindow::CellOrigin(2, 2) + QPoint(3, 3)),
             palette::ButtonFace);
    QCOMPARE(picture.pixelColor(MarkPoint(0)), GameHistoryWindow::LineColour);
  }
};

QT_TEST_CLASS_WITH(GameHistoryWindowTest, UseScreensAtScale1, nullptr);

// At scale 2 a 1600 x 1000 screen is 800 x 500: the window opens wholly on it,
// every column in view, and can be made smaller still.
class GameHistoryAtScale2Test : public QObject {
  Q_OBJECT

 private slots:
  void opensWhollyOnTheScreen() {
    QLocale::setDefault(QLocale::c());
    QScreen* screen = QGuiApplication::primaryScreen();
    QCOMPARE(screen->devicePixelRatio(), 2.0);
    DialogAnswers answers;
    const PlayerRecords records;
    GameHistoryWindow window(TenPlays(), records, nullptr, ProgramDir(), answers.Services());
    window.PlaceOnScreen(QSize());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY2(screen->availableGeometry().contains(window.frameGeometry()),
             qPrintable(QStringLiteral("%1 x %2").arg(window.width()).arg(window.height())));
    QCOMPARE(window.Plays->horizontalScrollBar()->maximum(), 0);
    QVERIFY(window.Button1->isVisible());
    window.resize(window.minimumSize());
    QTRY_COMPARE(window.size(), window.minimumSize());
    QLocale::setDefault(QLocale::system());
  }
};

QT_TEST_CLASS_WITH(GameHistoryAtScale2Test, UseScreenAtScale2, nullptr);
#include "GameHistoryWindowTest.moc"
