// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fonts.h"

void InstallFontSubstitutes() {
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

QFont FaceFont(int pointSize, bool bold) {
  QFont font(QStringLiteral("MS Sans Serif"));
  // Points at 96 dpi, rounded as the classic desktop rounds them (8 -> 11 px).
  font.setPixelSize((pointSize * 96 + 36) / 72);
  font.setBold(bold);
  return font;
}
