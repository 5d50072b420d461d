// SPDX-License-Identifier: GPL-3.0-or-later
#include "Blit.h"

#include <algorithm>
#include <cstring>

namespace blit {

void Copy(QImage& dst, QPoint to, const QImage& src, const QRect& from) {
  if (src.isNull() || dst.isNull()) return;
  if (src.depth() != 32) {
    Copy(dst, to, src.convertToFormat(QImage::Format_RGB32), from);
    return;
  }
  // Clip the source to the source image, then the destination to dst,
  // moving the other side by the same amount.
  QRect source = from.intersected(src.rect());
  QPoint target = to + (source.topLeft() - from.topLeft());
  QRect destination(target, source.size());
  const QRect clipped = destination.intersected(dst.rect());
  if (clipped.isEmpty()) return;
  source.translate(clipped.topLeft() - destination.topLeft());
  source.setSize(clipped.size());

  // bits() once: scanLine() on a writable image checks for sharing on every
  // call, which shows in a full paint. The destination first: should it be
  // shared and come apart, the source keeps the data it points at.
  uchar* out = dst.bits() + clipped.top() * dst.bytesPerLine() +
               clipped.left() * static_cast<qsizetype>(sizeof(QRgb));
  const uchar* in = src.constBits() + source.top() * src.bytesPerLine() +
                    source.left() * static_cast<qsizetype>(sizeof(QRgb));
  const auto rowBytes = static_cast<std::size_t>(clipped.width()) * sizeof(QRgb);
  for (int row = 0; row < clipped.height(); ++row) {
    std::memcpy(out, in, rowBytes);
    in += src.bytesPerLine();
    out += dst.bytesPerLine();
  }
}

void Fill(QImage& dst, const QRect& rect, QRgb colour) {
  const QRect clipped = rect.intersected(dst.rect());
  if (clipped.isEmpty()) return;
  const QRgb opaque = colour | 0xFF000000U;
  uchar* line = dst.bits() + clipped.top() * dst.bytesPerLine() +
                clipped.left() * static_cast<qsizetype>(sizeof(QRgb));
  for (int row = 0; row < clipped.height(); ++row, line += dst.bytesPerLine()) {
    auto* out = reinterpret_cast<QRgb*>(line);
    std::fill(out, out + clipped.width(), opaque);
  }
}

}  // namespace blit
