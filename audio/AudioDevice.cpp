// SPDX-License-Identifier: GPL-3.0-or-later
#include "AudioDevice.h"

#include <QtGlobal>
#include <cstdlib>
#include <string>

#include "MixerLibrary.h"
#include "MusicStream.h"
#include "SoundFontChoice.h"

namespace audio_device {
namespace {

// Set once the device is open.
const MixerLibrary* mixer = nullptr;

void CloseAtExit() {
  MusicStream::Instance().Shutdown();
  mixer->CloseAudio();
  mixer->Quit();
  mixer->QuitSubSystem(SDL_INIT_AUDIO);
}

bool OpenOnce() {
  std::string failure;
  static const std::optional<MixerLibrary> library = OpenMixerLibrary(MixerLibraryName, failure);
  if (!library) {
    // A broken install rather than a machine without sound: log it.
    qWarning("the game is silent: %s", failure.c_str());
    return false;
  }
  if (library->InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  if (library->OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    library->QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  mixer = &*library;
  mixer->AllocateChannels(1);
  // The player's own choice of bank wins over the system's and the game's.
  const std::string soundFonts = ChooseSoundFonts(SystemSoundFontSources());
  if (!soundFonts.empty()) mixer->SetSoundFonts(soundFonts.c_str());
  mixer->Init(MIX_INIT_MID);
  MusicStream::Instance().AttachToMixer();
  std::atexit(CloseAtExit);
  return true;
}

}  // namespace

bool Available() {
  static const bool available = OpenOnce();
  return available;
}

const MixerLibrary& Mixer() {
  if (mixer == nullptr) std::abort();  // a caller that skipped Available()
  return *mixer;
}

}  // namespace audio_device
