// SPDX-License-Identifier: GPL-3.0-or-later
#include "Wheels.h"

#include <algorithm>

#include "Blit.h"
#include "CanvasWidget.h"

namespace {

constexpr int StripSymbols = 20;
constexpr int ArtCells = 9;

// The art cell of the symbol at a strip index, or an empty rectangle when
// the strip holds no usable code there.
QRect ArtCellAt(const std::string& strip, int index, int s) {
  if (static_cast<int>(strip.size()) < StripSymbols) return {};
  const char digit = strip[static_cast<std::size_t>(index % StripSymbols)];
  const int code = digit - '0';
  if (code < 0 || code >= ArtCells) return {};
  return {(code % 3) * s, (code / 3) * s, s, s};
}

// Copies rows [fromRow, fromRow + rows) of an art cell, all but its last
// column, into the reel bitmap at row `toRow`.
void CopyBand(QImage& reel, const QImage& art, const QRect& cell, int fromRow, int rows,
              int toRow) {
  if (cell.isEmpty() || rows <= 0) return;
  blit::Copy(reel, {0, toRow}, art,
             QRect(cell.left(), cell.top() + fromRow, cell.width() - 1, rows));
}

QImage BlankReel(int symbolSize, qreal ratio) {
  const QSize size = blit::DeviceRect(QRect(0, 0, symbolSize, 3 * symbolSize), ratio).size();
  QImage reel(size, QImage::Format_RGB32);
  reel.setDevicePixelRatio(ratio);
  reel.fill(Qt::white);
  return reel;
}

// A place in half-symbol steps, 0..39.
int WheelPlace(int position) { return ((position % 40) + 40) % 40; }

// The bands of art that make a wheel at a position, top to bottom: RenderWheel
// copies them into the reel bitmap in this order.
struct Band {
  QRect cell;   // the art cell, empty when the strip has no usable code there
  int fromRow;  // first row of the cell copied
  int rows;
  int toRow;  // row of the reel the band starts at
};
std::array<Band, 4> BandsAt(const std::string& strip, int position, int s) {
  const int p = WheelPlace(position);
  const int j = p / 2;
  auto cell = [&](int offset) { return ArtCellAt(strip, j + offset, s); };
  if (p % 2 == 0)
    return {Band{cell(0), 0, s, 0}, Band{cell(1), 0, s, s}, Band{cell(2), 0, s, 2 * s}, Band{}};
  // Half a symbol further along: the lower half of one symbol, two whole
  // ones and the top of the fourth, which leaves the bitmap's last row out.
  const int h = s / 2;
  return {Band{cell(0), h, s - h, 0}, Band{cell(1), 0, s, h}, Band{cell(2), 0, s, h + s},
          Band{cell(3), 0, h - 1, 2 * s + h}};
}

}  // namespace

void RenderWheel(QImage& reelBitmap, const QImage& symbolArt, const std::string& strip,
                 int position, int symbolSize) {
  const int s = symbolSize;
  // The reel is held at the art's resolution, so its bands copy pixel for
  // pixel.
  const qreal ratio =
      symbolArt.isNull() ? reelBitmap.devicePixelRatio() : symbolArt.devicePixelRatio();
  if (blit::LogicalSize(reelBitmap) != QSize(s, 3 * s) || reelBitmap.devicePixelRatio() != ratio ||
      reelBitmap.depth() != 32)
    reelBitmap = BlankReel(s, ratio);
  if (symbolArt.isNull()) {
    // No art loaded: the window shows an empty reel rather than old symbols.
    reelBitmap.fill(Qt::white);
    return;
  }
  for (const Band& band : BandsAt(strip, position, s))
    CopyBand(reelBitmap, symbolArt, band.cell, band.fromRow, band.rows, band.toRow);
}

void PutWheelOnScreen(CanvasWidget& target, const FaceLayout& layout, int wheel,
                      const QImage& reelBitmap) {
  const int s = layout.SymbolSize;
  const QRect window = layout.WheelRect(wheel);
  blit::Copy(target.Canvas(), window.topLeft(), reelBitmap, QRect(0, 0, s - 1, 3 * s - 1));
  target.ShowRect(QRect(window.topLeft(), QSize(s - 1, 3 * s - 1)));
}

bool DrawWheelInWindow(CanvasWidget& target, const FaceLayout& layout, int wheel,
                       const QImage& symbolArt, const std::string& strip, int position) {
  const int s = layout.SymbolSize;
  const qreal ratio = symbolArt.devicePixelRatio();
  // Only where the two steps copy pixel for pixel: a fractional ratio rounds
  // the band edges differently when they are placed on the face directly.
  if (symbolArt.isNull() || symbolArt.depth() != 32 || ratio != target.CanvasRatio() ||
      ratio != static_cast<int>(ratio))
    return false;
  const auto bands = BandsAt(strip, position, s);
  // A band the strip has no code for would leave stale pixels in the reel.
  for (const Band& band : bands)
    if (band.rows > 0 && band.cell.isEmpty()) return false;
  const QRect window = layout.WheelRect(wheel);
  // The part of the reel bitmap that reaches the screen.
  const int shownRows = 3 * s - 1;
  QImage& canvas = target.Canvas();
  for (const Band& band : bands) {
    const int rows = std::min(band.rows, shownRows - band.toRow);
    if (rows <= 0) continue;
    blit::Copy(
        canvas, window.topLeft() + QPoint(0, band.toRow), symbolArt,
        QRect(band.cell.left(), band.cell.top() + band.fromRow, band.cell.width() - 1, rows));
  }
  target.ShowRect(QRect(window.topLeft(), QSize(s - 1, shownRows)));
  return true;
}
