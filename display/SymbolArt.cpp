// SPDX-License-Identifier: GPL-3.0-or-later
#include "SymbolArt.h"

#include <QFileInfo>
#include <QImageReader>

#include "FaceLayout.h"

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
  const QFileInfo file(path);
  if (!file.isFile() || !file.isReadable())
    return {{}, QStringLiteral("Cannot open file \"%1\". No such file or directory.").arg(path)};
  // Only real bitmaps: a file of another kind under a .bmp name is refused.
  QImageReader reader(path, "bmp");
  reader.setDecideFormatFromContent(false);
  const QImage loaded = reader.read();
  if (loaded.isNull()) return {{}, QStringLiteral("Bitmap image is not valid: \"%1\".").arg(path)};
  return {loaded.convertToFormat(QImage::Format_RGB32), {}};
}

std::optional<QString> LoadSymbolArtFile(const QString& programDir, int symbolSize, QImage& art) {
  LoadedBitmap loaded = LoadBitmapFile(programDir + SymbolArtFileName(symbolSize));
  art = std::move(loaded.picture);
  if (!loaded.ok()) return loaded.error;
  return std::nullopt;
}
