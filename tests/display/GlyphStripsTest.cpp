// SPDX-License-Identifier: GPL-3.0-or-later
// The three glyph strips: sizes, bands, cells and colours that every routine
// cutting glyphs out of them relies on.

#include <QTest>

#include "FaceTestSupport.h"
#include "GlyphStrips.h"
#include "TestRegistry.h"

namespace {

QSet<QRgb> ColoursIn(const QImage& image, const QRect& area) {
  QSet<QRgb> colours;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      colours.insert(image.pixel(x, y) | 0xFF000000U);
  return colours;
}

}  // namespace

class GlyphStripsTest : public QObject {
  Q_OBJECT

 private slots:
  void sizes() {
    QCOMPARE(DigitsStrip().size(), QSize(188, 147));
    QCOMPARE(AlphaStrip().size(), QSize(507, 28));
    QCOMPARE(LampStrip().size(), QSize(17, 51));
  }

  void digitBands_data() {
    QTest::addColumn<int>("band");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("blue") << 0 << QRgb(0xFF0000FF);
    QTest::newRow("cyan") << 1 << QRgb(0xFF00FFFF);
    QTest::newRow("green") << 2 << QRgb(0xFF00FF00);
    QTest::newRow("magenta") << 3 << QRgb(0xFFFF00FF);
    QTest::newRow("red") << 4 << QRgb(0xFFFF0000);
    QTest::newRow("white") << 5 << QRgb(0xFFFFFFFF);
    QTest::newRow("yellow") << 6 << QRgb(0xFFFFFF00);
  }

  // Each band holds its own colour on black only, every digit lit inside
  // x 2..13 and rows 2..18 of its cell, the separating column and row black.
  void digitBands() {
    QFETCH(int, band);
    QFETCH(QRgb, colour);
    const QImage& digits = DigitsStrip();
    const int top = 21 * band;
    QCOMPARE(ColoursIn(digits, QRect(0, top, 188, 20)), (QSet<QRgb>{Black, colour}));
    QCOMPARE(ColoursIn(digits, QRect(0, top + 20, 188, 1)), QSet<QRgb>{Black});
    for (int d = 0; d < 10; ++d) {
      const QRect cell(16 * d, top, 15, 20);
      QCOMPARE(ColoursIn(digits, QRect(cell.right() + 1, top, 1, 20)), QSet<QRgb>{Black});
      QVERIFY2(ColoursIn(digits, QRect(cell.left() + 2, top + 2, 12, 17)).contains(colour),
               qPrintable(QString("digit %1 unlit").arg(d)));
      // Nothing outside the segment area.
      QCOMPARE(ColoursIn(digits, QRect(cell.left(), top, 15, 2)), QSet<QRgb>{Black});
      QCOMPARE(ColoursIn(digits, QRect(cell.left(), top + 19, 15, 1)), QSet<QRgb>{Black});
      QCOMPARE(ColoursIn(digits, QRect(cell.left(), top, 2, 20)), QSet<QRgb>{Black});
      QCOMPARE(ColoursIn(digits, QRect(cell.left() + 14, top, 1, 20)), QSet<QRgb>{Black});
    }
    // The point has its dot in the lower part only.
    QCOMPARE(ColoursIn(digits, QRect(176, top, 4, 10)), QSet<QRgb>{Black});
    QVERIFY(ColoursIn(digits, QRect(176, top + 10, 4, 10)).contains(colour));
  }

  void digitsAreDistinct() {
    const QImage& digits = DigitsStrip();
    for (int a = 0; a < 10; ++a)
      for (int b = a + 1; b < 10; ++b)
        QVERIFY(digits.copy(16 * a, 84, 15, 20) != digits.copy(16 * b, 84, 15, 20));
  }

  void blankGlyphIsBlack() {
    QCOMPARE(ColoursIn(DigitsStrip(), QRect(160, 42, 15, 20)), QSet<QRgb>{Black});
  }

  // Letters are green dots on the 5 x 9 grid of their cell and nothing else.
  void alphaCells() {
    const QImage& alpha = AlphaStrip();
    const QRgb green = 0xFF00FF00;
    for (int k = 0; k < 39; ++k) {
      bool lit = false;
      for (int y = 0; y < 28; ++y)
        for (int x = 0; x < 13; ++x) {
          const QRgb pixel = alpha.pixel(13 * k + x, y) | 0xFF000000U;
          const bool onGrid = x % 2 == 0 && x >= 2 && x <= 10 && y % 2 == 1 && y >= 5 && y <= 21;
          if (!onGrid) QCOMPARE(pixel, Black);
          QVERIFY(pixel == Black || pixel == green);
          lit = lit || pixel == green;
        }
      QVERIFY2(lit, qPrintable(QString("cell %1 is empty").arg(k)));
    }
    for (int a = 0; a < 26; ++a)
      for (int b = a + 1; b < 26; ++b)
        QVERIFY(alpha.copy(13 * a, 0, 12, 27) != alpha.copy(13 * b, 0, 12, 27));
  }

  // A yellow ring on each lamp; the middle black, red and blue in turn.
  void lamps() {
    const QImage& lamps = LampStrip();
    const QRgb yellow = 0xFFFFFF00;
    for (int lamp = 0; lamp < 3; ++lamp) {
      QVERIFY(ColoursIn(lamps, QRect(0, 17 * lamp, 17, 17)).contains(yellow));
      QCOMPARE(lamps.pixel(0, 17 * lamp) | 0xFF000000U, Black);  // corners outside the ring
    }
    QCOMPARE(lamps.pixel(10, 10) | 0xFF000000U, Black);
    QCOMPARE(lamps.pixel(10, 17 + 10) | 0xFF000000U, Red);
    QCOMPARE(lamps.pixel(10, 34 + 10) | 0xFF000000U, Blue);
  }
};

REGISTER_DISPLAY_TEST(GlyphStripsTest);
#include "GlyphStripsTest.moc"
