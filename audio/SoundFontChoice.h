// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

// The General MIDI bank the music is rendered with, in order of preference:
// the player's own SDL_SOUNDFONTS (a list the mixer understands, passed on
// as it is), the system's default bank, the one installed with the game.
// Empty when there is none of them, leaving the mixer to its own search.
// The environment and the file system come in as functions so the choice
// can be tried on any machine.
struct SoundFontSources {
  std::function<std::string(const char* name)> environment;  // empty when unset
  std::function<bool(const std::string& path)> isReadableFile;
};

std::string ChooseSoundFonts(const SoundFontSources& sources);

// The real environment and file system.
SoundFontSources SystemSoundFontSources();

// Where Debian and its derivatives keep the system's default bank (a link
// that the alternatives system points at the chosen one).
inline constexpr const char* SystemDefaultSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";

// The small General MIDI bank the game's songs were arranged with.
inline constexpr const char* BundledSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
