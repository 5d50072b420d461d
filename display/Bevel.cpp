// SPDX-License-Identifier: GPL-3.0-or-later
#include "Bevel.h"

#include "Blit.h"
#include "CanvasWidget.h"
#include "Palette.h"

using blit::Edges;

void DrawBevel(CanvasWidget& target, int left, int top, int right, int bottom, int kind) {
  const bool wide = kind == BevelWideSunken || kind == BevelWideRaised;
  const bool sunken = kind == BevelWideSunken || kind == BevelNarrowSunken;
  const int e = wide ? 8 : 3;
  const QRgb first = (sunken ? palette::ButtonHighlight : palette::ButtonShadow).rgb();
  const QRgb second = (sunken ? palette::ButtonShadow : palette::ButtonHighlight).rgb();
  QImage& canvas = target.Canvas();

  if (sunken) {
    // A black outline just around the rectangle, left to right inclusive.
    const QRgb black = qRgb(0, 0, 0);
    blit::Fill(canvas, Edges(left - 1, top - 1, right + 1, top), black);
    blit::Fill(canvas, Edges(left - 1, bottom, right + 1, bottom + 1), black);
    blit::Fill(canvas, Edges(left - 1, top - 1, left, bottom + 1), black);
    blit::Fill(canvas, Edges(right, top - 1, right + 1, bottom + 1), black);
  }
  // Four lines e px outside, each leaving out its corner pixels and its end.
  blit::Fill(canvas, Edges(right + e, top - e + 1, right + e + 1, bottom + e - 1), first);
  blit::Fill(canvas, Edges(left - e + 2, bottom + e, right + e, bottom + e + 1), first);
  blit::Fill(canvas, Edges(left - e, top - e + 1, left - e + 1, bottom + e - 1), second);
  blit::Fill(canvas, Edges(left - e + 1, top - e, right + e - 1, top - e + 1), second);

  target.ShowRect(Edges(left - e, top - e, right + e + 1, bottom + e + 1));
}
