// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MediaPlayer.h"

typedef struct _Mix_Music Mix_Music;

// A media player on the mixer's music stream (MIDI through FluidSynth with
// the General MIDI bank). With no audio device it opens and plays nothing,
// silently: the game plays on without music.
class SdlMusicPlayer : public MediaPlayer {
 public:
  SdlMusicPlayer() = default;
  ~SdlMusicPlayer() override;
  SdlMusicPlayer(const SdlMusicPlayer&) = delete;
  SdlMusicPlayer& operator=(const SdlMusicPlayer&) = delete;

  void SetFileName(const std::string& fileName) override { fileName_ = fileName; }
  std::string FileName() const override { return fileName_; }
  bool Open(std::string& errorText) override;
  void Play() override;
  void Close() override;
  void SetNotifyHandler(std::function<void(MediaNotify)> handler) override;

  // Called by the shared stream on the main thread.
  void Notify(MediaNotify how);
  Mix_Music* Music() const { return music_; }

 private:
  std::string fileName_;
  Mix_Music* music_ = nullptr;
  std::function<void(MediaNotify)> handler_;
};
