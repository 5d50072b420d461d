// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <array>

// Resource paths of the pictures compiled into voltaro_pictures. Call
// InitPictures() before the first picture is loaded (more calls are
// harmless): the library is static, so the linker would otherwise drop its
// resources.

// Application icon, 256 x 256, and a copy drawn for 32 x 32.
inline constexpr const char* IconPicture = ":/pictures/icon.png";
inline constexpr const char* IconPicture32 = ":/pictures/icon32.png";

// Pictures of the four buttons under the machine, ButtonPictureSize, as
// ready pixels (see ReadyPixels).
inline constexpr QSize ButtonPictureSize(24, 24);
inline constexpr const char* Bet1Pixels = ":/pictures/bet1.argb32";
inline constexpr const char* BetMaxPixels = ":/pictures/betmax.argb32";
inline constexpr const char* PayoffChartPixels = ":/pictures/payoff.argb32";
inline constexpr const char* SpinPixels = ":/pictures/spin.argb32";

// Picture of a Help button, 24 x 24.
inline constexpr const char* HelpPicture = ":/pictures/help.png";

// Borrow chips, 72 x 48, in the order of the borrow buttons: $1,000, $100,
// $10, $1, 10 cents, 1 cent.
inline constexpr std::array<const char*, 6> ChipPictures{
    ":/pictures/chip1000.png", ":/pictures/chip100.png", ":/pictures/chip10.png",
    ":/pictures/chip1.png",    ":/pictures/chip10c.png", ":/pictures/chip1c.png"};

void InitPictures();

// The picture held as bare ARGB32 pixels, rows top to bottom, at `path`: an
// image of `size` in QImage::Format_ARGB32, with no decoding and no image
// reader. Null when the resource is missing, compressed or not exactly
// size's number of pixels.
QImage ReadyPixels(const char* path, QSize size);
