// SPDX-License-Identifier: GPL-3.0-or-later
// Seven-segment text: anchors in both directions, points, blanks, the
// mid-size shift and the readout formats.

#include <QSet>
#include <QTest>

#include "CanvasWidget.h"
#include "FaceTestSupport.h"
#include "GlyphStrips.h"
#include "LedText.h"
#include "TestRegistry.h"

namespace {

QRect Digit(int d, int band) { return {16 * d, 21 * band, 15, 20}; }
QRect Point(int band) { return {176, 21 * band, 4, 20}; }

struct LedBoard {
  CanvasWidget widget;
  LedBoard() {
    widget.resize(640, 120);
    widget.Canvas().fill(Qt::darkGray);
  }
  const QImage& canvas() { return widget.Canvas(); }
};

}  // namespace

class LedTextTest : public QObject {
  Q_OBJECT

 private slots:
  // Right to left: x is the last cell's left edge and a point takes 4 px.
  void rightToLeftAnchorsTheLastCell() {
    LedBoard board;
    DrawLedText(board.widget, "12.50", 300, 10, false, LedRed, 96);
    const QImage& c = board.canvas();
    QVERIFY(ShowsGlyph(c, {300, 10}, DigitsStrip(), Digit(0, 4)));
    QVERIFY(ShowsGlyph(c, {285, 10}, DigitsStrip(), Digit(5, 4)));
    QVERIFY(ShowsGlyph(c, {281, 10}, DigitsStrip(), Point(4)));
    QVERIFY(ShowsGlyph(c, {266, 10}, DigitsStrip(), Digit(2, 4)));
    QVERIFY(ShowsGlyph(c, {251, 10}, DigitsStrip(), Digit(1, 4)));
    // Nothing beyond the text on either side.
    QCOMPARE(c.pixel(315, 15) | 0xFF000000U, QColor(Qt::darkGray).rgb());
    QCOMPARE(c.pixel(250, 15) | 0xFF000000U, QColor(Qt::darkGray).rgb());
  }

  // Left to right (the borrow dialog's mode): a point sits in the next
  // 15-px place and the following digit 4 px after the point.
  void leftToRight() {
    LedBoard board;
    DrawLedText(board.widget, "1.5", 100, 50, true, LedYellow, 96);
    const QImage& c = board.canvas();
    QVERIFY(ShowsGlyph(c, {100, 50}, DigitsStrip(), Digit(1, 6)));
    QVERIFY(ShowsGlyph(c, {115, 50}, DigitsStrip(), Point(6)));
    QVERIFY(ShowsGlyph(c, {119, 50}, DigitsStrip(), Digit(5, 6)));
  }

  void glyphsAreOpaqueAndBlanksErase() {
    LedBoard board;
    DrawLedText(board.widget, "88888", 300, 10, false, LedRed, 96);
    DrawLedText(board.widget, "    7", 300, 10, false, LedRed, 96);
    QCOMPARE(ReadLedText(board.canvas(), 300, 10, 5, LedRed), QString("    7"));
  }

  void otherCharactersShowAsZeroAndCommaAsPoint() {
    LedBoard board;
    DrawLedText(board.widget, "x,3", 300, 10, false, LedGreen, 96);
    QCOMPARE(ReadLedText(board.canvas(), 300, 10, 3, LedGreen), QString("0.3"));
  }

  void midSizeShift_data() {
    QTest::addColumn<int>("symbolSize");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("drawnAt");
    QTest::newRow("96 keeps x") << 96 << 300 << 300;
    QTest::newRow("192 keeps x") << 192 << 150 << 150;
    QTest::newRow("144 from 200 moves right") << 144 << 200 << 213;
    QTest::newRow("144 below 200 moves left") << 144 << 199 << 186;
  }

  // The shift depends on the symbol size alone, whatever window draws.
  void midSizeShift() {
    QFETCH(int, symbolSize);
    QFETCH(int, x);
    QFETCH(int, drawnAt);
    LedBoard board;
    DrawLedText(board.widget, "4", x, 10, false, LedRed, symbolSize);
    QVERIFY(ShowsGlyph(board.canvas(), {drawnAt, 10}, DigitsStrip(), Digit(4, 4)));
    DrawLedText(board.widget, "4", x, 60, true, LedRed, symbolSize);
    QVERIFY(ShowsGlyph(board.canvas(), {drawnAt, 60}, DigitsStrip(), Digit(4, 4)));
  }

  // Within a width: a text that fits is the plain drawing; a wider one is
  // squeezed to the width from the side it grows from, every column lit or
  // dark as some column of the full-size text, at the mid size as well.
  void withinAWidth_data() {
    QTest::addColumn<bool>("leftToRight");
    QTest::addColumn<int>("symbolSize");
    QTest::newRow("right to left") << false << 96;
    QTest::newRow("left to right") << true << 96;
    QTest::newRow("right to left, mid size") << false << 144;
    QTest::newRow("left to right, mid size") << true << 144;
  }

  void withinAWidth() {
    QFETCH(bool, leftToRight);
    QFETCH(int, symbolSize);
    const QRgb ground = QColor(Qt::darkGray).rgb();
    const int x = 300;
    const int at = symbolSize == 144 ? 313 : 300;

    LedBoard plain;
    LedBoard within;
    DrawLedText(plain.widget, "9999999.99", x, 10, leftToRight, LedRed, symbolSize);
    DrawLedTextWithin(within.widget, "9999999.99", x, 10, leftToRight, LedRed, symbolSize,
                      LedMoneyWidth);
    QVERIFY(plain.canvas() == within.canvas());

    LedBoard wide;
    DrawLedTextWithin(wide.widget, "1234567890123.45", x, 10, leftToRight, LedRed, symbolSize,
                      LedMoneyWidth);
    const int left = leftToRight ? at : at + LedDigitWidth - LedMoneyWidth;
    int lit = 0;
    for (int py = 0; py < 120; ++py)
      for (int px = 0; px < 640; ++px) {
        const QRgb pixel = wide.canvas().pixel(px, py) | 0xFF000000U;
        const bool inside = px >= left && px < left + LedMoneyWidth && py >= 10 && py < 30;
        if (!inside) QCOMPARE(pixel, ground);
        if (inside && pixel != Black) ++lit;
      }
    QVERIFY(lit > 200);
    // The first and the last digit are still there, narrower, at the ends.
    auto litIn = [&](int from, int to) {
      for (int px = from; px < to; ++px)
        for (int py = 10; py < 30; ++py)
          if ((wide.canvas().pixel(px, py) | 0xFF000000U) != Black) return true;
      return false;
    };
    QVERIFY(litIn(left, left + 10));
    QVERIFY(litIn(left + LedMoneyWidth - 12, left + LedMoneyWidth));
    // Every colour drawn is one of the strip's colours in the band.
    QSet<QRgb> band;
    for (int py = 84; py < 104; ++py)
      for (int px = 0; px < 180; ++px) band.insert(DigitsStrip().pixel(px, py) | 0xFF000000U);
    for (int py = 10; py < 30; ++py)
      for (int px = left; px < left + LedMoneyWidth; ++px)
        QVERIFY(band.contains(wide.canvas().pixel(px, py) | 0xFF000000U));
  }

  void formats() {
    const QChar point = LocaleDecimalPoint();
    QCOMPARE(MoneyText(0), QString("      0") + point + "00");
    QCOMPARE(MoneyText(1000), QString("   1000") + point + "00");
    QCOMPARE(MoneyText(12345678.9).size(), 11);
    QCOMPARE(CountText(42, 8), QString("      42"));
    QCOMPARE(CountText(7, 1), QString("7"));
    QCOMPARE(CountText(123456789, 8), QString("123456789"));
  }
};

REGISTER_DISPLAY_TEST(LedTextTest);
#include "LedTextTest.moc"
