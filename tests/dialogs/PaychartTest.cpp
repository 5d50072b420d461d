// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QtMath>
#include <array>
#include <cstdio>
#include <memory>

#include "BuiltProgram.h"
#include "CanvasWidget.h"
#include "DialogAnswers.h"
#include "Fonts.h"
#include "GameState.h"
#include "LedReader.h"
#include "Palette.h"
#include "Paychart.h"
#include "QtTestClasses.h"
#include "ScaledScreens.h"
#include "Settings.h"

namespace {

// Where each column's amounts end and the band they are drawn in.
constexpr std::array<int, 5> ColumnAnchors{197, 311, 423, 535, 647};
constexpr std::array<int, 5> ColumnBands{4, 5, 1, 3, 2};
constexpr std::array<int, 7> Pays{1000, 200, 50, 20, 10, 5, 2};

int RowTop(int row) { return 42 + 37 * row; }

// What a line of `coins` coins pays for a row, worked out here in cents.
QString ExpectedAmount(int row, int coins, int coinCents) {
  const long long cents =
      static_cast<long long>(Pays[static_cast<std::size_t>(row)]) * coinCents * coins;
  char text[32];
  std::snprintf(text, sizeof text, "%*lld.%02lld", coins == 1 ? 4 : 5, cents / 100, cents % 100);
  return QString::fromLatin1(text);
}

QString ReadAmount(const QImage& canvas, int row, int coins, int anchorShift = 0) {
  const auto column = static_cast<std::size_t>(coins - 1);
  return ReadLedRightToLeft(canvas, ColumnAnchors[column] + anchorShift, RowTop(row),
                            ColumnBands[column], coins == 1 ? 7 : 8);
}

}  // namespace

class PaychartTest : public QObject {
  Q_OBJECT

 private:
  GameState state;
  Settings settings = DefaultSettings("/");
  DialogAnswers answers;
  int symbolSize = 96;
  QTranslator english_;

  std::unique_ptr<TPayoffs> MakeChart(const QString& programDir = ProgramDir()) {
    return std::make_unique<TPayoffs>(
        state, settings, programDir, [this] { return symbolSize; }, answers.Services());
  }
  void UseCoin(int bet) {
    settings.Bet = static_cast<std::uint8_t>(bet);
    state.CoinValue = CoinValues[static_cast<std::size_t>(bet)];
  }

 private slots:
  // English takes its plural forms from the game's catalog, as the game does.
  void initTestCase() {
    QVERIFY(english_.load(QStringLiteral(VOLTARO_RUNTIME_DIR "translations/voltaro_en.qm")));
    QCoreApplication::installTranslator(&english_);
  }
  void cleanupTestCase() { QCoreApplication::removeTranslator(&english_); }

  void init() {
    state = GameState();
    answers = DialogAnswers();
    symbolSize = 96;
  }

  void everyAmountReadsBackAtTheCoinValue_data() {
    QTest::addColumn<int>("bet");
    QTest::addColumn<int>("coinCents");
    QTest::addColumn<QString>("caption");
    QTest::newRow("5 cents") << 5 << 5 << QStringLiteral("5\u00a2");
    QTest::newRow("25 cents") << 3 << 25 << QStringLiteral("25\u00a2");
    QTest::newRow("5 dollars") << 0 << 500 << QStringLiteral("$5");
  }
  void everyAmountReadsBackAtTheCoinValue() {
    QFETCH(int, bet);
    QFETCH(int, coinCents);
    QFETCH(QString, caption);
    UseCoin(bet);
    auto chart = MakeChart();
    chart->show();

    const QImage& canvas = chart->Surface().Canvas();
    for (int row = 0; row < 7; ++row) {
      for (int coins = 1; coins <= 5; ++coins) {
        QCOMPARE(ReadAmount(canvas, row, coins), ExpectedAmount(row, coins, coinCents));
      }
    }
    // The same amounts as text for a screen reader, a line a row in the
    // chart's order.
    const QStringList lines = QAccessible::queryAccessibleInterface(&chart->Surface())
                                  ->text(QAccessible::Description)
                                  .split('\n');
    QCOMPARE(lines.size(), 7);
    for (int row = 0; row < 7; ++row) {
      QString said = lines[row].section(QStringLiteral(": "), 1);
      for (int coins = 1; coins <= 5; ++coins) {
        const QString amount = ExpectedAmount(row, coins, coinCents)
                                   .trimmed()
                                   .replace(u'.', QLocale::system().decimalPoint());
        const QString expected =
            QStringLiteral("%1 coin%2 %3").arg(coins).arg(coins == 1 ? "" : "s").arg(amount);
        QVERIFY2(said.startsWith(expected), qPrintable(lines[row]));
        said = said.mid(expected.size() + 2);
      }
    }
    QCOMPARE(lines[0].section(':', 0, 0), QStringLiteral("Three Voltaro symbols"));
    // Tab from OK reaches them.
    QApplication::setActiveWindow(chart.get());
    QVERIFY(QTest::qWaitForWindowActive(chart.get()));
    QCOMPARE(QApplication::focusWidget(), chart->Button1);
    QTest::keyClick(chart->Button1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &chart->Surface());
    QCOMPARE(chart->Label5->text(), caption);
    QCOMPARE(chart->Label4->text(), QStringLiteral("Voltaro Slots"));
    QCOMPARE(chart->windowTitle(), QStringLiteral("Voltaro Slots Payoffs"));
    QVERIFY(chart->Label4->x() >= 104);
    QVERIFY(chart->Label4->x() > chart->Label5->x() + chart->Label5->width());
    QVERIFY(answers.warnings.isEmpty());
  }

  void extremeAmountsFillTheirReadouts() {
    UseCoin(0);
    auto chart = MakeChart();
    chart->show();
    QCOMPARE(ReadAmount(chart->Surface().Canvas(), 0, 5), QStringLiteral("25000.00"));
    QCOMPARE(ReadAmount(chart->Surface().Canvas(), 0, 1), QStringLiteral("5000.00"));
    // One coin takes seven cells: there is no eighth, lit or unlit.
    QCOMPARE(ReadLedRightToLeft(chart->Surface().Canvas(), 197, 42, 4, 8),
             QStringLiteral("?5000.00"));
    chart->hide();

    UseCoin(5);
    chart->show();
    QCOMPARE(ReadAmount(chart->Surface().Canvas(), 6, 1), QStringLiteral("   0.10"));
    QCOMPARE(chart->Label5->text(), QStringLiteral("5\u00a2"));
  }

  void midSizeArtMovesTheAnchorsOutward() {
    symbolSize = 144;
    auto chart = MakeChart();
    chart->show();
    // The first column lies left of the 200-pixel line, the others right of it.
    QCOMPARE(ReadAmount(chart->Surface().Canvas(), 0, 1, -13), QStringLiteral(" 250.00"));
    QCOMPARE(ReadAmount(chart->Surface().Canvas(), 0, 2, 13), QStringLiteral("  500.00"));
  }

  void picturesAreFramedCopiesOfTheArt() {
    auto chart = MakeChart();
    chart->show();
    const QImage& art = chart->ChartArt();
    QCOMPARE(art.size(), QSize(72, 72));
    const QImage& canvas = chart->Surface().Canvas();
    for (int symbol = 0; symbol <= 5; ++symbol) {
      const QImage cell = art.copy(24 * (symbol % 3), 24 * (symbol / 3), 24, 24);
      const int top = 40 + 37 * symbol;
      for (int copy = 0; copy < 3; ++copy) QCOMPARE(canvas.copy(10 + 34 * copy, top, 24, 24), cell);
    }
    // Two of symbol 5, and no third picture.
    const QImage five = art.copy(48, 24, 24, 24);
    QCOMPARE(canvas.copy(10, 262, 24, 24), five);
    QCOMPARE(canvas.copy(44, 262, 24, 24), five);
    QCOMPARE(QColor(canvas.pixel(78 + 12, 262 + 12)), palette::ButtonFace);
    // Raised frames 3 px outside: shadow right, highlight left.
    QCOMPARE(QColor(canvas.pixel(10 + 24 + 3, 52)), palette::ButtonShadow);
    QCOMPARE(QColor(canvas.pixel(10 - 3, 52)), palette::ButtonHighlight);
    QCOMPARE(QColor(canvas.pixel(44 + 24 + 3, 274)), palette::ButtonShadow);
  }

  void chartIsDrawnAtItsScreensRatio_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("125%") << 1.25;
    QTest::newRow("150%") << 1.5;
    QTest::newRow("200%") << 2.0;
    QTest::newRow("300%") << 3.0;
  }
  // On a scaled screen the pictures and amounts are drawn at the screen's
  // own pixels, as the face is, not blown up from the chart at 1; back on a
  // plain screen the chart is the plain one again.
  void chartIsDrawnAtItsScreensRatio() {
    QFETCH(qreal, ratio);
    QScreen* plain = ScreenOfRatio(1.0);
    QScreen* scaled = ScreenOfRatio(ratio);
    QVERIFY(plain != nullptr && scaled != nullptr);
    UseCoin(3);
    auto one = MakeChart();
    MoveToScreen(*one, *plain);
    auto chart = MakeChart();
    MoveToScreen(*chart, *scaled);
    QTRY_COMPARE(chart->Surface().CanvasRatio(), ratio);
    const QImage& canvas = chart->Surface().Canvas();
    QCOMPARE(canvas.size(), QSize(qRound(674 * ratio), qRound(393 * ratio)));
    // Smooth edges at a fractional ratio blur more.
    const bool whole = ratio == qFloor(ratio);
    const QStringList failed = PartsNotDrawnAtRatio(
        canvas, one->Surface().Canvas(),
        {
            {"pictures", QRect(10, 40, 92, 37 * 6 + 24), whole ? 6.0 : 9.0, 0.3},
            {"1 coin amounts", QRect(197 + 15 - 7 * 15, 42, 7 * 15, 37 * 6 + 20), whole ? 4.0 : 9.0,
             0.01},
            {"5 coins amounts", QRect(647 + 15 - 8 * 15, 42, 8 * 15, 37 * 6 + 20),
             whole ? 4.0 : 9.0, 0.01},
        });
    QVERIFY2(failed.isEmpty(), qPrintable(failed.join('\n')));

    MoveToScreen(*chart, *plain);
    QTRY_COMPARE(chart->Surface().CanvasRatio(), 1.0);
    QCOMPARE(chart->Surface().Canvas(), one->Surface().Canvas());
  }

  void reopeningFollowsTheCoinValue() {
    UseCoin(3);
    auto chart = MakeChart();
    chart->show();
    QCOMPARE(ReadAmount(chart->Surface().Canvas(), 2, 3), QStringLiteral("   37.50"));
    const QImage pictures = chart->Surface().Canvas().copy(0, 30, 110, 270);
    chart->hide();

    UseCoin(1);
    chart->show();
    QCOMPARE(ReadAmount(chart->Surface().Canvas(), 2, 3), QStringLiteral("  150.00"));
    QCOMPARE(chart->Label5->text(), QStringLiteral("$1"));
    QCOMPARE(chart->Surface().Canvas().copy(0, 30, 110, 270), pictures);
  }

  void missingArtIsReportedAndTheAmountsStillShow() {
    QTemporaryDir empty;
    auto chart = MakeChart(empty.path() + QLatin1Char('/'));
    chart->show();
    QCOMPARE(answers.warnings.size(), 1);
    QVERIFY2(answers.warnings.front().contains("volta96.bmp"),
             qPrintable(answers.warnings.front()));
    QVERIFY(chart->ChartArt().isNull());
    QCOMPARE(ReadAmount(chart->Surface().Canvas(), 0, 5), QStringLiteral(" 1250.00"));
    QCOMPARE(ReadAmount(chart->Surface().Canvas(), 6, 1), QStringLiteral("   0.50"));
  }
};

#include "PaychartTest.moc"

QT_TEST_CLASS_WITH(PaychartTest, UseScaledScreens, InstallFontSubstitutes);
