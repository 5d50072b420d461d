// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaceTestSupport.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtMath>

#include "GlyphStrips.h"
#include "LedText.h"
#include "Reels.h"
#include "TestRegistry.h"

QRgb ArtColour(int cell) {
  // Nine colours far apart, none of them a colour the face itself uses.
  static constexpr QRgb Colours[9] = {0xFF204060, 0xFF60A020, 0xFFA02060, 0xFF30C0A0, 0xFFC0A030,
                                      0xFF7030C0, 0xFF406020, 0xFFE07010, 0xFF10E070};
  return Colours[cell];
}

int CellOfColour(QRgb colour) {
  for (int cell = 0; cell < 9; ++cell)
    if (ArtColour(cell) == (colour | 0xFF000000U)) return cell;
  return -1;
}

QImage MakeTestArt(int s) {
  QImage art(3 * s, 3 * s, QImage::Format_RGB32);
  for (int cell = 0; cell < 9; ++cell) {
    const QRect area((cell % 3) * s, (cell / 3) * s, s, s);
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        art.setPixel(x, y, x == area.right() ? ArtEdgeColour : ArtColour(cell));
  }
  return art;
}

FaceRig::FaceRig(int clientWidth, int clientHeight, int symbolSize)
    : face(std::make_unique<MachineFace>(state)) {
  InstallStrips(state);
  face->resize(clientWidth, clientHeight - PanelHeight);
  face->SetSymbolSize(symbolSize);
  face->SetSymbolArt(MakeTestArt(symbolSize));
  face->FormPaint();
}

bool ShowsGlyph(const QImage& canvas, QPoint at, const QImage& strip, const QRect& glyph) {
  for (int y = 0; y < glyph.height(); ++y)
    for (int x = 0; x < glyph.width(); ++x) {
      const QPoint p = at + QPoint(x, y);
      if (!canvas.rect().contains(p)) return false;
      if ((canvas.pixel(p) | 0xFF000000U) !=
          (strip.pixel(glyph.left() + x, glyph.top() + y) | 0xFF000000U))
        return false;
    }
  return true;
}

QString ReadLedText(const QImage& canvas, int x, int y, int cells, int band) {
  const QImage& digits = DigitsStrip();
  QString text;
  int pen = x + LedDigitWidth;
  for (int i = 0; i < cells; ++i) {
    // A point's glyph (a lit dot) matches no part of a digit or blank.
    if (ShowsGlyph(canvas, {pen - LedPointWidth, y}, digits, QRect(176, 21 * band, 4, 20))) {
      pen -= LedPointWidth;
      text.prepend(u'.');
      continue;
    }
    pen -= LedDigitWidth;
    QChar c = u'?';
    if (ShowsGlyph(canvas, {pen, y}, digits, QRect(160, 42, 15, 20))) c = u' ';
    for (int d = 0; d < 10 && c == u'?'; ++d)
      if (ShowsGlyph(canvas, {pen, y}, digits, QRect(16 * d, 21 * band, 15, 20)))
        c = QChar(u'0' + d);
    text.prepend(c);
  }
  return text;
}

// A box's readout may overlap the black foot of its caption's glyphs, so
// only the rows down to just below the dots are compared.
constexpr int CaptionRows = 24;

QString ReadCaption(const QImage& canvas, int x, int y, int width, int letters) {
  const QImage& alpha = AlphaStrip();
  QString caption;
  for (int i = 0; i < letters; ++i) {
    const QPoint at(x + width - 20 - 15 * i, y + 2);
    QChar c = u'?';
    bool dark = true;
    for (int yy = 0; yy < CaptionRows && dark; ++yy)
      for (int xx = 0; xx < 12 && dark; ++xx)
        dark = (canvas.pixel(at + QPoint(xx, yy)) | 0xFF000000U) == Black;
    if (dark) c = u' ';
    for (int k = 0; k < 26 && c == u'?'; ++k)
      if (ShowsGlyph(canvas, at, alpha, QRect(13 * k, 0, 12, CaptionRows))) c = QChar(u'A' + k);
    caption.prepend(c);
  }
  return caption.trimmed();
}
