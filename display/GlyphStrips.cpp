// SPDX-License-Identifier: GPL-3.0-or-later
#include "GlyphStrips.h"

#include <deque>
#include <utility>

#include "SharpStrips.h"
#include "Strips.h"
#include "SymbolArt.h"

namespace {

// Strips are stored as 32-bit images so copying a glyph onto the canvas is a
// plain block copy.
QImage LoadStrip(const char* path) {
  InitStrips();
  return LoadBitmapFile(QString::fromLatin1(path)).picture;
}

using SharpDrawing = QImage (*)(const QImage&, qreal);

// The strip at a ratio, drawn the first time it is asked for. A screen has
// one ratio or a few, so the list stays short; a deque keeps the images
// already handed out in place.
const QImage& AtRatio(const QImage& strip, qreal ratio, SharpDrawing draw,
                      std::deque<std::pair<qreal, QImage>>& made) {
  if (ratio == 1.0) return strip;
  for (const auto& [madeRatio, image] : made)
    if (madeRatio == ratio) return image;
  made.emplace_back(ratio, draw(strip, ratio));
  return made.back().second;
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

const QImage& DigitsStrip(qreal ratio) {
  static std::deque<std::pair<qreal, QImage>> made;
  return AtRatio(DigitsStrip(), ratio, DrawSharpDigits, made);
}

const QImage& AlphaStrip(qreal ratio) {
  static std::deque<std::pair<qreal, QImage>> made;
  return AtRatio(AlphaStrip(), ratio, DrawSharpAlpha, made);
}

const QImage& LampStrip(qreal ratio) {
  static std::deque<std::pair<qreal, QImage>> made;
  return AtRatio(LampStrip(), ratio, DrawSharpLamps, made);
}
