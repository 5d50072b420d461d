// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "SettingsLock.h"

// What a second start on a settings file that a running game holds says,
// after the product title.
inline constexpr const char* AlreadyRunningText = " is already running with this settings file.";

// Takes the settings file for this run. When another running game holds it,
// tells the player so in a box and returns nothing: the start must then end
// without reading or writing the file. Keep the result for the whole run.
std::optional<SettingsLock> ClaimSettingsFile(const QString& settingsPath);
