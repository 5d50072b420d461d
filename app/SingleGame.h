// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "SettingsLock.h"

// Takes the settings file for this run. When another running game holds it,
// tells the player so in a box and returns nothing: the start must then end
// without reading or writing the file. When no lock can be taken, says so in
// a box, naming the file and the reason; the game then plays without writing
// the file until the lock can be taken. Keep the result for the whole run.
std::optional<SettingsLock> ClaimSettingsFile(const QString& settingsPath);
