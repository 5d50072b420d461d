// SPDX-License-Identifier: GPL-3.0-or-later
#include "Blit.h"

#include <QtMath>
#include <algorithm>
#include <cstring>

namespace blit {

namespace {

// Copies device pixels: the rectangle `source` of src to `target` of dst.
void CopyPixels(QImage& dst, QPoint target, const QImage& src, QRect source) {
  // Clip the source to the source image, then the destination to dst,
  // moving the other side by the same amount.
  const QPoint shift = target - source.topLeft();
  source = source.intersected(src.rect());
  const QRect destination(source.topLeft() + shift, source.size());
  const QRect clipped = destination.intersected(dst.rect());
  if (clipped.isEmpty()) return;
  source.translate(clipped.topLeft() - destination.topLeft());
  source.setSize(clipped.size());

  // bits() once: scanLine() on a writable image checks for sharing on every
  // call, which shows in a full paint. The destination first: if it shares
  // data with the source and detaches, the source pointer stays valid.
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

}  // namespace

QRect DeviceRect(const QRect& logical, qreal ratio) {
  if (ratio == 1.0) return logical;
  const int left = qRound(logical.left() * ratio);
  const int top = qRound(logical.top() * ratio);
  const int right = qRound((logical.left() + logical.width()) * ratio);
  const int bottom = qRound((logical.top() + logical.height()) * ratio);
  return {left, top, right - left, bottom - top};
}

QSize LogicalSize(const QImage& image) {
  const qreal ratio = image.devicePixelRatio();
  if (ratio == 1.0) return image.size();
  return {qRound(image.width() / ratio), qRound(image.height() / ratio)};
}

void Copy(QImage& dst, QPoint to, const QImage& src, const QRect& from) {
  if (src.isNull() || dst.isNull()) return;
  if (src.depth() != 32) {
    QImage converted = src.convertToFormat(QImage::Format_RGB32);
    converted.setDevicePixelRatio(src.devicePixelRatio());
    Copy(dst, to, converted, from);
    return;
  }
  const qreal dstRatio = dst.devicePixelRatio();
  const qreal srcRatio = src.devicePixelRatio();
  if (dstRatio == 1.0 && srcRatio == 1.0) {
    CopyPixels(dst, to, src, from);
    return;
  }
  // The destination decides the size, so that neighbouring copies meet
  // however their edges round.
  const QRect target = DeviceRect(QRect(to, from.size()), dstRatio);
  if (target.isEmpty()) return;
  QRect source = DeviceRect(from, srcRatio);
  if (srcRatio == dstRatio) {
    CopyPixels(dst, target.topLeft(), src, QRect(source.topLeft(), target.size()));
    return;
  }
  // A picture made for another ratio (a tiled background picture) is scaled.
  source = source.intersected(src.rect());
  if (source.isEmpty()) return;
  const QImage scaled =
      src.copy(source).scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  CopyPixels(dst, target.topLeft(), scaled, scaled.rect());
}

void Fill(QImage& dst, const QRect& rect, QRgb colour) {
  const QRect clipped = DeviceRect(rect, dst.devicePixelRatio()).intersected(dst.rect());
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
