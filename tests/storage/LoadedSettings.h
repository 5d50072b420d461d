// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "GameState.h"
#include "Settings.h"
#include "SettingsFile.h"

// What a settings file gives a game at start-up.
struct Loaded {
  GameState state;
  Settings settings = DefaultSettings("/opt/voltaro/");
  bool maxed = false;
};

// Reads the file over `before` (a game at its start-up values unless given)
// and the default settings.
inline Loaded LoadFrom(const std::string& path, const GameState& before = {}) {
  Loaded l;
  l.state = before;
  LoadSettingsFile(path, l.state, l.settings, l.maxed);
  return l;
}
