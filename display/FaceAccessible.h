// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class MachineFace;

// The face as a screen reader sees it: a named canvas whose description is
// read from the face on each request, so readouts that change many times a
// second (a count-up) raise no events; the face announces a settled spin
// itself.
class FaceAccessible : public QAccessibleWidget {
 public:
  explicit FaceAccessible(MachineFace* face);
  QString text(QAccessible::Text t) const override;

  // Makes Qt's accessibility use this class for every MachineFace. Safe to
  // call more than once.
  static void Install();
};
