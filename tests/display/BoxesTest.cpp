// SPDX-License-Identifier: GPL-3.0-or-later
// Label boxes and bevels: outlines, captions, the mid-size shift and the
// one-pixel frame lines with their corners left out.

#include <QTest>

#include "Bevel.h"
#include "CanvasWidget.h"
#include "FaceTestSupport.h"
#include "LabelBox.h"
#include "TestRegistry.h"

namespace {

constexpr QRgb Ground = 0xFF336699;

struct Board {
  CanvasWidget widget;
  Board() {
    widget.resize(400, 200);
    widget.Canvas().fill(Ground);
  }
  QRgb at(int x, int y) { return widget.Canvas().pixel(x, y) | 0xFF000000U; }
};

}  // namespace

class BoxesTest : public QObject {
  Q_OBJECT

 private slots:
  void labelBoxOutlineAndInside() {
    Board b;
    DrawLabelBox(b.widget, "WON", 120, 30, 144, 0, 96);
    // Height 0 is 52: rows 30..81, columns 120..263.
    for (int x = 120; x <= 263; ++x) {
      QCOMPARE(b.at(x, 30), Shadow);
      QCOMPARE(b.at(x, 81), Shadow);
    }
    for (int y = 30; y <= 81; ++y) {
      QCOMPARE(b.at(120, y), Shadow);
      QCOMPARE(b.at(263, y), Shadow);
    }
    QCOMPARE(b.at(121, 31), Black);
    QCOMPARE(b.at(262, 80), Black);
    QCOMPARE(b.at(264, 50), Ground);
    QCOMPARE(b.at(150, 82), Ground);
    QCOMPARE(ReadCaption(b.widget.Canvas(), 120, 30, 144, 9), QString("WON"));
  }

  // The last letter 20 px in from the right; a blank leaves a dark slot.
  void captionWithBlank() {
    Board b;
    DrawLabelBox(b.widget, "POWER PCT", 100, 10, 144, 0, 96);
    QCOMPARE(ReadCaption(b.widget.Canvas(), 100, 10, 144, 9), QString("POWER PCT"));
    // The blank is the fourth slot from the right.
    const int blankLeft = 100 + 144 - 20 - 3 * 15;
    for (int y = 12; y < 39; ++y)
      for (int x = blankLeft; x < blankLeft + 15; ++x) QCOMPARE(b.at(x, y), Black);
  }

  void heightOneIsARule() {
    Board b;
    DrawLabelBox(b.widget, "BONUS", 50, 100, 144, 1, 96);
    // The whole rule, its middle as well as its ends.
    for (int x = 50; x <= 193; ++x) QCOMPARE(b.at(x, 100), Shadow);
    QCOMPARE(b.at(49, 100), Ground);
    QCOMPARE(b.at(60, 99), Ground);
    QCOMPARE(b.at(194, 100), Ground);
    QCOMPARE(b.at(60, 101), Ground);
    // The caption hangs under the rule.
    QCOMPARE(ReadCaption(b.widget.Canvas(), 50, 100, 144, 5), QString("BONUS"));
  }

  // Two pixels high or wide, a box is its outline alone.
  void thinBoxesAreAllOutline() {
    for (const auto& [w, h] : {std::pair{144, 2}, std::pair{1, 40}, std::pair{2, 40}}) {
      Board b;
      DrawLabelBox(b.widget, "", 50, 100, w, h, 96);
      for (int y = 100; y < 100 + h; ++y)
        for (int x = 50; x < 50 + w; ++x) QCOMPARE(b.at(x, y), Shadow);
    }
  }

  // With 144-pixel symbols boxes move 13 px outward, right from x = 100 on.
  void labelShiftAtMidSize() {
    for (const auto& [x, left] : {std::pair{99, 86}, std::pair{100, 113}}) {
      Board b;
      DrawLabelBox(b.widget, "A", x, 20, 144, 0, 144);
      QCOMPARE(b.at(left - 1, 40), Ground);
      QCOMPARE(b.at(left, 40), Shadow);
      QCOMPARE(b.at(left + 143, 40), Shadow);
    }
  }

  void bevel_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QRgb>("rightAndBottom");
    QTest::addColumn<QRgb>("leftAndTop");
    QTest::addColumn<bool>("outlined");
    QTest::newRow("0 wide sunken") << 0 << 8 << Highlight << Shadow << true;
    QTest::newRow("1 wide raised") << 1 << 8 << Shadow << Highlight << false;
    QTest::newRow("2 narrow sunken") << 2 << 3 << Highlight << Shadow << true;
    QTest::newRow("3 narrow raised") << 3 << 3 << Shadow << Highlight << false;
  }

  void bevel() {
    QFETCH(int, kind);
    QFETCH(int, offset);
    QFETCH(QRgb, rightAndBottom);
    QFETCH(QRgb, leftAndTop);
    QFETCH(bool, outlined);
    Board b;
    const int l = 100, t = 50, r = 200, bo = 120, e = offset;
    DrawBevel(b.widget, l, t, r, bo, kind);

    // Right edge: rows t-e+1 .. bo+e-2.
    QCOMPARE(b.at(r + e, t - e + 1), rightAndBottom);
    QCOMPARE(b.at(r + e, bo + e - 2), rightAndBottom);
    QCOMPARE(b.at(r + e, bo + e - 1), Ground);
    // Bottom edge: columns l-e+2 .. r+e-1.
    QCOMPARE(b.at(l - e + 2, bo + e), rightAndBottom);
    QCOMPARE(b.at(r + e - 1, bo + e), rightAndBottom);
    QCOMPARE(b.at(l - e + 1, bo + e), Ground);
    // Left edge: rows t-e+1 .. bo+e-2.
    QCOMPARE(b.at(l - e, t - e + 1), leftAndTop);
    QCOMPARE(b.at(l - e, bo + e - 2), leftAndTop);
    QCOMPARE(b.at(l - e, bo + e - 1), Ground);
    // Top edge: columns l-e+1 .. r+e-2.
    QCOMPARE(b.at(l - e + 1, t - e), leftAndTop);
    QCOMPARE(b.at(r + e - 2, t - e), leftAndTop);
    QCOMPARE(b.at(r + e - 1, t - e), Ground);
    // The four corners stay as they were.
    QCOMPARE(b.at(l - e, t - e), Ground);
    QCOMPARE(b.at(r + e, t - e), Ground);
    QCOMPARE(b.at(l - e, bo + e), Ground);
    QCOMPARE(b.at(r + e, bo + e), Ground);
    // Sunken kinds outline the rectangle (left-1 .. right, top-1 .. bottom).
    const QRgb outline = outlined ? Black : Ground;
    QCOMPARE(b.at(l - 1, t - 1), outline);
    QCOMPARE(b.at(r, bo), outline);
    QCOMPARE(b.at(r, t + 10), outline);
    QCOMPARE(b.at(l + 10, bo), outline);
    QCOMPARE(b.at(r + 1, t + 10), Ground);
    // The inside is left alone.
    QCOMPARE(b.at(l + 10, t + 10), Ground);
  }
};

REGISTER_DISPLAY_TEST(BoxesTest);
#include "BoxesTest.moc"
