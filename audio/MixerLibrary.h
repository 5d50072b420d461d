// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <optional>
#include <string>

// The functions of SDL and its mixer that the game calls. The libraries are
// opened when the first sound or song needs them, not linked: with
// FluidSynth and the libraries they bring in they would add some 15 ms to
// every start, before the window could paint.
struct MixerLibrary {
  decltype(&SDL_InitSubSystem) InitSubSystem;
  decltype(&SDL_QuitSubSystem) QuitSubSystem;
  decltype(&SDL_RWFromConstMem) RWFromConstMem;
  decltype(&SDL_GetError) GetError;
  decltype(&Mix_OpenAudio) OpenAudio;
  decltype(&Mix_CloseAudio) CloseAudio;
  decltype(&Mix_Init) Init;
  decltype(&Mix_Quit) Quit;
  decltype(&Mix_AllocateChannels) AllocateChannels;
  decltype(&Mix_SetSoundFonts) SetSoundFonts;
  decltype(&Mix_QuerySpec) QuerySpec;
  decltype(&Mix_LoadWAV_RW) LoadWAV_RW;
  decltype(&Mix_FreeChunk) FreeChunk;
  decltype(&Mix_PlayChannel) PlayChannel;
  decltype(&Mix_HaltChannel) HaltChannel;
  decltype(&Mix_LoadMUS) LoadMUS;
  decltype(&Mix_FreeMusic) FreeMusic;
  decltype(&Mix_GetMusicType) GetMusicType;
  decltype(&Mix_PlayMusic) PlayMusic;
  decltype(&Mix_HaltMusic) HaltMusic;
  decltype(&Mix_HookMusicFinished) HookMusicFinished;
};

// The mixer's soname; SDL comes in with it.
inline constexpr const char* MixerLibraryName = "libSDL2_mixer-2.0.so.0";

// Opens the library (left open for the rest of the run) and finds every
// function. Empty, with the reason in failure, when the library or one of
// its functions is missing.
std::optional<MixerLibrary> OpenMixerLibrary(const char* soname, std::string& failure);
