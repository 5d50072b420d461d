// SPDX-License-Identifier: GPL-3.0-or-later
// The full paint of the machine face read back from its canvas: box spans,
// readouts at their anchors and bands, captions, paylines, wheels, the
// free-spin face, the mid-size layout and the background.

#include <QAccessible>
#include <QTest>
#include <QTranslator>
#include <algorithm>
#include <initializer_list>
#include <limits>

#include "FaceTestSupport.h"
#include "LedText.h"
#include "Money.h"
#include "Reels.h"
#include "TestRegistry.h"

namespace {

// The smallest rectangle holding every pixel of the face that differs from
// `before`; empty when nothing changed.
QRect ChangedArea(const FaceRig& rig, const QImage& before) {
  QRect changed;
  for (int y = 0; y < before.height(); ++y)
    for (int x = 0; x < before.width(); ++x)
      if (rig.Pixel(x, y) != (before.pixel(x, y) | 0xFF000000U)) changed |= QRect(x, y, 1, 1);
  return changed;
}

// Money as the description writes it, in the system's decimal point.
QString Amount(const char* text) {
  return QString::fromLatin1(text).replace('.', QLocale::system().decimalPoint());
}

}  // namespace

class FaceTest : public QObject {
  Q_OBJECT

 private slots:
  // English takes its plural forms from the game's catalog, as the game does.
  void initTestCase() {
    QVERIFY(english_.load(QStringLiteral(VOLTARO_ASSET_DIR "translations/voltaro_en.qm")));
    QCoreApplication::installTranslator(&english_);
  }

  void boxSpansAtStartUpSize() {
    FaceRig rig(632, 394, 96);
    rig.face->SetBackground({false, QColor(0x11, 0x22, 0x33), {}});
    rig.face->FormPaint();
    const QRgb ground = 0xFF112233;
    // Right boxes 483..626, left boxes 4..147 (outlines in button shadow).
    QCOMPARE(rig.Pixel(482, 20), ground);
    QCOMPARE(rig.Pixel(483, 20), Shadow);
    QCOMPARE(rig.Pixel(626, 20), Shadow);
    QCOMPARE(rig.Pixel(627, 20), ground);
    QCOMPARE(rig.Pixel(3, 20), ground);
    QCOMPARE(rig.Pixel(4, 20), Shadow);
    QCOMPARE(rig.Pixel(147, 20), Shadow);
    QCOMPARE(rig.Pixel(148, 20), ground);
    // The grey reel panel 154..476, its raised frame just outside.
    QCOMPARE(rig.Pixel(152, 100), ground);
    QCOMPARE(rig.Pixel(153, 100), Highlight);
    QCOMPARE(rig.Pixel(154, 100), Face);
    QCOMPARE(rig.Pixel(476, 100), Face);
    QCOMPARE(rig.Pixel(477, 100), Shadow);
    QCOMPARE(rig.Pixel(478, 100), ground);
    QCOMPARE(rig.Pixel(300, 14), Highlight);
    QCOMPARE(rig.Pixel(300, 15), Face);
    QCOMPARE(rig.Pixel(300, 319), Face);
    QCOMPARE(rig.Pixel(300, 320), Shadow);
    // PAYLINES reaches row 318 and POWER PCT row 316.
    QCOMPARE(rig.Pixel(500, 318), Shadow);
    QCOMPARE(rig.Pixel(500, 319), ground);
    QCOMPARE(rig.Pixel(20, 316), Shadow);
    QCOMPARE(rig.Pixel(20, 317), ground);
    QVERIFY(rig.Canvas().height() == 337);
  }

  void captions() {
    FaceRig rig(632, 394, 96);
    const QImage& c = rig.Canvas();
    QCOMPARE(ReadCaption(c, 483, 14, 144, 9), QString("CREDITS"));
    QCOMPARE(ReadCaption(c, 483, 71, 144, 9), QString("WAGER"));
    QCOMPARE(ReadCaption(c, 483, 128, 144, 9), QString("WON"));
    QCOMPARE(ReadCaption(c, 483, 185, 144, 9), QString("PAYLINES"));
    QCOMPARE(ReadCaption(c, 4, 14, 144, 9), QString("SPINS"));
    QCOMPARE(ReadCaption(c, 4, 71, 144, 9), QString("POWER PCT"));
    QCOMPARE(ReadCaption(c, 4, 97 + 96 + 30, 144, 9), QString("BONUS"));
  }

  // Each readout at its anchor, in its band, in its format.
  void readouts() {
    FaceRig rig(632, 394, 96);
    rig.state.Credits = 987.65;
    rig.state.Wager = 0.75;
    rig.state.WinAmount = 12.5;
    rig.state.Spins = 1234;
    rig.state.BonusPool = 61.25;
    rig.face->FormPaint();
    const QImage& c = rig.Canvas();
    QCOMPARE(ReadLedText(c, 608, 40, 10, LedRed), QString("    987.65"));
    QCOMPARE(ReadLedText(c, 608, 97, 10, LedRed), QString("      0.75"));
    QCOMPARE(ReadLedText(c, 608, 154, 10, LedRed), QString("     12.50"));
    QCOMPARE(ReadLedText(c, 129, 40, 8, LedRed), QString("    1234"));
    QCOMPARE(ReadLedText(c, 129, 249, 10, LedRed), QString("     61.25"));
    for (int k = 0; k < 5; ++k)
      QCOMPARE(ReadLedText(c, 494, 213 + 20 * k, 1, LedGreen), QString::number(k + 1));
    // Redrawn alone, readouts land on the same anchors.
    rig.face->DrawMoneyReadout(MoneyReadout::Credits, 5.0);
    rig.face->DrawMoneyReadout(MoneyReadout::Bonus, 50);
    rig.face->DrawCountReadout(CountReadout::FreeSpinsPlayed, 2);
    QCOMPARE(ReadLedText(c, 608, 40, 10, LedRed), QString("      5.00"));
    QCOMPARE(ReadLedText(c, 129, 249, 10, LedRed), QString("     50.00"));
    QCOMPARE(ReadLedText(c, 129, 40, 8, LedCyan), QString("       2"));
  }

  void wagerShowsLastBetWhenNoCoinsAreIn() {
    FaceRig rig(632, 394, 96);
    rig.state.Wager = 0;
    rig.state.LastBet = 1.25;
    rig.face->FormPaint();
    QCOMPARE(ReadLedText(rig.Canvas(), 608, 97, 10, LedRed), QString("      1.25"));
    rig.state.LastBet = 0;
    rig.face->FormPaint();
    QCOMPARE(ReadLedText(rig.Canvas(), 608, 97, 10, LedRed), QString("      0.00"));
  }

  // However large an amount, its readout draws inside its own box and
  // nowhere else (the wheels least of all); up to ten characters it draws
  // exactly as before, beyond that squeezed to the same ten cells.
  void wideAmountsStayInTheirBoxes_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("size");
    QTest::newRow("96") << 632 << 394 << 96;
    QTest::newRow("144") << 800 << 600 << 144;
    QTest::newRow("192") << 1024 << 768 << 192;
  }

  void wideAmountsStayInTheirBoxes() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, size);
    const struct {
      MoneyReadout readout;
      double GameState::*field;
    } readouts[] = {{MoneyReadout::Credits, &GameState::Credits},
                    {MoneyReadout::Wager, &GameState::Wager},
                    {MoneyReadout::Won, &GameState::WinAmount},
                    {MoneyReadout::Bonus, &GameState::BonusPool}};
    for (const auto& readout : readouts) {
      FaceRig rig(width, height, size);
      rig.state.*readout.field = 0;
      rig.state.LastBet = 0;
      rig.face->FormPaint();
      const QImage before = rig.Canvas().copy();
      const FaceLayout& f = rig.Layout();
      const int shift = f.MidSizeShift();
      // The cells of a "%10.2f" amount: 139 px ending 15 px right of the
      // anchor, inside the box one pixel in from its outline.
      int anchor = f.ReadoutRight + shift;
      int row = f.RowCredits;
      int boxLeft = f.ReadoutRight - 125 + shift;
      if (readout.readout == MoneyReadout::Wager) row = f.RowWager;
      if (readout.readout == MoneyReadout::Won) row = f.RowWon;
      if (readout.readout == MoneyReadout::Bonus) {
        anchor = f.ReadoutMargin + 105 - shift;
        row = f.RowWager + size + 56;
        boxLeft = f.ReadoutMargin - 20 - shift;
      }
      const QRect cells(anchor + 15 - 139, row, 139, 20);
      QVERIFY(QRect(boxLeft + 1, row, 142, 20).contains(cells));

      for (double amount :
           {9999999.99, 10000000.00, 123456789.05, money::LargestAmount, -money::LargestAmount}) {
        const QString label =
            QStringLiteral("%1 in readout %2").arg(amount, 0, 'f', 2).arg(int(readout.readout));
        rig.face->DrawMoneyReadout(readout.readout, amount);
        const QRect changed = ChangedArea(rig, before);
        QVERIFY2(cells.contains(changed), qPrintable(label));
        QVERIFY2(changed.left() < cells.left() + LedDigitWidth, qPrintable(label));
        // The full paint draws the same.
        FaceRig painted(width, height, size);
        painted.state.*readout.field = amount;
        painted.state.LastBet = 0;
        painted.face->FormPaint();
        QVERIFY2(painted.Canvas().copy(cells) == rig.Canvas().copy(cells), qPrintable(label));
        // An ordinary amount drawn over it covers it cell by cell.
        rig.face->DrawMoneyReadout(readout.readout, 0.05);
        QCOMPARE(ReadLedText(rig.Canvas(), anchor, row, 10, LedRed), QString("      0.05"));
        rig.face->DrawMoneyReadout(readout.readout, 0);
        QVERIFY2(rig.Canvas() == before, qPrintable(label));
      }
      // Ten characters are not squeezed: the glyphs read back in place.
      rig.face->DrawMoneyReadout(readout.readout, 9999999.99);
      QCOMPARE(ReadLedText(rig.Canvas(), anchor, row, 10, LedRed), QString("9999999.99"));
    }
  }

  // The same for the SPINS count: nine characters as before, the widest
  // counts squeezed into the box.
  void wideCountsStayInTheSpinsBox_data() { wideAmountsStayInTheirBoxes_data(); }

  void wideCountsStayInTheSpinsBox() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, size);
    FaceRig rig(width, height, size);
    const QImage before = rig.Canvas().copy();
    const FaceLayout& f = rig.Layout();
    const int anchor = f.ReadoutMargin + 105 - f.MidSizeShift();
    const QRect cells(anchor + 15 - 139, f.RowCredits, 139, 20);
    QVERIFY(cells.left() > f.ReadoutMargin - 20 - f.MidSizeShift());
    for (int count : {123456789, 1234567890, std::numeric_limits<int>::max(),
                      std::numeric_limits<int>::min()}) {
      for (CountReadout readout : {CountReadout::Spins, CountReadout::FreeSpinsPlayed}) {
        rig.face->DrawCountReadout(readout, count);
        const QRect changed = ChangedArea(rig, before);
        QVERIFY2(changed.isEmpty() || cells.contains(changed), qPrintable(QString::number(count)));
      }
      rig.face->DrawCountReadout(CountReadout::Spins, 0);
      QCOMPARE(ReadLedText(rig.Canvas(), anchor, f.RowCredits, 8, LedRed), QString("       0"));
    }
    rig.face->DrawCountReadout(CountReadout::Spins, 123456789);
    QCOMPARE(ReadLedText(rig.Canvas(), anchor, f.RowCredits, 9, LedRed), QString("123456789"));
  }

  // Every one-pixel line of the face, end to end and not only at its ends:
  // box outlines, the BONUS rule, the meter well, the frames round the reel
  // panel and the wheels, and the three straight paylines between them.
  void everyOnePixelLineIsWhole_data() { wideAmountsStayInTheirBoxes_data(); }

  void everyOnePixelLineIsWhole() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, size);
    FaceRig rig(width, height, size);
    const FaceLayout& f = rig.Layout();
    const int s = size;
    const int m = f.ReadoutMargin;
    const int r = f.ReadoutRight;
    const int l = f.ReelLeft;
    const int t = f.ReelTop;
    const int shift = f.MidSizeShift();
    int wrong = 0;
    QString first;
    auto expectLine = [&](const char* what, int x0, int y0, int x1, int y1,
                          std::initializer_list<QRgb> colours) {
      for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
          const QRgb pixel = rig.Pixel(x, y);
          if (std::find(colours.begin(), colours.end(), pixel) != colours.end()) continue;
          if (wrong++ == 0)
            first = QStringLiteral("%1 at (%2, %3): %4").arg(what).arg(x).arg(y).arg(pixel, 8, 16);
        }
    };
    auto expectBox = [&](const char* what, int x, int y, int w, int h) {
      expectLine(what, x, y, x + w - 1, y, {Shadow});
      expectLine(what, x, y + h - 1, x + w - 1, y + h - 1, {Shadow});
      expectLine(what, x, y, x, y + h - 1, {Shadow});
      expectLine(what, x + w - 1, y, x + w - 1, y + h - 1, {Shadow});
    };
    expectBox("CREDITS", r - 125 + shift, f.RowCredits - 26, 144, 52);
    expectBox("WAGER", r - 125 + shift, f.RowWager - 26, 144, 52);
    expectBox("WON", r - 125 + shift, f.RowWon - 26, 144, 52);
    expectBox("PAYLINES", r - 125 + shift, f.RowLines - 26, 144, 134);
    expectBox("SPINS", m - 20 - shift, f.RowCredits - 26, 144, 52);
    expectBox("POWER PCT", m - 20 - shift, f.RowWager - 26 + (s - 96), 144, 246);
    expectLine("BONUS rule", m - 20 - shift, f.RowWager + s + 30, m + 123 - shift,
               f.RowWager + s + 30, {Shadow});
    const int wellLeft = s == 144 ? m + 19 : m + 32;
    expectBox("meter well", wellLeft, f.RowWager + s - 87, 41, 102);

    // Frames: the paylines are drawn after them and cross them.
    auto expectFrame = [&](const char* what, int left, int top, int right, int bottom, int e,
                           QRgb rightAndBottom, QRgb leftAndTop) {
      expectLine(what, right + e, top - e + 1, right + e, bottom + e - 2, {rightAndBottom, Red});
      expectLine(what, left - e + 2, bottom + e, right + e - 1, bottom + e, {rightAndBottom, Red});
      expectLine(what, left - e, top - e + 1, left - e, bottom + e - 2, {leftAndTop, Red});
      expectLine(what, left - e + 1, top - e, right + e - 2, top - e, {leftAndTop, Red});
    };
    expectFrame("reel panel", l - 6, t - 6, l + 3 * s + 24, t + 3 * s + 6, 3, Shadow, Highlight);
    for (int w = 0; w < 3; ++w) {
      const int left = l + w * (s + 9);
      expectFrame("wheel frame", left, t, left + s - 1, t + 3 * s - 1, 3, Highlight, Shadow);
      expectLine("wheel outline", left - 1, t - 1, left - 1, t + 3 * s - 1, {Black, Red});
      expectLine("wheel outline", left + s - 1, t - 1, left + s - 1, t + 3 * s - 1, {Black, Red});
    }

    // The straight paylines wherever no wheel, outline or frame covers them.
    for (int y : {t + s + s / 2 + 8, t + s / 2, t + 2 * s + s / 2}) {
      for (int x = l - 10; x < l + 3 * s + 28; ++x) {
        bool covered = x == l - 9 || x == l + 3 * s + 27;
        for (int w = 0; w < 3; ++w) {
          const int left = l + w * (s + 9);
          covered =
              covered || (x >= left - 1 && x <= left + s - 1) || x == left - 3 || x == left + s + 2;
        }
        if (!covered) expectLine("payline", x, y, x, y, {Red});
      }
    }
    QVERIFY2(wrong == 0,
             qPrintable(QStringLiteral("%1 wrong pixels, first %2").arg(wrong).arg(first)));
  }

  void freeSpinFace() {
    FaceRig rig(632, 394, 96);
    rig.face->SetBackground({false, QColor(0x11, 0x22, 0x33), {}});
    rig.state.FreeSpins = 6;
    rig.face->FormPaint();
    const QImage& c = rig.Canvas();
    QCOMPARE(ReadCaption(c, 4, 14, 144, 9), QString("SPINS"));
    QCOMPARE(ReadCaption(c, 4, 128, 144, 9), QString("SPIN FREE"));
    QCOMPARE(ReadLedText(c, 66, 154, 1, LedRed), QString("6"));
    // No POWER PCT box, meter, BONUS or note: plain background there.
    QCOMPARE(rig.Pixel(4, 250), 0xFF112233);
    QCOMPARE(rig.Pixel(70, 195), 0xFF112233);
    QCOMPARE(rig.Pixel(75, 305), 0xFF112233);
    rig.face->DrawCountReadout(CountReadout::SpinFree, 5);
    QCOMPARE(ReadLedText(c, 66, 154, 1, LedRed), QString("5"));
  }

  void plusSevenNoteUnderTheMeter() {
    FaceRig rig(632, 394, 96);
    // White text centred on x = M + 51 = 75, from y = 97 + 96 + 105 = 298.
    int whiteLeft = 1000, whiteRight = -1;
    for (int y = 298; y < 312; ++y)
      for (int x = 4; x < 148; ++x)
        if (qGray(rig.Pixel(x, y)) > 160) {
          whiteLeft = std::min(whiteLeft, x);
          whiteRight = std::max(whiteRight, x);
        }
    QVERIFY(whiteRight > whiteLeft + 50);
    QVERIFY(std::abs((whiteLeft + whiteRight) / 2 - 75) <= 2);
    for (int x = 4; x < 148; ++x) QVERIFY(rig.Pixel(x, 296) != White);
  }

  // At 800 wide (art 144) the columns move 13 px outward.
  void midSizeLayout() {
    FaceRig rig(800, 600, 144);
    const FaceLayout& f = rig.Layout();
    QCOMPARE(f.ReadoutRight, 760);
    const QImage& c = rig.Canvas();
    QCOMPARE(rig.Pixel(760 - 112, f.RowCredits - 20), Shadow);
    QVERIFY(rig.Pixel(760 - 113, f.RowCredits - 20) != Shadow);
    QCOMPARE(rig.Pixel(7, f.RowCredits - 20), Shadow);
    QVERIFY(rig.Pixel(6, f.RowCredits - 20) != Shadow);
    QCOMPARE(ReadCaption(c, 648, f.RowCredits - 26, 144, 9), QString("CREDITS"));
    QCOMPARE(ReadCaption(c, 7, f.RowCredits - 26, 144, 9), QString("SPINS"));
    QCOMPARE(ReadLedText(c, 773, f.RowCredits, 10, LedRed), QString("   1000.00"));
    QCOMPARE(ReadLedText(c, 40 + 105 - 13, f.RowCredits, 8, LedRed), QString("       0"));
    // The meter well moves with the meter.
    QCOMPARE(rig.Pixel(40 + 19, f.RowWager + 144 - 60), Shadow);
    QCOMPARE(rig.Pixel(40 + 20, f.RowWager + 144 - 60), Red);
  }

  void paylines() {
    FaceRig rig(632, 394, 96);
    // Horizontal lines from x 152 to 477, seen in the gaps beside the wheels.
    for (int y : {175, 71, 263}) {
      QCOMPARE(rig.Pixel(152, y), Red);
      QCOMPARE(rig.Pixel(155, y), Red);
      QCOMPARE(rig.Pixel(262, y), Red);
      QCOMPARE(rig.Pixel(477, y), Red);
      QVERIFY(rig.Pixel(478, y) != Red);
      QVERIFY(rig.Pixel(151, y) != Red);
      QVERIFY(rig.Pixel(152, y + 1) != Red);
    }
    // The diagonals start 10 px above and 8 px below the reel area.
    QCOMPARE(rig.Pixel(152, 13), Red);
    QCOMPARE(rig.Pixel(152, 319), Red);
    // Falling ends near (477, 320), rising near (477, 12).
    QVERIFY(rig.Pixel(477, 320) == Red || rig.Pixel(477, 321) == Red);
    QVERIFY(rig.Pixel(477, 12) == Red || rig.Pixel(477, 11) == Red);
    QVERIFY(rig.Pixel(478, 321) != Red);
    // Under the wheels the lines are covered by the symbols.
    QVERIFY(rig.Pixel(200, 175) != Red);
  }

  void winningLinesOverTheSymbols() {
    FaceRig rig(632, 394, 96);
    rig.state.LinePay = {0, 0, 5, 0, 0};
    rig.face->FormPaint();
    QCOMPARE(rig.Pixel(200, 263), Red);
    QVERIFY(rig.Pixel(200, 175) != Red);
    QVERIFY(rig.Pixel(200, 71) != Red);
  }

  // The wheels stand at Stops: every cell shows its strip's symbol, and the
  // black outline covers the column and row the copy leaves out.
  void wheelsAtStops() {
    FaceRig rig(632, 394, 96);
    rig.state.Stops = {26, 2, 8};
    rig.face->FormPaint();
    const FaceLayout& f = rig.Layout();
    for (int w = 0; w < 3; ++w) {
      for (int r = 0; r < 3; ++r) {
        const QRect cell = f.CellRect(w, r);
        const int expected = SymbolAt(rig.state, w, rig.state.Stops[w] / 2 + r);
        QCOMPARE(CellOfColour(rig.Pixel(cell.left() + 10, cell.top() + 10)), expected);
        QCOMPARE(CellOfColour(rig.Pixel(cell.right() - 1, cell.bottom())), r == 2 ? -1 : expected);
      }
      const QRect window = f.WheelRect(w);
      QCOMPARE(rig.Pixel(window.right(), window.top() + 50), Black);
      QCOMPARE(rig.Pixel(window.left() + 50, window.bottom()), Black);
      QCOMPARE(rig.Pixel(window.left() - 1, window.top() + 50), Black);
      // The sunken frame 3 px out: shadow left, highlight right.
      QCOMPARE(rig.Pixel(window.left() - 3, window.top() + 50), Shadow);
      QCOMPARE(rig.Pixel(window.right() + 3, window.top() + 50), Highlight);
    }
  }

  // What a screen reader is told, read through Qt's accessibility: the
  // readouts, the middle row by the symbols' names, the paying lines and the
  // last spin, and what is said when a spin settles.
  void describedToAScreenReader() {
    FaceRig rig(632, 394, 96);
    MachineFace& face = *rig.face;
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&face);
    QVERIFY(access != nullptr);
    QCOMPARE(access->text(QAccessible::Name), QStringLiteral("Slot machine"));
    QVERIFY(face.focusPolicy() & Qt::TabFocus);
    QCOMPARE(access->text(QAccessible::Description),
             Amount("Credits 1000.00, wager 0.00, won 0.00, bonus pool 50.00, power 0%, spins 0. "
                    "Middle row: Magnet, Voltaro, Magnet. No line pays. No spin yet."));

    // Cherries, Cherries, Diamond on the middle line, which paid with the
    // top one.
    rig.state.Stops = {0, 4, 0};
    ComputeWindow(rig.state);
    rig.state.LinePay = {0.5, 2.5, 0, 0, 0};
    PlayRecord play;
    play.win = 3.00;
    play.winningLines = 0b00011;
    rig.state.History.Add(play);
    face.DrawMoneyReadout(MoneyReadout::Won, 3.00);
    face.DrawMoneyReadout(MoneyReadout::Credits, 1003.00);
    QCOMPARE(face.AnnounceResult(), Amount("Won 3.00 on lines 1 and 2."));
    QCOMPARE(access->text(QAccessible::Description),
             Amount("Credits 1003.00, wager 0.00, won 3.00, bonus pool 50.00, power 0%, spins 0. "
                    "Middle row: Cherries, Cherries, Diamond. Paying lines 1 and 2. "
                    "Last spin: won 3.00 on lines 1 and 2."));

    // The bonus: nothing won on the lines, the pool paid, free spins begin.
    play.win = 0;
    play.winningLines = 0;
    play.poolPaid = 61.25;
    play.bonus = true;
    rig.state.History.Add(play);
    rig.state.LinePay = {};
    rig.state.FreeSpins = 7;
    QCOMPARE(
        face.AnnounceResult(),
        QStringLiteral("No win, bonus pool of %1 paid and 7 free spins won. 7 free spins left.")
            .arg(Amount("61.25")));
    QVERIFY(access->text(QAccessible::Description)
                .endsWith(QStringLiteral("No line pays. Last spin: no win, bonus pool of %1 paid "
                                         "and 7 free spins won.")
                              .arg(Amount("61.25"))));
    // With the credits at the money limit none of the pool fits: still a bonus.
    play.poolPaid = 0;
    rig.state.History.Add(play);
    QCOMPARE(
        face.AnnounceResult(),
        QStringLiteral("No win, bonus pool of %1 paid and 7 free spins won. 7 free spins left.")
            .arg(Amount("0.00")));

    // A free spin that won on one line, with one free spin to go.
    play = PlayRecord();
    play.free = true;
    play.win = 5.00;
    play.winningLines = 0b10000;
    rig.state.History.Add(play);
    rig.state.FreeSpins = 1;
    QCOMPARE(face.AnnounceResult(), Amount("Free spin, won 5.00 on line 5. 1 free spin left."));
    QVERIFY(
        access->text(QAccessible::Description).contains(QStringLiteral(", free spins left 1.")));
  }

  // Tiles at a pitch one less than the picture, its last column and row
  // never shown; without the mark the colour fills it all, picture or not.
  void tiledBackground() {
    QImage picture(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 4; ++x) picture.setPixel(x, y, qRgb(10 + 40 * x, 20 + 60 * y, 7));
    FaceRig rig(632, 394, 96);
    rig.face->SetBackground({true, QColor(Qt::yellow), picture});
    rig.face->FormPaint();
    for (int y : {0, 1, 2, 5, 330, 336})
      for (int x : {0, 1, 2, 3, 4, 7, 630, 631})
        QCOMPARE(rig.Pixel(x, y), picture.pixel(x % 3, y % 2) | 0xFF000000U);
    rig.face->SetBackground({false, QColor(0x12, 0x34, 0x56), picture});
    rig.face->FormPaint();
    QCOMPARE(rig.Pixel(0, 0), 0xFF123456);
    QCOMPARE(rig.Pixel(631, 336), 0xFF123456);
  }

 private:
  QTranslator english_;
};

REGISTER_DISPLAY_TEST(FaceTest);
#include "FaceTest.moc"
