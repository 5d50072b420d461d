// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

// Pixel block moves between 32-bit images, clipped to both images. They copy
// exactly, with none of a painter's blending or scaling, which keeps the
// face pixel-true and a wheel step cheap.
//
// Positions and sizes are in the images' logical pixels. An image with a
// device-pixel ratio other than 1 (a face drawn for a scaled screen) holds
// that many device pixels per logical one; the moves then work on the device
// pixels the logical rectangle covers, so the same drawing code serves every
// ratio and stays byte for byte the same at ratio 1.
namespace blit {

// Copies the rectangle `from` of src so that its top-left lands at `to`.
// Images of the same ratio copy pixel for pixel; a source of another ratio
// is scaled to the destination's device pixels.
void Copy(QImage& dst, QPoint to, const QImage& src, const QRect& from);

// Fills a rectangle with one colour.
void Fill(QImage& dst, const QRect& rect, QRgb colour);

// A rectangle given by its edges, the right and bottom ones excluded.
inline QRect Edges(int left, int top, int right, int bottom) {
  return {left, top, right - left, bottom - top};
}

// The device pixels a logical rectangle covers at a ratio: each edge is
// scaled and rounded on its own, so rectangles that touch keep touching.
QRect DeviceRect(const QRect& logical, qreal ratio);

// The size of an image in logical pixels, and its whole logical rectangle.
QSize LogicalSize(const QImage& image);
inline QRect LogicalRect(const QImage& image) { return {QPoint(0, 0), LogicalSize(image)}; }

}  // namespace blit
