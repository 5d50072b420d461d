// SPDX-License-Identifier: GPL-3.0-or-later
// The face's layout values, the art size for a width and the button places.

#include <QTest>

#include "ButtonPlaces.h"
#include "FaceLayout.h"
#include "FaceTestSupport.h"
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

  // Client areas (face and panel) of maximized windows on common screens,
  // after the title bar, the menu bar and a task bar.
  void artSizeForClient_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("expected");
    QTest::newRow("start-up") << QSize(632, 394) << 96;
    QTest::newRow("800 x 600") << QSize(800, 578) << 144;
    QTest::newRow("1024 x 768") << QSize(1024, 689) << 192;
    QTest::newRow("1366 x 768 with a task bar") << QSize(1366, 676) << 192;
    QTest::newRow("1920 x 1080") << QSize(1920, 997) << 192;
    QTest::newRow("1024 x 600") << QSize(1024, 530) << 144;
    QTest::newRow("1280 x 672") << QSize(1280, 620) << 144;
    QTest::newRow("192 just fits") << QSize(1280, 653) << 192;
    QTest::newRow("192 one row short") << QSize(1280, 652) << 144;
    QTest::newRow("144 just fits") << QSize(1280, 509) << 144;
    QTest::newRow("144 one row short") << QSize(1280, 508) << 96;
    QTest::newRow("very wide and short") << QSize(6000, 560) << 144;
  }

  void artSizeForClient() {
    QFETCH(QSize, client);
    QFETCH(int, expected);
    QCOMPARE(ArtSizeFor(client, 192), expected);
  }

  // At the least height that holds a size, the painted face starts on the
  // canvas's first row with the readout boxes and its wheel frame ends inside
  // the canvas: the height rule and the paint agree.
  void leastHeightHoldsThePaintedFace_data() {
    QTest::addColumn<int>("symbolSize");
    QTest::addColumn<int>("height");
    QTest::newRow("144") << 144 << 509;
    QTest::newRow("192") << 192 << 653;
  }

  void leastHeightHoldsThePaintedFace() {
    QFETCH(int, symbolSize);
    QFETCH(int, height);
    const FaceRig rig(1280, height, symbolSize);
    const FaceLayout& f = rig.Layout();
    const int boxLeft = f.ReadoutRight - 125 + (symbolSize == 144 ? 13 : 0);
    const QPoint boxTop(boxLeft + 60, f.RowCredits - 26);
    const QPoint frameFoot(f.ReelLeft + 10, f.ReelTop + 3 * symbolSize + 8);
    QCOMPARE(boxTop.y(), 0);
    QVERIFY(frameFoot.y() < rig.Canvas().height());
    QCOMPARE(rig.Pixel(boxTop.x(), boxTop.y()), Shadow);
    QCOMPARE(rig.Pixel(frameFoot.x(), frameFoot.y()), Face);
    QVERIFY(FaceLayout::FitsHeight(height, symbolSize));
    QVERIFY(!FaceLayout::FitsHeight(height - 1, symbolSize));
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
