// SPDX-License-Identifier: GPL-3.0-or-later
#include "Wheels.h"

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

}  // namespace

namespace {

QImage BlankReel(int symbolSize, qreal ratio) {
  const QSize size = blit::DeviceRect(QRect(0, 0, symbolSize, 3 * symbolSize), ratio).size();
  QImage reel(size, QImage::Format_RGB32);
  reel.setDevicePixelRatio(ratio);
  reel.fill(Qt::white);
  return reel;
}

}  // namespace

ReelBitmaps MakeReelBitmaps(int symbolSize, qreal ratio) {
  ReelBitmaps reels;
  for (auto& reel : reels) reel = BlankReel(symbolSize, ratio);
  return reels;
}

void RenderWheel(QImage& reelBitmap, const QImage& symbolArt, const std::string& strip,
                 int position, int symbolSize) {
  const int s = symbolSize;
  // The reel is kept at the art's resolution, so its bands copy pixel for
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
  const int p = ((position % 40) + 40) % 40;
  const int j = p / 2;
  auto cell = [&](int offset) { return ArtCellAt(strip, j + offset, s); };

  if (p % 2 == 0) {
    for (int r = 0; r < 3; ++r) CopyBand(reelBitmap, symbolArt, cell(r), 0, s, r * s);
    return;
  }
  // Half a symbol further along: the lower half of one symbol, two whole
  // ones and the top of the fourth, which leaves the bitmap's last row out.
  const int h = s / 2;
  CopyBand(reelBitmap, symbolArt, cell(0), h, s - h, 0);
  CopyBand(reelBitmap, symbolArt, cell(1), 0, s, h);
  CopyBand(reelBitmap, symbolArt, cell(2), 0, s, h + s);
  CopyBand(reelBitmap, symbolArt, cell(3), 0, h - 1, 2 * s + h);
}

void PutWheelOnScreen(CanvasWidget& target, const FaceLayout& layout, int wheel,
                      const QImage& reelBitmap) {
  const int s = layout.SymbolSize;
  const QRect window = layout.WheelRect(wheel);
  blit::Copy(target.Canvas(), window.topLeft(), reelBitmap, QRect(0, 0, s - 1, 3 * s - 1));
  target.ShowRect(QRect(window.topLeft(), QSize(s - 1, 3 * s - 1)));
}
