// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fonts.h"

namespace {

struct ClassicFamily {
  const char* name;
  const char* family;
};

constexpr ClassicFamily ClassicFamilies[] = {{"MS Sans Serif", "DejaVu Sans"},
                                             {"Arial", "Liberation Sans"}};

}  // namespace

void InstallFontSubstitutes() {
  for (const ClassicFamily& classic : ClassicFamilies)
    QFont::insertSubstitution(QString::fromLatin1(classic.name),
                              QString::fromLatin1(classic.family));
}

QFont ClassicFont(const QString& classicName) {
  for (const ClassicFamily& classic : ClassicFamilies)
    if (classicName == QLatin1String(classic.name))
      return QFont(QString::fromLatin1(classic.family));
  return QFont(classicName);
}

QFont FaceFont(int pointSize, bool bold) {
  QFont font = ClassicFont(QStringLiteral("MS Sans Serif"));
  // Points at 96 dpi, rounded as the classic desktop rounds them (8 -> 11 px).
  font.setPixelSize((pointSize * 96 + 36) / 72);
  font.setBold(bold);
  return font;
}
