// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The glyph strips of the machine face, built into the program as resources.
namespace strips {

inline constexpr const char* DigitsPath = ":/strips/Digits.bmp";  // 188 x 147
inline constexpr const char* AlphaPath = ":/strips/Alpha.bmp";    // 507 x 28
inline constexpr const char* LampsPath = ":/strips/Image1.bmp";   // 17 x 51

}  // namespace strips

// Registers the strips' resources; the library is static, so this must run
// before the first lookup.
void InitStrips();
