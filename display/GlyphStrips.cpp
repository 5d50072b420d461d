// SPDX-License-Identifier: GPL-3.0-or-later
#include "GlyphStrips.h"

#include "Strips.h"

namespace {

// Strips are kept as 32-bit images so copying a glyph onto the canvas is a
// plain block copy.
QImage LoadStrip(const char* path) {
  InitStrips();
  QImage image(QString::fromLatin1(path));
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

const QImage& DigitsStrip() {
  static const QImage strip = LoadStrip(strips::DigitsPath);
  return strip;
}

const QImage& AlphaStrip() {
  static const QImage strip = LoadStrip(strips::AlphaPath);
  return strip;
}

const QImage& LampStrip() {
  static const QImage strip = LoadStrip(strips::LampsPath);
  return strip;
}
