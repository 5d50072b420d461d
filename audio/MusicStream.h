// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>

class SdlMusicPlayer;

// The mixer has a single music stream; the music player and the song dialog's
// preview share it. Whoever starts playing takes it over and the previous
// holder is notified that its play was replaced. Used on the main thread only,
// except for the mixer's end-of-music hook.
class MusicStream {
 public:
  static MusicStream& Instance();

  // Installs the end-of-music hook; done once the mixer is open.
  void AttachToMixer();
  // Stops the music for good at program end.
  void Shutdown();

  // Makes the player the holder of the stream and starts its music.
  // Returns false when the play could not start.
  bool Start(SdlMusicPlayer* player);
  // Stops the music if the player holds the stream, without a notification.
  void Release(SdlMusicPlayer* player);
  bool Holds(const SdlMusicPlayer* player) const { return holder_ == player; }

 private:
  MusicStream() = default;
  static void OnMusicFinished();
  void DeliverFinished(unsigned play);
  void HaltQuietly();

  SdlMusicPlayer* holder_ = nullptr;
  // Numbers the plays so that a late end-of-music report for a song already
  // replaced is recognised and dropped.
  std::atomic<unsigned> play_{0};
  // Set while we halt the music ourselves: the hook then is no natural end.
  std::atomic<bool> halting_{false};
};
