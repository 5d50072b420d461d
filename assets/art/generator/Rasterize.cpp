// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rasterize.h"

#include <QPainter>
#include <QSvgRenderer>

namespace rasterize {

QImage RenderSvg(const QString& svgPath, int width, int height) {
  QSvgRenderer renderer(svgPath);
  if (!renderer.isValid() || width <= 0 || height <= 0) return {};
  // Clip to the view box so a drawing that overhangs it cannot bleed into a
  // neighbouring cell of a sheet.
  renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                         QPainter::TextAntialiasing);
  painter.setClipRect(QRect(0, 0, width, height));
  renderer.render(&painter, QRectF(0, 0, width, height));
  painter.end();
  return image;
}

QImage RenderSymbolSheet(const QStringList& cellSvgPaths, int cellSize) {
  constexpr int kColumns = 3;
  constexpr int kCells = kColumns * kColumns;
  if (cellSvgPaths.size() != kCells || cellSize <= 0) return {};
  QImage sheet(kColumns * cellSize, kColumns * cellSize, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  for (int k = 0; k < kCells; ++k) {
    const QImage cell = RenderSvg(cellSvgPaths.at(k), cellSize, cellSize);
    if (cell.isNull()) return {};
    painter.drawImage((k % kColumns) * cellSize, (k / kColumns) * cellSize, cell);
  }
  painter.end();
  return sheet;
}

QImage RenderSeamlessTile(const QString& svgPath, int size) {
  if (size < 2) return {};
  const int pitch = size - 1;
  const QImage body = RenderSvg(svgPath, pitch, pitch);
  if (body.isNull()) return {};
  QImage tile(size, size, QImage::Format_RGB32);
  QPainter painter(&tile);
  painter.fillRect(tile.rect(), Qt::black);
  painter.drawImage(0, 0, body);
  painter.end();
  for (int y = 0; y < pitch; ++y) tile.setPixel(pitch, y, tile.pixel(0, y));
  for (int x = 0; x < size; ++x) tile.setPixel(x, pitch, tile.pixel(x, 0));
  return tile;
}

bool SaveOpaqueBmp(const QImage& image, const QString& path) {
  if (image.isNull()) return false;
  // RGB888 makes Qt write 24 bits per pixel, the depth every loader accepts.
  QImage flat(image.size(), QImage::Format_RGB888);
  flat.fill(Qt::white);
  QPainter painter(&flat);
  painter.drawImage(0, 0, image);
  painter.end();
  return flat.save(path, "BMP");
}

}  // namespace rasterize
