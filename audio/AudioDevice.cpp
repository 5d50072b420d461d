// SPDX-License-Identifier: GPL-3.0-or-later
#include "AudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>
#include <string>

#include "MusicStream.h"
#include "SoundFontChoice.h"

namespace audio_device {
namespace {

void CloseAtExit() {
  MusicStream::Instance().Shutdown();
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool OpenOnce() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_AllocateChannels(1);
  // The player's own choice of bank wins over the system's and the game's.
  const std::string soundFonts = ChooseSoundFonts(SystemSoundFontSources());
  if (!soundFonts.empty()) Mix_SetSoundFonts(soundFonts.c_str());
  Mix_Init(MIX_INIT_MID);
  MusicStream::Instance().AttachToMixer();
  std::atexit(CloseAtExit);
  return true;
}

}  // namespace

bool Available() {
  static const bool available = OpenOnce();
  return available;
}

}  // namespace audio_device
