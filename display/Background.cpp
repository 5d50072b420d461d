// SPDX-License-Identifier: GPL-3.0-or-later
#include "Background.h"

#include "Blit.h"

void PaintBackground(QImage& canvas, const Background& background) {
  const int w = background.Picture.width();
  const int h = background.Picture.height();
  const QSize area = blit::LogicalSize(canvas);
  // A picture needs two pixels each way to leave a tile after its last
  // column and row are dropped.
  if (!background.Tiled || w < 2 || h < 2) {
    blit::Fill(canvas, QRect(QPoint(0, 0), area), background.Color.rgb());
    return;
  }
  // Tiles from the top-left corner at a pitch of (w - 1, h - 1): lay the
  // first band of tiles across, then repeat the band down the canvas. The
  // loops run until the canvas is covered, however small the picture.
  const QRect tile(0, 0, w - 1, h - 1);
  for (int x = 0; x < area.width(); x += w - 1)
    blit::Copy(canvas, {x, 0}, background.Picture, tile);
  const QRect band(0, 0, area.width(), h - 1);
  for (int y = h - 1; y < area.height(); y += h - 1) blit::Copy(canvas, {0, y}, canvas, band);
}
