// SPDX-License-Identifier: GPL-3.0-or-later
#include "SymbolArt.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtMath>
#include <array>

#include "FaceLayout.h"
#include "PlainBitmap.h"

int ArtSizeForWidth(int clientWidth, int currentSize) {
  if (clientWidth <= 750) return 96;
  if (clientWidth <= 1000) return 144;
  if (clientWidth <= 5000) return 192;
  return currentSize;
}

int ArtSizeFor(QSize clientSize, int currentSize) {
  int size = ArtSizeForWidth(clientSize.width(), currentSize);
  while (size > 96 && !FaceLayout::FitsHeight(clientSize.height(), size))
    size = size == 192 ? 144 : 96;
  return size;
}

QString SymbolArtFileName(int symbolSize) { return QStringLiteral("volta%1.bmp").arg(symbolSize); }

LoadedBitmap LoadBitmapFile(const QString& path) {
  const QFileInfo info(path);
  if (!info.isFile() || !info.isReadable())
    return {{},
            QCoreApplication::translate("SymbolArt",
                                        "Cannot open file \"%1\". No such file or directory.")
                .arg(path)};
  const auto refused = [&path]() -> LoadedBitmap {
    return {
        {},
        QCoreApplication::translate("SymbolArt", "Bitmap image is not valid: \"%1\".").arg(path)};
  };
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) {
    // Read in place; a compressed resource, which cannot be mapped, is
    // small enough to copy. A file that cannot be mapped is left to Qt's
    // reader, which reads it a row at a time.
    QByteArray copy;
    const uchar* bytes = file.map(0, file.size());
    qsizetype size = file.size();
    if (bytes == nullptr && path.startsWith(QLatin1Char(':'))) {
      copy = file.readAll();
      bytes = reinterpret_cast<const uchar*>(copy.constData());
      size = copy.size();
    }
    if (auto picture = ReadPlainBitmap(bytes, size)) {
      if (picture->isNull()) return refused();
      return {std::move(*picture), {}};
    }
  }
  // Only real bitmaps: a file of another kind under a .bmp name is refused.
  // Qt's own reader of bitmaps and nothing else: asked to find a reader, Qt
  // first loads every image format plugin on the system to ask each of them.
  QImageReader reader(path, "bmp");
  reader.setAutoDetectImageFormat(false);
  const QImage loaded = reader.read();
  if (loaded.isNull()) return refused();
  return {loaded.convertToFormat(QImage::Format_RGB32), {}};
}

std::optional<QString> LoadSymbolArtFile(const QString& programDir, int symbolSize, QImage& art) {
  LoadedBitmap loaded = LoadBitmapFile(programDir + SymbolArtFileName(symbolSize));
  art = std::move(loaded.picture);
  if (!loaded.ok()) return loaded.error;
  return std::nullopt;
}

namespace {

// Cell sizes of the sheets made at build time: the three symbol sizes at
// ratios 1, 1.25, 1.5, 2 and 3.
constexpr std::array<int, 11> SheetCellSizes{96, 120, 144, 180, 192, 216, 240, 288, 384, 432, 576};

bool IsSymbolSize(int size) { return size == 96 || size == 144 || size == 192; }

// A sheet scaled (when it must be) to cells of `cellSize`, at the ratio.
QImage SheetAtRatio(const QImage& sheet, int cellSize, qreal ratio) {
  QImage art = sheet.width() == 3 * cellSize && sheet.height() == 3 * cellSize
                   ? sheet
                   : sheet.scaled(3 * cellSize, 3 * cellSize, Qt::IgnoreAspectRatio,
                                  Qt::SmoothTransformation);
  art = art.convertToFormat(QImage::Format_RGB32);
  art.setDevicePixelRatio(ratio);
  return art;
}

QImage ReadSheet(const QString& path) {
  if (path.endsWith(QStringLiteral(".bmp"))) return LoadBitmapFile(path).picture;
  QImageReader reader(path, "png");
  reader.setDecideFormatFromContent(false);
  return reader.read();
}

}  // namespace

QString SymbolSheetFileName(int cellSize) {
  return IsSymbolSize(cellSize) ? SymbolArtFileName(cellSize)
                                : QStringLiteral("volta%1.png").arg(cellSize);
}

std::optional<QString> LoadSymbolArtFile(const QString& programDir, int symbolSize, qreal ratio,
                                         QImage& art) {
  if (ratio == 1.0) return LoadSymbolArtFile(programDir, symbolSize, art);
  const int cellSize = qRound(symbolSize * ratio);
  // The exact size first, then the larger ones from the nearest: shrinking
  // keeps the art sharp, enlarging would not.
  for (int size : SheetCellSizes) {
    if (size < cellSize) continue;
    const QImage sheet = ReadSheet(programDir + SymbolSheetFileName(size));
    if (sheet.isNull()) continue;
    art = SheetAtRatio(sheet, cellSize, ratio);
    return std::nullopt;
  }
  const auto error = LoadSymbolArtFile(programDir, symbolSize, art);
  if (error) return error;
  art = SheetAtRatio(art, cellSize, ratio);
  return std::nullopt;
}
