#include "SdlMusicPlayer.h"

#include <SDL_mixer.h>

#include <fstream>

#include "AudioDevice.h"
#include "MusicStream.h"

namespace {

// The mixer takes any file named .mid for MIDI and only finds out while
// playing that it is none; a real one starts with a MIDI or RIFF header.
bool HasMidiHeader(const std::string& path) {
  char magic[4] = {};
  std::ifstream file(path, std::ios::binary);
  file.read(magic, sizeof magic);
  const std::string header(magic, sizeof magic);
  return file && (header == "MThd" || header == "RIFF");
}

}  // namespace

SdlMusicPlayer::~SdlMusicPlayer() { Close(); }

bool SdlMusicPlayer::Open(std::string& errorText) {
  Close();
  // Without a device there is nothing to open into: the music is silent.
  if (!audio_device::Available()) return true;
  music_ = Mix_LoadMUS(fileName_.c_str());
  if (music_ && Mix_GetMusicType(music_) == MUS_MID && !HasMidiHeader(fileName_)) {
    Mix_FreeMusic(music_);
    music_ = nullptr;
    errorText =
        "The file cannot be played on the MIDI sequencer. It may be damaged or not a MIDI file.";
    return false;
  }
  if (music_) return true;
  errorText = Mix_GetError();
  if (errorText.empty()) errorText = "The file could not be opened: " + fileName_;
  return false;
}

void SdlMusicPlayer::Play() {
  if (!music_) return;
  MusicStream::Instance().Start(this);
}

void SdlMusicPlayer::Close() {
  if (!music_) return;
  MusicStream::Instance().Release(this);
  Mix_FreeMusic(music_);
  music_ = nullptr;
}

void SdlMusicPlayer::SetNotifyHandler(std::function<void(MediaNotify)> handler) {
  handler_ = std::move(handler);
}

void SdlMusicPlayer::Notify(MediaNotify how) {
  if (handler_) handler_(how);
}
