// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class CanvasWidget;

// Colour bands of the Digits strip.
enum LedBand : int {
  LedBlue = 0,
  LedCyan = 1,
  LedGreen = 2,
  LedMagenta = 3,
  LedRed = 4,
  LedWhite = 5,
  LedYellow = 6,
};

// Size of one digit cell and of the decimal point glyph.
inline constexpr int LedDigitWidth = 15;
inline constexpr int LedPointWidth = 4;
inline constexpr int LedHeight = 20;
// Where the glyphs lie on the strip: one band of digits under the other,
// digit after digit.
inline constexpr int LedBandPitch = 21;
inline constexpr int LedDigitPitch = 16;

// Draws digits, blanks and decimal separators as seven-segment glyphs.
// Right-to-left: x is the left edge of the last character's cell and the
// text grows to the left. Left-to-right: x is the left edge of the first
// cell. With 144-pixel symbols x is moved 13 px outward (right from 200 on,
// left below), on every window, so all faces line up with the machine.
void DrawLedText(CanvasWidget& target, const QString& text, int x, int y, bool leftToRight,
                 int band, int symbolSize);

// Like DrawLedText, for a text that must not reach more than `width` pixels
// from where it starts: a text that fits draws exactly as DrawLedText draws
// it; a wider one is squeezed to the width, so that a long amount stays
// inside its box.
void DrawLedTextWithin(CanvasWidget& target, const QString& text, int x, int y, bool leftToRight,
                       int band, int symbolSize, int width);

// The width of a "%10.2f" amount: nine digit cells and a point.
inline constexpr int LedMoneyWidth = 9 * LedDigitWidth + LedPointWidth;

// "%10.2f" of an amount with the system locale's decimal separator.
QString MoneyText(double amount);
// printf "%<width>d" of a count.
QString CountText(int count, int width);

// The system locale's decimal separator, one character.
QChar LocaleDecimalPoint();
