// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The glyph strips drawn again as shapes for a screen of another
// device-pixel ratio: the same cells, glyphs and colours as the bitmap
// strips, with smooth segment edges, round dots and round lamps at the
// screen's own resolution. Each takes the glyphs (which segments, dots and
// colours) from its bitmap strip, so the two never disagree.
//
// The images hold ratio x the strip's size in device pixels and carry the
// ratio, so they are cut with the same logical rectangles as the strips.
QImage DrawSharpDigits(const QImage& digits, qreal ratio);
QImage DrawSharpAlpha(const QImage& alpha, qreal ratio);
QImage DrawSharpLamps(const QImage& lamps, qreal ratio);
