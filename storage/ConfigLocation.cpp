// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConfigLocation.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace {

// The folder for per-user settings, without a trailing '/'. A relative
// XDG_CONFIG_HOME is ignored, as the XDG rules ask.
std::string ConfigHome() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg != nullptr && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return std::string(home) + "/.config";
  if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr) {
    return std::string(entry->pw_dir) + "/.config";
  }
  return "/tmp";
}

}  // namespace

std::string WindowsDir() {
  std::string folder = ConfigHome();
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (folder != "/") folder += '/';
  return folder + "voltaro-slots/";
}

std::string SettingsFilePath() { return WindowsDir() + SettingsFileName; }
