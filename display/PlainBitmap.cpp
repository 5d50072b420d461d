// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlainBitmap.h"

#include <QList>
#include <QtEndian>
#include <cstdlib>

namespace {

constexpr qsizetype FileHeaderSize = 14;
constexpr quint32 InfoHeaderSize = 40;
constexpr qint32 LargestSide = 8192;

quint16 Word(const uchar* at) { return qFromLittleEndian<quint16>(at); }
quint32 Unsigned(const uchar* at) { return qFromLittleEndian<quint32>(at); }
qint32 Signed(const uchar* at) { return qFromLittleEndian<qint32>(at); }

// Writes one row of pixels; false when a pixel names no colour of the
// palette, which is left to Qt's reader.
bool ReadRow(const uchar* from, int bits, const QList<QRgb>& palette, QRgb* to, int width) {
  for (int x = 0; x < width; ++x) {
    if (bits == 24) {
      to[x] = qRgb(from[3 * x + 2], from[3 * x + 1], from[3 * x]);
      continue;
    }
    // Two pixels to a byte at 4 bits, the first in the high half.
    const int index = bits == 8 ? from[x] : (from[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0f;
    if (index >= palette.size()) return false;
    to[x] = palette[index];
  }
  return true;
}

}  // namespace

std::optional<QImage> ReadPlainBitmap(const uchar* bytes, qsizetype size) {
  if (bytes == nullptr || size < FileHeaderSize + qsizetype(InfoHeaderSize) || bytes[0] != 'B' ||
      bytes[1] != 'M')
    return std::nullopt;
  const uchar* info = bytes + FileHeaderSize;
  const quint32 pixelsAt = Unsigned(bytes + 10);
  const qint32 width = Signed(info + 4);
  const qint32 height = Signed(info + 8);  // negative: the rows run top down
  const int bits = Word(info + 14);
  const bool plain = Unsigned(info) == InfoHeaderSize && Word(info + 12) == 1 &&
                     (bits == 4 || bits == 8 || bits == 24) && Unsigned(info + 16) == 0;
  if (!plain || width <= 0 || width > LargestSide || height == 0 || height > LargestSide ||
      height < -LargestSide)
    return std::nullopt;

  // The palette follows the header: blue, green, red and a spare byte for
  // each colour it names, all 2^bits of them unless it says fewer.
  quint32 colours = 0;
  if (bits != 24) {
    colours = Unsigned(info + 32) != 0 ? Unsigned(info + 32) : 1U << bits;
    if (colours > 1U << bits) return std::nullopt;
  }
  const qsizetype paletteEnd = FileHeaderSize + InfoHeaderSize + 4 * qsizetype(colours);
  if (qsizetype(pixelsAt) < paletteEnd || paletteEnd > size) return std::nullopt;
  QList<QRgb> palette;
  for (quint32 i = 0; i < colours; ++i) {
    const uchar* colour = info + InfoHeaderSize + 4 * i;
    palette.append(qRgb(colour[2], colour[1], colour[0]));
  }

  const int rows = std::abs(height);
  // Each row is padded to a whole number of 32-bit words.
  const qsizetype rowBytes = (qsizetype(width) * bits + 31) / 32 * 4;
  if (qsizetype(pixelsAt) > size || (size - pixelsAt) / rowBytes < rows) return QImage();

  QImage picture(width, rows, QImage::Format_RGB32);
  if (picture.isNull()) return std::nullopt;
  picture.setDotsPerMeterX(Signed(info + 24));
  picture.setDotsPerMeterY(Signed(info + 28));
  for (int row = 0; row < rows; ++row) {
    auto* to = reinterpret_cast<QRgb*>(picture.scanLine(height < 0 ? row : rows - 1 - row));
    if (!ReadRow(bytes + pixelsAt + row * rowBytes, bits, palette, to, width)) return std::nullopt;
  }
  return picture;
}
