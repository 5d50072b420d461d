// SPDX-License-Identifier: GPL-3.0-or-later
#include "SharpStrips.h"

#include <QPainter>
#include <QPolygonF>
#include <QtMath>
#include <array>

#include "LedText.h"

namespace {

QImage BlackImage(QSize size, qreal ratio) {
  QImage image(qRound(size.width() * ratio), qRound(size.height() * ratio), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::black);
  return image;
}

bool Lit(const QImage& strip, int x, int y) { return (strip.pixel(x, y) & 0xFFFFFFU) != 0; }

// The painter works in the strip's own pixels; a shape's edges fall between
// pixels as the bitmap's do, so (x, y) is the top-left corner of pixel (x, y).
void PrepareShapes(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
}

// --- Digits --------------------------------------------------------------

// The seven segments a..g of a 15 x 20 cell as the outlines of the bitmap's
// mitred bars: 3 px thick, each edge through the middle of the bitmap's
// pixel steps. `probe` is a pixel inside the segment in every lit digit.
struct Segment {
  QPolygonF outline;
  QPoint probe;
};

const std::array<Segment, 7>& Segments() {
  static const std::array<Segment, 7> segments{{
      {QPolygonF({{2.5, 2}, {13.5, 2}, {10.5, 5}, {5.5, 5}}), {7, 3}},          // a
      {QPolygonF({{14, 2.5}, {14, 10.5}, {11, 7.5}, {11, 5.5}}), {12, 6}},      // b
      {QPolygonF({{14, 10.5}, {14, 18.5}, {11, 15.5}, {11, 13.5}}), {12, 14}},  // c
      {QPolygonF({{2.5, 19}, {13.5, 19}, {10.5, 16}, {5.5, 16}}), {7, 17}},     // d
      {QPolygonF({{2, 10.5}, {2, 18.5}, {5, 15.5}, {5, 13.5}}), {3, 14}},       // e
      {QPolygonF({{2, 2.5}, {2, 10.5}, {5, 7.5}, {5, 5.5}}), {3, 6}},           // f
      {QPolygonF({{2.5, 10.5}, {4.5, 9}, {11.5, 9}, {13.5, 10.5}, {11.5, 12}, {4.5, 12}}),
       {7, 10}},  // g
  }};
  return segments;
}

// A small dot with softly rounded corners over the bitmap's block of pixels.
void DrawBlock(QPainter& painter, const QRectF& block, const QColor& colour) {
  painter.setBrush(colour);
  painter.drawRoundedRect(block, 0.6, 0.6);
}

}  // namespace

QImage DrawSharpDigits(const QImage& digits, qreal ratio) {
  QImage image = BlackImage(digits.size(), ratio);
  QPainter painter(&image);
  PrepareShapes(painter);
  for (int top = 0; top + 20 <= digits.height(); top += LedBandPitch) {
    for (int digit = 0; digit < 10; ++digit) {
      const int left = digit * LedDigitPitch;
      for (const Segment& segment : Segments()) {
        const QPoint probe = segment.probe + QPoint(left, top);
        if (!Lit(digits, probe.x(), probe.y())) continue;
        painter.setBrush(QColor::fromRgb(digits.pixel(probe)));
        painter.drawPolygon(segment.outline.translated(left, top));
      }
    }
    // The decimal point (2 x 3 at x 177, row 16) and the colon's two dots.
    if (Lit(digits, 177, top + 17))
      DrawBlock(painter, QRectF(177, top + 16, 2, 3), QColor::fromRgb(digits.pixel(177, top + 17)));
    for (int row : {5, 13})
      if (Lit(digits, 184, top + row + 1))
        DrawBlock(painter, QRectF(183, top + row, 3, 3),
                  QColor::fromRgb(digits.pixel(184, top + row + 1)));
  }
  return image;
}

// --- Alpha ---------------------------------------------------------------

QImage DrawSharpAlpha(const QImage& alpha, qreal ratio) {
  QImage image = BlackImage(alpha.size(), ratio);
  QPainter painter(&image);
  PrepareShapes(painter);
  // Round dots a little larger than a bitmap pixel, so they still look round
  // at 2x, on the bitmap's dot grid: columns 2, 4, .. 10 and rows 5, 7, .. 21
  // of every 13-px cell.
  constexpr qreal Radius = 0.68;
  for (int cell = 0; cell * 13 + 12 <= alpha.width(); ++cell)
    for (int column = 0; column < 5; ++column)
      for (int row = 0; row < 9; ++row) {
        const int x = cell * 13 + 2 + 2 * column;
        const int y = 5 + 2 * row;
        if (!Lit(alpha, x, y)) continue;
        painter.setBrush(QColor::fromRgb(alpha.pixel(x, y)));
        painter.drawEllipse(QPointF(x + 0.5, y + 0.5), Radius, Radius);
      }
  return image;
}

// --- Lamps ---------------------------------------------------------------

QImage DrawSharpLamps(const QImage& lamps, qreal ratio) {
  QImage image = BlackImage(lamps.size(), ratio);
  QPainter painter(&image);
  PrepareShapes(painter);
  constexpr int Size = 17;
  for (int lamp = 0; lamp * Size + Size <= lamps.height(); ++lamp) {
    const int top = lamp * Size;
    const QPointF centre(8.5, top + 8.5);
    // Rings and fill as the bitmap's: an outer and an inner ring round the
    // lamp's colour, with a glint up and to the left on a lit lamp.
    const QColor outer = QColor::fromRgb(lamps.pixel(8, top));
    const QColor inner = QColor::fromRgb(lamps.pixel(8, top + 1));
    const QColor fill = QColor::fromRgb(lamps.pixel(11, top + 11));
    const QColor glint = QColor::fromRgb(lamps.pixel(6, top + 6));
    painter.setBrush(outer);
    painter.drawEllipse(centre, 8.2, 8.2);
    painter.setBrush(inner);
    painter.drawEllipse(centre, 7.3, 7.3);
    painter.setBrush(fill);
    painter.drawEllipse(centre, 6.3, 6.3);
    if (glint != fill) {
      painter.setBrush(glint);
      painter.drawEllipse(QPointF(6.5, top + 6.5), 1.5, 1.5);
    }
  }
  return image;
}
