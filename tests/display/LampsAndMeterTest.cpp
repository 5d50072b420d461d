// SPDX-License-Identifier: GPL-3.0-or-later
// The 25 payline lamps against the coins dealt, and the power meter.

#include <QTest>

#include "FaceTestSupport.h"
#include "Money.h"
#include "TestRegistry.h"

namespace {

// The colour in the middle of lamp (j, k), just off its glint.
QRgb LampAt(const FaceRig& rig, int j, int k) {
  const FaceLayout& f = rig.Layout();
  return rig.Pixel(f.ReadoutRight - 85 + f.MidSizeShift() + 20 * j + 10,
                   f.RowLines + 4 + 20 * k + 10);
}

}  // namespace

class LampsAndMeterTest : public QObject {
  Q_OBJECT

 private slots:
  void lampsForEveryCount_data() {
    QTest::addColumn<int>("coins");
    QTest::addColumn<double>("coinValue");
    for (double value : {0.05, 0.10, 0.25, 5.00})
      for (int coins = 0; coins <= 25; ++coins)
        QTest::addRow("%d x %.2f", coins, value) << coins << value;
  }

  // The full paint shows the wager dealt coin by coin over lines 1..5 and
  // lights one lamp per coin, column by column; the game itself is only
  // read.
  void lampsForEveryCount() {
    QFETCH(int, coins);
    QFETCH(double, coinValue);
    FaceRig rig(632, 394, 96);
    rig.state.CoinValue = coinValue;
    rig.state.Wager = money::Times(coinValue, coins);
    rig.face->FormPaint();
    QCOMPARE(rig.state.LineBet, (std::array<double, 5>{}));
    const std::array<double, 5> shown = rig.face->ShownLineBets();
    for (int k = 0; k < 5; ++k) {
      const int onLine = coins / 5 + (k < coins % 5 ? 1 : 0);
      QCOMPARE(money::ToCents(shown[static_cast<std::size_t>(k)]),
               money::ToCents(coinValue * onLine));
      for (int j = 0; j < 5; ++j) QCOMPARE(LampAt(rig, j, k), 5 * j + k < coins ? Red : Black);
    }
  }

  // Lit lamps of a line that won show blue, others red; empty lamps stay
  // empty whatever the line did.
  void wonLinesShowBlue() {
    FaceRig rig(632, 394, 96);
    rig.state.LinePay = {0, 20, 0, 0, 5};
    rig.state.Wager = 3.0;  // 12 coins at 25 cents
    rig.face->DrawLineLamps(12);
    QCOMPARE(LampAt(rig, 0, 0), Red);
    QCOMPARE(LampAt(rig, 0, 1), Blue);
    QCOMPARE(LampAt(rig, 2, 1), Blue);
    QCOMPARE(LampAt(rig, 1, 4), Blue);
    QCOMPARE(LampAt(rig, 2, 4), Black);
    QCOMPARE(LampAt(rig, 2, 2), Black);
    QCOMPARE(LampAt(rig, 2, 0), Red);
  }

  void lampsAtMidSize() {
    FaceRig rig(800, 600, 144);
    rig.face->DrawLineLamps(25);
    QCOMPARE(LampAt(rig, 4, 4), Red);
    // The lamp grid's left edge is 13 px right of where it is at 96.
    const FaceLayout& f = rig.Layout();
    QCOMPARE(rig.Pixel(f.ReadoutRight - 85 + 13 + 8, f.RowLines + 4 + 8), Red);
  }

  void meter_data() {
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("rising");
    for (int points : {0, 50, 100})
      for (bool rising : {true, false})
        QTest::addRow("%d %s", points, rising ? "rising" : "falling") << points << rising;
  }

  // One pixel per percent: blue charge at the bottom, red above.
  void meter() {
    QFETCH(int, points);
    QFETCH(bool, rising);
    FaceRig rig(632, 394, 96);
    rig.state.PowerPts = points;
    rig.face->DrawPowerMeter(rising);
    const int xb = 24, yt = 97 + 10, yb = yt + 100;
    for (int y = yt; y < yb; ++y) {
      if (y >= 147 && y < 167) continue;  // the percentage is written over the bar here
      const QRgb expected = y >= yb - points ? Blue : Red;
      QCOMPARE(rig.Pixel(xb + 33, y), expected);
      QCOMPARE(rig.Pixel(xb + 71, y), expected);
    }
    // The bar fills the well exactly; its outline is untouched.
    QCOMPARE(rig.Pixel(xb + 32, yt + 50), Shadow);
    QCOMPARE(rig.Pixel(xb + 72, yt + 50), Shadow);
    QCOMPARE(rig.Pixel(xb + 50, yt - 1), Shadow);
    QCOMPARE(rig.Pixel(xb + 50, yb), Shadow);
  }

  // "%3d%%" in white, centred on XB + 52: the blanks before a short number
  // shift its ink to the right of the centre.
  void meterText() {
    auto inkSpan = [](int points) {
      FaceRig rig(632, 394, 96);
      rig.state.PowerPts = points;
      rig.face->DrawPowerMeter(true);
      int left = 1000, right = -1;
      for (int y = 149; y < 149 + 16; ++y)
        for (int x = 24 + 33; x < 24 + 72; ++x)
          if (rig.Pixel(x, y) == White) {
            left = std::min(left, x);
            right = std::max(right, x);
          }
      return std::pair{left, right};
    };
    const auto [left0, right0] = inkSpan(0);
    const auto [left100, right100] = inkSpan(100);
    const auto [left50, right50] = inkSpan(50);
    QVERIFY(right0 > left0);
    QVERIFY(right100 - left100 > right0 - left0 + 8);
    QVERIFY(left0 > left50);
    QVERIFY(left50 > left100);
    QVERIFY(std::abs((left100 + right100) / 2 - 76) <= 2);
  }

  void meterClampsStoredValues() {
    FaceRig rig(632, 394, 96);
    rig.state.PowerPts = 250;
    rig.face->DrawPowerMeter(true);
    QCOMPARE(rig.Pixel(57, 107), Blue);
    QCOMPARE(rig.Pixel(57, 106), Shadow);
    rig.state.PowerPts = -5;
    rig.face->DrawPowerMeter(false);
    QCOMPARE(rig.Pixel(57, 206), Red);
    QCOMPARE(rig.Pixel(57, 207), Shadow);
  }
};

REGISTER_DISPLAY_TEST(LampsAndMeterTest);
#include "LampsAndMeterTest.moc"
