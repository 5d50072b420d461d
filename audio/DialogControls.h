// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QPushButton;
class QWidget;

// A push button placed at fixed coordinates that never takes the dialog's
// Enter key for itself.
QPushButton* MakeButton(QWidget* parent, const QString& text, int left, int top, int width,
                        int height);
