// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

// Pixel block moves between 32-bit images, clipped to both images. They copy
// exactly, with none of a painter's blending or scaling, which keeps the
// face pixel-true and a wheel step cheap.
namespace blit {

// Copies the rectangle `from` of src so that its top-left lands at `to`.
void Copy(QImage& dst, QPoint to, const QImage& src, const QRect& from);

// Fills a rectangle with one colour.
void Fill(QImage& dst, const QRect& rect, QRgb colour);

// A rectangle given by its edges, the right and bottom ones excluded.
inline QRect Edges(int left, int top, int right, int bottom) {
  return {left, top, right - left, bottom - top};
}

}  // namespace blit
