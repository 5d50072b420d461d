// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Colours as the settings file stores them: 0x00BBGGRR for a plain colour, or
// 0x80000000 + index for a system colour (button face, index 15, is stored as
// -2147483633).
struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// System colours resolve through one fixed classic palette, so the game looks
// the same on every desktop theme.
Rgb DecodeColor(std::int32_t fileValue);
std::int32_t EncodeColor(Rgb color);

inline constexpr int SysColorButtonFace = 15;
std::int32_t SystemColorValue(int index);
