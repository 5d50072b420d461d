// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlainBitmap.h"

#include <QtEndian>
#include <cstdlib>

namespace {

constexpr qsizetype FileHeaderSize = 14;
constexpr quint32 InfoHeaderSize = 40;
constexpr qint32 LargestSide = 8192;

quint16 Word(const uchar* at) { return qFromLittleEndian<quint16>(at); }
quint32 Unsigned(const uchar* at) { return qFromLittleEndian<quint32>(at); }
qint32 Signed(const uchar* at) { return qFromLittleEndian<qint32>(at); }

}  // namespace

std::optional<QImage> ReadPlainBitmap(const uchar* bytes, qsizetype size) {
  if (bytes == nullptr || size < FileHeaderSize + qsizetype(InfoHeaderSize) || bytes[0] != 'B' ||
      bytes[1] != 'M')
    return std::nullopt;
  const uchar* info = bytes + FileHeaderSize;
  const quint32 pixelsAt = Unsigned(bytes + 10);
  const qint32 width = Signed(info + 4);
  const qint32 height = Signed(info + 8);  // negative: the rows run top down
  const bool plain = Unsigned(info) == InfoHeaderSize && Word(info + 12) == 1 &&
                     Word(info + 14) == 24 && Unsigned(info + 16) == 0;
  if (!plain || width <= 0 || width > LargestSide || height == 0 || height > LargestSide ||
      height < -LargestSide || pixelsAt < FileHeaderSize + InfoHeaderSize)
    return std::nullopt;

  const int rows = std::abs(height);
  // Each row is padded to a whole number of 32-bit words.
  const qsizetype rowBytes = (qsizetype(width) * 3 + 3) / 4 * 4;
  if (qsizetype(pixelsAt) > size || (size - pixelsAt) / rowBytes < rows) return QImage();

  QImage picture(width, rows, QImage::Format_RGB32);
  if (picture.isNull()) return std::nullopt;
  picture.setDotsPerMeterX(Signed(info + 24));
  picture.setDotsPerMeterY(Signed(info + 28));
  for (int row = 0; row < rows; ++row) {
    const uchar* from = bytes + pixelsAt + row * rowBytes;
    auto* to = reinterpret_cast<QRgb*>(picture.scanLine(height < 0 ? row : rows - 1 - row));
    for (int x = 0; x < width; ++x, from += 3) to[x] = qRgb(from[2], from[1], from[0]);
  }
  return picture;
}
