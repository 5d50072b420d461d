// SPDX-License-Identifier: GPL-3.0-or-later
#include "Colors.h"

#include <array>

namespace {

// The classic Windows scheme, by system colour index.
constexpr std::array<Rgb, 31> ClassicPalette{{
    {0xC0, 0xC0, 0xC0},  // 0 scroll bar
    {0x00, 0x80, 0x80},  // 1 desktop
    {0x00, 0x00, 0x80},  // 2 active caption
    {0x80, 0x80, 0x80},  // 3 inactive caption
    {0xC0, 0xC0, 0xC0},  // 4 menu
    {0xFF, 0xFF, 0xFF},  // 5 window
    {0x00, 0x00, 0x00},  // 6 window frame
    {0x00, 0x00, 0x00},  // 7 menu text
    {0x00, 0x00, 0x00},  // 8 window text
    {0xFF, 0xFF, 0xFF},  // 9 caption text
    {0xC0, 0xC0, 0xC0},  // 10 active border
    {0xC0, 0xC0, 0xC0},  // 11 inactive border
    {0x80, 0x80, 0x80},  // 12 application workspace
    {0x00, 0x00, 0x80},  // 13 highlight
    {0xFF, 0xFF, 0xFF},  // 14 highlight text
    {0xC0, 0xC0, 0xC0},  // 15 button face
    {0x80, 0x80, 0x80},  // 16 button shadow
    {0x80, 0x80, 0x80},  // 17 grey text
    {0x00, 0x00, 0x00},  // 18 button text
    {0xC0, 0xC0, 0xC0},  // 19 inactive caption text
    {0xFF, 0xFF, 0xFF},  // 20 button highlight
    {0x00, 0x00, 0x00},  // 21 3-D dark shadow
    {0xDF, 0xDF, 0xDF},  // 22 3-D light
    {0x00, 0x00, 0x00},  // 23 tooltip text
    {0xFF, 0xFF, 0xE1},  // 24 tooltip background
    {0xB5, 0xB5, 0xB5},  // 25 unused
    {0x00, 0x00, 0xFF},  // 26 hot-tracked item
    {0x10, 0x84, 0xD0},  // 27 active caption gradient
    {0xB5, 0xB5, 0xB5},  // 28 inactive caption gradient
    {0x00, 0x00, 0x80},  // 29 menu highlight
    {0xC0, 0xC0, 0xC0},  // 30 menu bar
}};

constexpr std::uint32_t SystemColorFlag = 0x80000000U;

}  // namespace

std::int32_t SystemColorValue(int index) {
  return static_cast<std::int32_t>(SystemColorFlag | (static_cast<std::uint32_t>(index) & 0xFFU));
}

Rgb DecodeColor(std::int32_t fileValue) {
  const auto bits = static_cast<std::uint32_t>(fileValue);
  if (bits & SystemColorFlag) {
    // An unknown system colour index shows black, as the system does.
    const std::uint32_t index = bits & 0xFFU;
    return index < ClassicPalette.size() ? ClassicPalette[index] : Rgb{};
  }
  return {static_cast<std::uint8_t>(bits & 0xFFU), static_cast<std::uint8_t>((bits >> 8) & 0xFFU),
          static_cast<std::uint8_t>((bits >> 16) & 0xFFU)};
}

std::int32_t EncodeColor(Rgb color) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(color.r) |
                                   (static_cast<std::uint32_t>(color.g) << 8) |
                                   (static_cast<std::uint32_t>(color.b) << 16));
}
