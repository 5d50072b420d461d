// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

inline constexpr const char* SettingsFileName = "VOLTA.INI";

// The folder that holds the settings file, with a trailing '/':
// $XDG_CONFIG_HOME/voltaro-slots/, else $HOME/.config/voltaro-slots/. It is
// created by the first write, not here.
std::string WindowsDir();

// WindowsDir() + "VOLTA.INI".
std::string SettingsFilePath();
