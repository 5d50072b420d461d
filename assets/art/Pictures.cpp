// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pictures.h"

#include <QtGlobal>

// Several windows call this; the resources are registered once. The macro
// must be used outside any namespace.
void InitPictures() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(pictures);
    return true;
  }();
  static_cast<void>(registered);
}
