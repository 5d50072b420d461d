// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class MachineFace;

// The face as a screen reader sees it: a named canvas whose description is
// read fresh from the face whenever it is asked for, so the readouts that
// change many times a second (a win counted up) raise no events of their
// own; the face announces a settled spin itself.
class FaceAccessible : public QAccessibleWidget {
 public:
  explicit FaceAccessible(MachineFace* face);
  QString text(QAccessible::Text t) const override;

  // Makes Qt's accessibility use this class for every MachineFace. Safe to
  // call more than once.
  static void Install();
};
