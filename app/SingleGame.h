// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "SettingsLock.h"

// What a second start on a settings file that a running game holds says,
// after the product title.
inline constexpr const char* AlreadyRunningText = " is already running with this settings file.";

// What a start says, after the product title, when no lock can be taken on
// the settings file; the file's path and the reason follow.
inline constexpr const char* CannotLockText =
    " cannot lock its settings file, so it cannot make sure that no other copy of the game "
    "uses it. You can play, but the game is not saved while the file cannot be locked.";

// Takes the settings file for this run. When another running game holds it,
// tells the player so in a box and returns nothing: the start must then end
// without reading or writing the file. When no lock can be taken, says so in
// a box; the game then plays without writing the file until the lock can be
// taken. Keep the result for the whole run.
std::optional<SettingsLock> ClaimSettingsFile(const QString& settingsPath);
