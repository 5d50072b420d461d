// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

// What the dialogs ask of their surroundings: message boxes, the one-line
// name prompt and the help window. The program passes Standard(); tests pass
// functions that answer at once and record what was asked.
struct DialogServices {
  // An information box with one OK button.
  std::function<void(QWidget* parent, const QString& text)> information;
  // A warning box with one OK button, for failures.
  std::function<void(QWidget* parent, const QString& text)> warning;
  // A one-line text prompt with OK and Cancel; nothing on Cancel.
  std::function<std::optional<QString>(QWidget* parent, const QString& title,
                                       const QString& initial)>
      askText;
  // Opens the program's help at a topic.
  std::function<void(int context)> help;

  // Qt's message boxes and input dialog; help goes to `showHelp`.
  static DialogServices Standard(std::function<void(int context)> showHelp);
};

// What a dialog shows when a command would change the game while the wheels
// are still turning.
inline constexpr const char* WaitForWheelsText = "Please wait until the wheels have stopped.";
