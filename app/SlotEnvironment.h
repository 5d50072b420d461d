// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

#include "DialogServices.h"
#include "Random.h"

// What the main window takes from its surroundings: where the program's
// files lie, where the settings file lives, its source of chance and its
// dialogs. The program uses Standard(); tests build their own.
struct SlotEnvironment {
  QString programDir;    // ends with '/'
  QString settingsPath;  // full path of VOLTA.INI
  std::unique_ptr<RandomSource> random;
  DialogServices dialogs;

  static SlotEnvironment Standard();
};

// The folder holding the game's art, sounds, songs and help, ending with '/':
// the executable's own folder when the data lies beside it (the built game
// runs in place), else the installed data folder relative to it.
QString ProgramDataDir(const QString& executableDir);
