// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogControls.h"

#include <QPushButton>

QPushButton* MakeButton(QWidget* parent, const QString& text, int left, int top, int width,
                        int height) {
  auto* button = new QPushButton(text, parent);
  button->setGeometry(left, top, width, height);
  button->setAutoDefault(false);
  return button;
}
