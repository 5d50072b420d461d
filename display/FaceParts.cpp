// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaceParts.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "Blit.h"
#include "CanvasWidget.h"
#include "Fonts.h"
#include "GlyphStrips.h"
#include "Paylines.h"

using blit::Edges;

namespace {

const QRgb PaylineRed = qRgb(0xFF, 0x00, 0x00);
const QRgb MeterBlue = qRgb(0x00, 0x00, 0xFF);
const QRgb MeterRed = qRgb(0xFF, 0x00, 0x00);
constexpr int LampPitch = 20;

// The same line on a canvas of finer device pixels: one logical pixel wide
// and smooth, through the middles of the pixels the stepped line would set.
QRect DrawSmoothLine(QImage& canvas, int x0, int y0, int x1, int y1, QRgb colour) {
  const qreal slope = x1 == x0 ? 0.0 : qreal(y1 - y0) / qreal(x1 - x0);
  {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor::fromRgb(colour), 1.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(x0, y0 + 0.5 - 0.5 * slope), QPointF(x1, y1 + 0.5 - 0.5 * slope));
  }
  return QRect(QPoint(std::min(x0, x1), std::min(y0, y1) - 1),
               QPoint(std::max(x0, x1), std::max(y0, y1) + 1));
}

// A one-pixel line from (x0, y0) towards (x1, y1), the end point left out,
// stepping along the longer axis and rounding the other to the nearest pixel.
QRect DrawLine(QImage& canvas, int x0, int y0, int x1, int y1, QRgb colour) {
  if (canvas.devicePixelRatio() != 1.0) return DrawSmoothLine(canvas, x0, y0, x1, y1, colour);
  const int dx = x1 - x0;
  const int dy = y1 - y0;
  const int steps = std::max(std::abs(dx), std::abs(dy));
  const QRgb opaque = colour | 0xFF000000U;
  auto along = [steps](int start, int delta, int i) {
    // Round half away from zero so rising and falling lines match.
    const int scaled = 2 * delta * i;
    const int rounded =
        scaled >= 0 ? (scaled + steps) / (2 * steps) : -((-scaled + steps) / (2 * steps));
    return start + rounded;
  };
  for (int i = 0; i < steps; ++i) {
    const int x = along(x0, dx, i);
    const int y = along(y0, dy, i);
    if (canvas.rect().contains(x, y)) reinterpret_cast<QRgb*>(canvas.scanLine(y))[x] = opaque;
  }
  return QRect(QPoint(std::min(x0, x1), std::min(y0, y1)),
               QPoint(std::max(x0, x1), std::max(y0, y1)));
}

}  // namespace

void DrawPayline(CanvasWidget& target, const FaceLayout& layout, int index) {
  const int s = layout.SymbolSize;
  const int t = layout.ReelTop;
  const int left = layout.ReelLeft - 10;
  const int right = layout.ReelLeft + 3 * s + 28;
  int startY = 0;
  int endY = 0;
  switch (index) {
    case 0:  // line 1, the middle row, 8 px below its centre
      startY = endY = t + s + s / 2 + 8;
      break;
    case 1:  // line 2, the top row
      startY = endY = t + s / 2;
      break;
    case 2:  // line 3, the bottom row
      startY = endY = t + 2 * s + s / 2;
      break;
    case 3:  // line 4, falling
      startY = t - 10;
      endY = t + 3 * s + 10;
      break;
    case 4:  // line 5, rising: it ends 12 px above the reels, not 10
      startY = t + 3 * s + 8;
      endY = t - 12;
      break;
    default:
      return;
  }
  target.ShowRect(DrawLine(target.Canvas(), left, startY, right, endY, PaylineRed));
}

void DrawLineLamps(CanvasWidget& target, const FaceLayout& layout, const GameState& state,
                   int coins) {
  coins = std::clamp(coins, 0, MaxCoins);
  const int left = layout.ReadoutRight - 85 + layout.MidSizeShift();
  const int top = layout.RowLines + 4;
  QImage& canvas = target.Canvas();
  const QImage& lamps = LampStrip(canvas.devicePixelRatio());
  // One column of lamps per round of coins dealt over the lines, one row per line.
  for (int j = 0; j < MaxCoins / LineCount; ++j) {
    for (int k = 0; k < LineCount; ++k) {
      int kind = LampEmpty;
      if (LineCount * j + k < coins)
        kind = state.LinePay[static_cast<std::size_t>(k)] > 0 ? LampBlue : LampRed;
      blit::Copy(canvas, {left + LampPitch * j, top + LampPitch * k}, lamps,
                 QRect(0, kind * LampSize, LampSize, LampSize));
    }
  }
  target.ShowRect(QRect(left, top, 4 * LampPitch + LampSize, 4 * LampPitch + LampSize));
}

void DrawPowerMeter(CanvasWidget& target, const FaceLayout& layout, const GameState& state,
                    bool rising) {
  const int s = layout.SymbolSize;
  const int xb = layout.ClientWidth - layout.ReadoutRight - layout.MidSizeShift();
  const int yt = layout.RowWager + 10 + (s - 96);
  const int yb = yt + 100;
  // A stored value outside the meter's range must not draw past its well.
  const int p = std::clamp(state.PowerPts, 0, FullPower);

  QImage& canvas = target.Canvas();
  const QRect charged = Edges(xb + 33, yb - p, xb + 72, yb);
  const QRect empty = Edges(xb + 33, yt, xb + 72, yb - p);
  if (rising) {
    blit::Fill(canvas, charged, MeterBlue);
    blit::Fill(canvas, empty, MeterRed);
  } else {
    blit::Fill(canvas, empty, MeterRed);
    blit::Fill(canvas, charged, MeterBlue);
  }

  char text[16];
  std::snprintf(text, sizeof text, "%3d%%", p);
  const QString caption = QString::fromLatin1(text);
  const QFont font = FaceFont(10, true);
  const QFontMetrics metrics(font);
  const int x = xb + 52 - metrics.horizontalAdvance(caption) / 2;
  const int y = layout.RowWager + 52 + (s - 96);
  {
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(x, y + metrics.ascent(), caption);
  }
  const QRect textRect(x, y, metrics.horizontalAdvance(caption), metrics.height());
  target.ShowRect(Edges(xb + 33, yt, xb + 72, yb).united(textRect));
}
