// SPDX-License-Identifier: GPL-3.0-or-later
// Wheels at whole and half positions, put on the face, and the blinking of
// the Voltaro cells.

#include <QPainter>
#include <QTest>

#include "FaceTestSupport.h"
#include "Reels.h"
#include "TestRegistry.h"
#include "Wheels.h"

namespace {

// Art whose every pixel tells its cell (red) and its row in the cell
// (green, 0..S-1), so a reel row read back names the art row it came from.
QImage RowCodedArt(int s) {
  QImage art(3 * s, 3 * s, QImage::Format_RGB32);
  for (int y = 0; y < 3 * s; ++y)
    for (int x = 0; x < 3 * s; ++x)
      art.setPixel(x, y, qRgb(20 * ((y / s) * 3 + x / s) + 5, y % s, 99));
  return art;
}

struct ArtRow {
  int cell;
  int row;
};

ArtRow Decode(QRgb pixel) { return {(qRed(pixel) - 5) / 20, qGreen(pixel)}; }

// Run lengths of the symbols down column 0 of a reel bitmap.
QList<int> BandHeights(const QImage& reel) {
  QList<int> heights;
  int last = -2;
  for (int y = 0; y < reel.height(); ++y) {
    const QRgb pixel = reel.pixel(0, y) | 0xFF000000U;
    const int cell = pixel == White ? -1 : Decode(pixel).cell;
    if (cell != last) heights << 0;
    ++heights.last();
    last = cell;
  }
  return heights;
}

const std::string Wheel1Strip = "35145245345315405324";

}  // namespace

class WheelsTest : public QObject {
  Q_OBJECT

 private slots:
  void wholeAndHalfPositions_data() {
    QTest::addColumn<int>("symbolSize");
    QTest::addColumn<int>("position");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QList<int>>("heights");
    QTest::newRow("96 at 0") << 96 << 0 << QList<int>{3, 5, 1} << QList<int>{96, 96, 96};
    QTest::newRow("96 at 39") << 96 << 39 << QList<int>{4, 3, 5, 1}
                              << QList<int>{48, 96, 96, 47, 1};
    QTest::newRow("144 at 6") << 144 << 6 << QList<int>{4, 5, 2} << QList<int>{144, 144, 144};
    QTest::newRow("144 at 7") << 144 << 7 << QList<int>{4, 5, 2, 4}
                              << QList<int>{72, 144, 144, 71, 1};
    QTest::newRow("192 at 13") << 192 << 13 << QList<int>{4, 5, 3, 4}
                               << QList<int>{96, 192, 192, 95, 1};
  }

  // Codes from top to bottom and the height of each band; the last row of
  // a half position is never drawn (it stays as the bitmap was made).
  void wholeAndHalfPositions() {
    QFETCH(int, symbolSize);
    QFETCH(int, position);
    QFETCH(QList<int>, codes);
    QFETCH(QList<int>, heights);
    const int s = symbolSize;
    QImage reel;
    RenderWheel(reel, RowCodedArt(s), Wheel1Strip, position, s);
    QCOMPARE(BandHeights(reel), heights);
    int y = 0;
    for (int band = 0; band < codes.size(); ++band) {
      const ArtRow top = Decode(reel.pixel(10, y));
      QCOMPARE(top.cell, codes[band]);
      // The first band of a half position is the symbol's lower half.
      QCOMPARE(top.row, position % 2 == 1 && band == 0 ? s / 2 : 0);
      y += heights[band];
    }
  }

  // No art column S - 1 ever reaches the reel bitmap.
  void lastArtColumnNeverDrawn() {
    for (int position : {0, 1, 38, 39}) {
      QImage reel;
      RenderWheel(reel, MakeTestArt(96), Wheel1Strip, position, 96);
      for (int y = 0; y < reel.height(); ++y)
        QVERIFY((reel.pixel(94, y) | 0xFF000000U) != ArtEdgeColour);
      for (int y = 0; y < reel.height(); ++y) QCOMPARE(reel.pixel(95, y) | 0xFF000000U, White);
    }
  }

  void positionsWrapAround() {
    const QImage art = RowCodedArt(96);
    QImage wrapped;
    QImage plain;
    RenderWheel(wrapped, art, Wheel1Strip, 41, 96);
    RenderWheel(plain, art, Wheel1Strip, 1, 96);
    QCOMPARE(wrapped, plain);
    RenderWheel(wrapped, art, Wheel1Strip, -2, 96);
    RenderWheel(plain, art, Wheel1Strip, 38, 96);
    QCOMPARE(wrapped, plain);
  }

  void withoutArtTheReelIsBlank() {
    QImage reel;
    RenderWheel(reel, RowCodedArt(96), Wheel1Strip, 0, 96);
    RenderWheel(reel, QImage(), Wheel1Strip, 0, 96);
    QCOMPARE(reel.pixel(40, 40) | 0xFF000000U, White);
    QCOMPARE(reel.pixel(40, 250) | 0xFF000000U, White);
  }

  // An animation step puts each wheel in its window, (S - 1) x (3S - 1).
  void showWheelsOnTheFace() {
    FaceRig rig(632, 394, 96);
    rig.face->ShowWheels({1, 10, 39});
    const FaceLayout& f = rig.Layout();
    const std::array<int, 3> positions{1, 10, 39};
    for (int w = 0; w < 3; ++w) {
      QImage reel;
      RenderWheel(reel, MakeTestArt(96), StripOfWheel(rig.state, w), positions[w], 96);
      const QRect window = f.WheelRect(w);
      QCOMPARE(rig.Canvas().copy(window.left(), window.top(), 95, 287), reel.copy(0, 0, 95, 287));
      QCOMPARE(rig.Pixel(window.right(), window.top() + 30), Black);
      QCOMPARE(rig.Pixel(window.left() + 30, window.bottom()), Black);
    }
    QCOMPARE(CellOfColour(rig.Pixel(f.ReelLeft + 20, f.ReelTop + 10)), SymbolAt(rig.state, 0, 0));
  }

  // A step draws only the wheels that moved, and nothing at all when none
  // did; a window drawn over since the last step is drawn again.
  void onlyMovedWheelsAreDrawn() {
    FaceRig rig(632, 394, 96);
    // Read through const: taking the canvas to draw on counts as a change.
    const MachineFace& face = *rig.face;
    rig.face->ShowWheels({1, 10, 39});
    const QImage first = face.Canvas().copy();
    const auto changes = rig.face->CanvasChanges();
    rig.face->ShowWheels({41, 10, -1});
    QCOMPARE(rig.face->CanvasChanges(), changes);

    const QRect middle = rig.Layout().WheelRect(1);
    rig.face->Canvas().setPixel(middle.left() + 5, middle.top() + 5, qRgb(1, 2, 3));
    rig.face->ShowWheels({1, 10, 39});
    QCOMPARE(face.Canvas(), first);

    rig.face->ShowWheels({1, 11, 39});
    QImage reel;
    RenderWheel(reel, MakeTestArt(96), StripOfWheel(rig.state, 1), 11, 96);
    QCOMPARE(rig.Canvas().copy(middle.left(), middle.top(), 95, 287), reel.copy(0, 0, 95, 287));
    QImage others = rig.Canvas().copy();
    QImage before = first;
    for (QImage* image : {&others, &before}) {
      QPainter blank(image);
      blank.fillRect(middle, Qt::black);
    }
    QCOMPARE(others, before);
  }

  void blinking_data() {
    QTest::addColumn<bool>("drainInView");
    QTest::addColumn<int>("alternate");
    QTest::newRow("no drain: cell 7") << false << 7;
    QTest::newRow("drain in view: cell 8") << true << 8;
  }

  // Voltaro cells flip between the symbol and its alternate, an
  // (S - 1)-square each; other cells and the winning lines stay.
  void blinking() {
    QFETCH(bool, drainInView);
    QFETCH(int, alternate);
    FaceRig rig(632, 394, 96);
    rig.state.Window = {0, 3, 0, 5, 0, drainInView ? 6 : 4, 1, 2, 3};
    rig.state.LinePay = {0, 0, 10, 0, 0};
    const FaceLayout& f = rig.Layout();
    const auto cellPixel = [&](int i, int dx, int dy) {
      const QRect cell = f.CellRect(i / 3, i % 3);
      return CellOfColour(rig.Pixel(cell.left() + dx, cell.top() + dy));
    };
    const int before = cellPixel(3, 40, 40);
    QVERIFY(rig.face->BlinkPhase());

    rig.face->Blink();
    QVERIFY(!rig.face->BlinkPhase());
    for (int i : {0, 2, 4}) {
      QCOMPARE(cellPixel(i, 40, 40), alternate);
      QCOMPARE(cellPixel(i, 94, 94), alternate);
    }
    QCOMPARE(cellPixel(3, 40, 40), before);
    // The line over the bottom row is drawn again over the new picture.
    QCOMPARE(rig.Pixel(f.CellRect(0, 2).left() + 40, 263), Red);

    rig.face->Blink();
    QVERIFY(rig.face->BlinkPhase());
    for (int i : {0, 2, 4}) QCOMPARE(cellPixel(i, 40, 40), 0);
  }

  // The blink copies S - 1 rows: the cell's last row keeps what the wheel
  // drew there.
  void blinkLeavesTheCellsLastRow() {
    FaceRig rig(632, 394, 96);
    rig.state.Window = {1, 0, 1, 1, 1, 1, 1, 1, 1};
    const QRect cell = rig.Layout().CellRect(0, 1);
    const QRgb lastRow = rig.Pixel(cell.left() + 40, cell.bottom());
    rig.face->Blink();
    QCOMPARE(CellOfColour(rig.Pixel(cell.left() + 40, cell.bottom() - 1)), 7);
    QCOMPARE(rig.Pixel(cell.left() + 40, cell.bottom()), lastRow);
  }
};

REGISTER_DISPLAY_TEST(WheelsTest);
#include "WheelsTest.moc"
