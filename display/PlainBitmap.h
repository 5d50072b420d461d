// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <optional>

// The bitmaps the game ships, and most others, are the plainest kind: a
// 40-byte header and uncompressed rows of 24-bit colours or of 4- or 8-bit
// places in a palette. Read directly, such a file
// takes a tenth of the time Qt's bitmap reader needs, which sits on the way
// to the window's first paint. The picture comes out as Qt's reader makes
// it, in QImage::Format_RGB32. A file of this kind that stops short of its
// last row gives a null picture: Qt's reader would leave the missing rows
// as whatever the memory held. Any other kind of file gives nothing, and is
// left to Qt's reader.
std::optional<QImage> ReadPlainBitmap(const uchar* bytes, qsizetype size);
