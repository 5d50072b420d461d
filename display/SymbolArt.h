// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

// The smallest symbol size: the face's in a normal window, and the pictures'
// of the payoff chart and of Game History.
inline constexpr int SmallestArtSize = 96;

// The symbol size for a client width: 96 up to 750, 144 up to 1000, 192 up
// to 5000; wider keeps the current size.
int ArtSizeForWidth(int clientWidth, int currentSize);

// The symbol size for a client area: the one for its width, or the largest
// smaller one whose face fits its height (a short screen would cut the
// readouts off at the top and the wheels at the foot). 96 is the least.
int ArtSizeFor(QSize clientSize, int currentSize);

// "volta96.bmp", "volta144.bmp" or "volta192.bmp".
QString SymbolArtFileName(int symbolSize);

// Loads the art file for a symbol size from the program's folder (ends with
// '/'). On failure `art` is left empty and the error text for the player's
// message box is returned.
std::optional<QString> LoadSymbolArtFile(const QString& programDir, int symbolSize, QImage& art);

// The art for symbols of `symbolSize` logical pixels on a canvas of a
// device-pixel ratio: the sheet rendered for cells of symbolSize x ratio
// device pixels ("volta192.bmp" for 96 at 2, "volta120.png" for 96 at 1.25),
// else the nearest larger sheet scaled down, else the plain art file scaled
// up. The art carries the ratio. At ratio 1 this is LoadSymbolArtFile; an
// error is returned only when the plain art file cannot be read either.
std::optional<QString> LoadSymbolArtFile(const QString& programDir, int symbolSize, qreal ratio,
                                         QImage& art);

// The file of the sheet with cells of a size in device pixels: the three
// symbol sizes are bitmaps, the others PNG.
QString SymbolSheetFileName(int cellSize);

// A picture read from a .bmp file, or why it could not be read.
struct LoadedBitmap {
  QImage picture;  // in QImage::Format_RGB32; null when the file was refused
  QString error;   // the text for the player's message box; empty on success
  bool ok() const { return error.isEmpty(); }
};

// Loads any .bmp picture (the tiled background, the LED strips).
LoadedBitmap LoadBitmapFile(const QString& path);
