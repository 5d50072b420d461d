// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// One fixed classic palette for the system colours the face is drawn in, so
// the machine looks the same under every desktop theme.
namespace palette {

inline const QColor ButtonFace{0xC0, 0xC0, 0xC0};
inline const QColor ButtonShadow{0x80, 0x80, 0x80};
inline const QColor ButtonHighlight{0xFF, 0xFF, 0xFF};
inline const QColor ButtonText{0x00, 0x00, 0x00};

}  // namespace palette
