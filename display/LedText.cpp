// SPDX-License-Identifier: GPL-3.0-or-later
#include "LedText.h"

#include <QLocale>
#include <algorithm>
#include <cstdio>

#include "Blit.h"
#include "CanvasWidget.h"
#include "GlyphStrips.h"

namespace {

const QRect BlankGlyph{160, 42, LedDigitWidth, LedHeight};
constexpr int PointGlyphLeft = 176;

bool IsPoint(QChar c) { return c == u'.' || c == u',' || c == LocaleDecimalPoint(); }

// The strip rectangle of a character's glyph. Anything that is not a digit,
// a blank or a point shows as 0.
QRect GlyphOf(QChar c, int band) {
  if (c == u' ') return BlankGlyph;
  const int top = band * LedBandPitch;
  if (IsPoint(c)) return {PointGlyphLeft, top, LedPointWidth, LedHeight};
  const int digit = c.isDigit() ? c.digitValue() : 0;
  return {digit * LedDigitPitch, top, LedDigitWidth, LedHeight};
}

}  // namespace

QChar LocaleDecimalPoint() {
  const QString point = QLocale::system().decimalPoint();
  return point.size() == 1 ? point[0] : QChar(u'.');
}

QString MoneyText(double amount) {
  char text[64];
  std::snprintf(text, sizeof text, "%10.2f", amount);
  QString result = QString::fromLatin1(text);
  result.replace(u'.', LocaleDecimalPoint());
  return result;
}

QString CountText(int count, int width) {
  char text[32];
  std::snprintf(text, sizeof text, "%*d", width, count);
  return QString::fromLatin1(text);
}

namespace {

// The text's glyphs into the canvas, without the mid-size shift; returns the
// rectangle drawn.
QRect PaintLedText(QImage& canvas, const QString& text, int x, int y, bool leftToRight, int band) {
  const QImage& digits = DigitsStrip(canvas.devicePixelRatio());
  QRect changed;
  auto draw = [&](QChar c, int at) {
    const QRect glyph = GlyphOf(c, band);
    blit::Copy(canvas, {at, y}, digits, glyph);
    changed = changed.united(QRect(QPoint(at, y), glyph.size()));
  };

  int pen = x;
  const auto count = text.size();
  if (leftToRight) {
    for (qsizetype i = 0; i < count; ++i) {
      const QChar c = text[i];
      if (IsPoint(c)) {
        pen += LedDigitWidth;
        draw(c, pen);
        pen -= LedDigitWidth - LedPointWidth;
      } else {
        if (i > 0) pen += LedDigitWidth;
        draw(c, pen);
      }
    }
  } else {
    for (qsizetype i = count - 1; i >= 0; --i) {
      const QChar c = text[i];
      if (IsPoint(c)) {
        pen -= LedPointWidth;
        draw(c, pen);
      } else {
        if (i < count - 1) pen -= LedDigitWidth;
        draw(c, pen);
      }
    }
  }
  return changed;
}

int ShiftedX(int x, int symbolSize) {
  if (symbolSize == 144) x += x >= 200 ? 13 : -13;
  return x;
}

}  // namespace

void DrawLedText(CanvasWidget& target, const QString& text, int x, int y, bool leftToRight,
                 int band, int symbolSize) {
  if (text.isEmpty()) return;
  band = std::clamp(band, 0, 6);
  target.ShowRect(
      PaintLedText(target.Canvas(), text, ShiftedX(x, symbolSize), y, leftToRight, band));
}

void DrawLedTextWithin(CanvasWidget& target, const QString& text, int x, int y, bool leftToRight,
                       int band, int symbolSize, int width) {
  if (text.isEmpty()) return;
  band = std::clamp(band, 0, 6);
  x = ShiftedX(x, symbolSize);

  // Laid out at full size aside first, to learn where it would reach; at
  // the canvas's ratio, so a squeezed text keeps its device pixels.
  const qreal ratio = target.Canvas().devicePixelRatio();
  const int fullWidth = static_cast<int>(text.size()) * LedDigitWidth;
  const QRect fullDevice = blit::DeviceRect(QRect(0, 0, fullWidth, LedHeight), ratio);
  QImage full(fullDevice.size(), QImage::Format_RGB32);
  full.setDevicePixelRatio(ratio);
  full.fill(Qt::black);
  const int aside = leftToRight ? 0 : fullWidth - LedDigitWidth;
  const QRect drawn = PaintLedText(full, text, aside, 0, leftToRight, band);
  if (drawn.width() <= width) {
    target.ShowRect(PaintLedText(target.Canvas(), text, x, y, leftToRight, band));
    return;
  }

  // Too wide: the same text squeezed to the width, every column of glyph
  // pixels taken from the full-size one, kept to the side it grows from.
  const QSize narrowSize = blit::DeviceRect(QRect(0, 0, width, LedHeight), ratio).size();
  QImage narrow = full.copy(blit::DeviceRect(drawn, ratio))
                      .scaled(narrowSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  narrow.setDevicePixelRatio(ratio);
  const int left = leftToRight ? x + drawn.left() - aside : x + drawn.right() + 1 - aside - width;
  blit::Copy(target.Canvas(), {left, y}, narrow, QRect(0, 0, width, LedHeight));
  target.ShowRect(QRect(left, y, width, LedHeight));
}
