// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaceAccessible.h"

#include "MachineFace.h"

namespace {

QAccessibleInterface* MakeFaceAccessible(const QString& key, QObject* object) {
  if (key != QLatin1String("MachineFace")) return nullptr;
  auto* face = qobject_cast<MachineFace*>(object);
  return face != nullptr ? new FaceAccessible(face) : nullptr;
}

}  // namespace

FaceAccessible::FaceAccessible(MachineFace* face) : QAccessibleWidget(face, QAccessible::Canvas) {}

QString FaceAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Description)
    return static_cast<const MachineFace*>(widget())->Description();
  return QAccessibleWidget::text(t);
}

void FaceAccessible::Install() {
  static const bool installed = (QAccessible::installFactory(MakeFaceAccessible), true);
  Q_UNUSED(installed);
}
