// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// Turns the vector sources into the bitmaps the game loads. Every size is
// rendered from the vector source, never scaled from another bitmap, so each
// size stays crisp.
namespace rasterize {

// Renders an SVG file into a width x height ARGB image (transparent where the
// drawing leaves it). Returns a null image when the file is not a usable SVG.
QImage RenderSvg(const QString& svgPath, int width, int height);

// Lays the nine cell drawings out as a 3 x 3 sheet of cellSize squares:
// cell k at ((k mod 3) * cellSize, (k div 3) * cellSize). Null on failure.
QImage RenderSymbolSheet(const QStringList& cellSvgPaths, int cellSize);

// Renders a tile that repeats at a pitch of one pixel less than its size:
// the drawing fills (size - 1) x (size - 1) and the last column and row copy
// the first ones, so the tiled picture shows no seam. Null on failure.
QImage RenderSeamlessTile(const QString& svgPath, int size);

// Drops the alpha channel onto an opaque background and writes a 24-bit BMP.
bool SaveOpaqueBmp(const QImage& image, const QString& path);

}  // namespace rasterize
