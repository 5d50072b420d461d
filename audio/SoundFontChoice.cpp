// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundFontChoice.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

std::string ChooseSoundFonts(const SoundFontSources& sources) {
  const std::string player = sources.environment("SDL_SOUNDFONTS");
  if (!player.empty()) return player;
  for (const char* path : {SystemDefaultSoundFont, BundledSoundFont})
    if (sources.isReadableFile(path)) return path;
  return {};
}

SoundFontSources SystemSoundFontSources() {
  return {[](const char* name) {
            const char* value = std::getenv(name);
            return std::string(value != nullptr ? value : "");
          },
          [](const std::string& path) {
            // A dangling link (an alternative removed) counts as no file.
            std::error_code error;
            return std::filesystem::is_regular_file(path, error) && access(path.c_str(), R_OK) == 0;
          }};
}
