// The face's layout values, the art size for a width and the button places.

#include <QTest>

#include "ButtonPlaces.h"
#include "FaceLayout.h"
#include "SymbolArt.h"
#include "TestRegistry.h"

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void values_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("symbolSize");
    QTest::addColumn<QList<int>>("expected");  // T L M R step credits wager won lines
    QTest::newRow("start-up 632 x 394")
        << 632 << 394 << 96 << QList<int>{23, 162, 24, 608, 57, 40, 97, 154, 211};
    QTest::newRow("800 x 600 at 144")
        << 800 << 600 << 144 << QList<int>{54, 174, 40, 760, 86, 71, 157, 243, 329};
    QTest::newRow("1024 x 768 at 192")
        << 1024 << 768 << 192 << QList<int>{66, 214, 50, 974, 115, 83, 198, 313, 428};
  }

  void values() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, symbolSize);
    QFETCH(QList<int>, expected);
    const FaceLayout f = FaceLayout::Compute(width, height, symbolSize);
    const QList<int> actual{f.ReelTop,    f.ReelLeft, f.ReadoutMargin, f.ReadoutRight, f.RowStep,
                            f.RowCredits, f.RowWager, f.RowWon,        f.RowLines};
    QCOMPARE(actual, expected);
  }

  // Wheel windows S wide and 3S high, 9 px apart.
  void wheelWindows() {
    const FaceLayout f = FaceLayout::Compute(632, 394, 96);
    QCOMPARE(f.WheelRect(0), QRect(162, 23, 96, 288));
    QCOMPARE(f.WheelRect(1), QRect(267, 23, 96, 288));
    QCOMPARE(f.WheelRect(2), QRect(372, 23, 96, 288));
    QCOMPARE(f.CellRect(2, 1), QRect(372, 119, 96, 96));
  }

  void artSizeForWidth_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("expected");
    QTest::newRow("632") << 632 << 192 << 96;
    QTest::newRow("750") << 750 << 192 << 96;
    QTest::newRow("751") << 751 << 96 << 144;
    QTest::newRow("800") << 800 << 96 << 144;
    QTest::newRow("1000") << 1000 << 96 << 144;
    QTest::newRow("1001") << 1001 << 96 << 192;
    QTest::newRow("1024") << 1024 << 96 << 192;
    QTest::newRow("5000") << 5000 << 96 << 192;
    QTest::newRow("wider keeps 96") << 5001 << 96 << 96;
    QTest::newRow("wider keeps 144") << 6000 << 144 << 144;
  }

  void artSizeForWidth() {
    QFETCH(int, width);
    QFETCH(int, current);
    QFETCH(int, expected);
    QCOMPARE(ArtSizeForWidth(width, current), expected);
    QCOMPARE(SymbolArtFileName(expected), QString("volta%1.bmp").arg(expected));
  }

  void buttonLefts() {
    QCOMPARE(ButtonLefts(632, 132), (std::array<int, 4>{22, 174, 326, 478}));
    // Wider panels keep equal gaps and centre the row.
    const auto lefts = ButtonLefts(1024, 132);
    const int gap = lefts[1] - lefts[0] - 132;
    QCOMPARE(lefts[2] - lefts[1] - 132, gap);
    QVERIFY(std::abs(lefts[0] - (1024 - (lefts[3] + 132))) <= 1);
  }
};

REGISTER_DISPLAY_TEST(LayoutTest);
#include "LayoutTest.moc"
