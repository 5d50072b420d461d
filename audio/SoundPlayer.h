// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <string>

#include "Settings.h"
#include "SoundEvent.h"

struct Mix_Chunk;

// Where a sound that has started came from.
enum class SoundSource { Memory, File, Default };

// A sound that has just started on the device.
struct SoundStart {
  SoundSource source;
  std::string name;  // the wave file's name (memory images) or full path (files)
  bool synchronous;  // true when the call waits until the sound has ended
};

// The game's wave sounds. One channel is shared by all of them: starting a
// sound cuts off the one still playing. Never reports an error: a sound that
// cannot be played is skipped (or replaced by the default sound for files).
// A wave longer than MaxEffectSeconds, by its header, cannot be played.
class SoundPlayer {
 public:
  explicit SoundPlayer(const Settings& settings);
  ~SoundPlayer();
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  // Reads and decodes VOLTA0.WAV .. VOLTA3.WAV from programDir (ending in '/').
  // A file that is missing or unreadable leaves its event silent.
  void LoadEventWaves(const std::string& programDir);

  // Plays the event's sound if the master switch and its own switch are on.
  // Memory sounds return at once; file sounds return when they have ended,
  // after MaxEffectSeconds at the most.
  void PlayEventSound(SoundEvent event);

  // Plays a wave file to its end whatever the switches say (dialog previews).
  void PlayFile(const std::string& path);

  // Called for every sound that actually starts; lets tests see what played.
  void SetObserver(std::function<void(const SoundStart&)> observer);

  // True when the memory image of the event was loaded and decoded.
  bool HasEventWave(SoundEvent event) const;

 private:
  void PlayMemory(int index);
  bool Start(Mix_Chunk* chunk, const SoundStart& start);
  void WaitUntilDone(Mix_Chunk* chunk);
  Mix_Chunk* DefaultChunk();
  void Notify(const SoundStart& start);

  const Settings& settings_;
  std::array<Mix_Chunk*, 4> waves_{};
  Mix_Chunk* defaultChunk_ = nullptr;
  std::function<void(const SoundStart&)> observer_;
};

// The memory images in file order: StopWave, SpinWave, CoinWave, CreditWave.
inline constexpr std::array<const char*, 4> EventWaveFiles = {"VOLTA0.WAV", "VOLTA1.WAV",
                                                              "VOLTA2.WAV", "VOLTA3.WAV"};
