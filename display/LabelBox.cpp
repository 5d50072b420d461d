// SPDX-License-Identifier: GPL-3.0-or-later
#include "LabelBox.h"

#include "Blit.h"
#include "CanvasWidget.h"
#include "GlyphStrips.h"
#include "Palette.h"

namespace {

constexpr int StandardHeight = 52;
constexpr int LetterPitch = 15;
constexpr int AlphaPitch = 13;
constexpr int GlyphWidth = 12;
constexpr int GlyphHeight = 27;

}  // namespace

void DrawLabelBox(CanvasWidget& target, const QString& caption, int x, int y, int width, int height,
                  int symbolSize) {
  if (symbolSize == 144) x += x >= 100 ? 13 : -13;
  if (height == 0) height = StandardHeight;
  if (width <= 0 || height <= 0) return;

  QImage& canvas = target.Canvas();
  const QRect box(x, y, width, height);
  blit::Fill(canvas, box, palette::ButtonShadow.rgb());
  // A box one or two pixels high (the BONUS rule) or wide is all outline;
  // its inside would come out upside down and cover the outline.
  if (width > 2 && height > 2) blit::Fill(canvas, box.adjusted(1, 1, -1, -1), qRgb(0, 0, 0));

  // Right-aligned: the last letter sits 20 px in from the right edge.
  const QImage& alpha = AlphaStrip(canvas.devicePixelRatio());
  QRect changed = box;
  int letterX = x + width - 20;
  for (qsizetype i = caption.size() - 1; i >= 0; --i, letterX -= LetterPitch) {
    const QChar c = caption[i];
    // Only capitals have glyphs; a blank (or anything else) leaves its
    // slot black.
    if (c < u'A' || c > u'Z') continue;
    const int cell = c.unicode() - u'A';
    blit::Copy(canvas, {letterX, y + 2}, alpha,
               QRect(cell * AlphaPitch, 0, GlyphWidth, GlyphHeight));
    changed = changed.united(QRect(letterX, y + 2, GlyphWidth, GlyphHeight));
  }
  target.ShowRect(changed);
}
