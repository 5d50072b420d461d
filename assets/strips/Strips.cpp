// SPDX-License-Identifier: GPL-3.0-or-later
#include "Strips.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitStripsResource() { Q_INIT_RESOURCE(strips); }

void InitStrips() {
  // Registering the same data twice would only waste a lookup slot.
  static const bool registered = (InitStripsResource(), true);
  Q_UNUSED(registered);
}
