// SPDX-License-Identifier: GPL-3.0-or-later
#include "LedReader.h"

#include "GlyphStrips.h"

namespace {

constexpr int CellWidth = 15;
constexpr int PointWidth = 4;
constexpr int Height = 20;

bool Same(const QImage& canvas, int x, int y, const QRect& glyph) {
  const QImage& strip = DigitsStrip();
  if (x < 0 || y < 0 || x + glyph.width() > canvas.width() || y + Height > canvas.height())
    return false;
  for (int row = 0; row < Height; ++row) {
    for (int col = 0; col < glyph.width(); ++col) {
      if ((canvas.pixel(x + col, y + row) & 0xFFFFFF) !=
          (strip.pixel(glyph.x() + col, glyph.y() + row) & 0xFFFFFF))
        return false;
    }
  }
  return true;
}

QChar CellAt(const QImage& canvas, int x, int y, int band) {
  for (int digit = 0; digit <= 9; ++digit) {
    if (Same(canvas, x, y, QRect(16 * digit, 21 * band, CellWidth, Height)))
      return QChar(u'0' + digit);
  }
  if (Same(canvas, x, y, QRect(160, 42, CellWidth, Height))) return QChar(u' ');
  return QChar(u'?');
}

bool PointAt(const QImage& canvas, int x, int y, int band) {
  return Same(canvas, x, y, QRect(176, 21 * band, PointWidth, Height));
}

}  // namespace

QString ReadLedRightToLeft(const QImage& canvas, int x, int y, int band, int length) {
  QString text;
  int pen = x;
  for (int i = 0; i < length; ++i) {
    if (i > 0 && PointAt(canvas, pen - PointWidth, y, band)) {
      pen -= PointWidth;
      text.prepend(u'.');
      continue;
    }
    if (i > 0) pen -= CellWidth;
    text.prepend(CellAt(canvas, pen, y, band));
  }
  return text;
}

QString ReadLedLeftToRight(const QImage& canvas, int x, int y, int band, int length) {
  QString text;
  int pen = x;
  for (int i = 0; i < length; ++i) {
    if (i > 0 && PointAt(canvas, pen + CellWidth, y, band)) {
      // The point sits one cell on; the next cell starts right after it.
      pen += PointWidth;
      text.append(u'.');
      continue;
    }
    if (i > 0) pen += CellWidth;
    text.append(CellAt(canvas, pen, y, band));
  }
  return text;
}
