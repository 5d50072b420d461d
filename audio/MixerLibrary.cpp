// SPDX-License-Identifier: GPL-3.0-or-later
#include "MixerLibrary.h"

#include <dlfcn.h>

namespace {

// Finds one function in the opened library (or a library it brings in).
template <typename Function>
bool Find(void* library, const char* name, Function& function, std::string& failure) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  if (function == nullptr) failure = std::string(name) + " is missing";
  return function != nullptr;
}

bool FindAll(void* mixer, MixerLibrary& f, std::string& failure) {
  return Find(mixer, "SDL_InitSubSystem", f.InitSubSystem, failure) &&
         Find(mixer, "SDL_QuitSubSystem", f.QuitSubSystem, failure) &&
         Find(mixer, "SDL_RWFromConstMem", f.RWFromConstMem, failure) &&
         Find(mixer, "SDL_GetError", f.GetError, failure) &&
         Find(mixer, "Mix_OpenAudio", f.OpenAudio, failure) &&
         Find(mixer, "Mix_CloseAudio", f.CloseAudio, failure) &&
         Find(mixer, "Mix_Init", f.Init, failure) && Find(mixer, "Mix_Quit", f.Quit, failure) &&
         Find(mixer, "Mix_AllocateChannels", f.AllocateChannels, failure) &&
         Find(mixer, "Mix_SetSoundFonts", f.SetSoundFonts, failure) &&
         Find(mixer, "Mix_QuerySpec", f.QuerySpec, failure) &&
         Find(mixer, "Mix_LoadWAV_RW", f.LoadWAV_RW, failure) &&
         Find(mixer, "Mix_FreeChunk", f.FreeChunk, failure) &&
         Find(mixer, "Mix_PlayChannel", f.PlayChannel, failure) &&
         Find(mixer, "Mix_HaltChannel", f.HaltChannel, failure) &&
         Find(mixer, "Mix_LoadMUS", f.LoadMUS, failure) &&
         Find(mixer, "Mix_FreeMusic", f.FreeMusic, failure) &&
         Find(mixer, "Mix_GetMusicType", f.GetMusicType, failure) &&
         Find(mixer, "Mix_PlayMusic", f.PlayMusic, failure) &&
         Find(mixer, "Mix_HaltMusic", f.HaltMusic, failure) &&
         Find(mixer, "Mix_HookMusicFinished", f.HookMusicFinished, failure);
}

}  // namespace

std::optional<MixerLibrary> OpenMixerLibrary(const char* soname, std::string& failure) {
  // Never closed: the mixer's thread and the exit handler that closes the
  // device still need it.
  void* mixer = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
  if (mixer == nullptr) {
    failure = dlerror();
    return std::nullopt;
  }
  MixerLibrary functions{};
  if (!FindAll(mixer, functions, failure)) {
    failure += std::string(" from ") + soname;
    return std::nullopt;
  }
  return functions;
}
