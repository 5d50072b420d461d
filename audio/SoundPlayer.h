// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <optional>
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
  bool synchronous;  // true when the sound holds the game until it has ended
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
  // The same, put off until LoadPendingWaves or the first sound or question
  // that needs them: opening the sound device and decoding the waves would
  // otherwise hold up the window's first paint.
  void LoadEventWavesLater(const std::string& programDir);
  void LoadPendingWaves();

  // Starts the event's sound if the master switch and its own switch are on,
  // and returns at once. Returns how long the sound holds the game, in
  // milliseconds: 0 for the memory sounds, the length of a file sound (at
  // most MaxEffectSeconds), which the steps of a spin after it wait for.
  int PlayEventSound(SoundEvent event);

  // Starts a wave file whatever the switches say (dialog previews); returns
  // its length in milliseconds as above.
  int PlayFile(const std::string& path);

  // Called for every sound that actually starts; lets tests see what played.
  void SetObserver(std::function<void(const SoundStart&)> observer);

  // True when the memory image of the event was loaded and decoded.
  bool HasEventWave(SoundEvent event);

 private:
  void PlayMemory(int index);
  bool Start(Mix_Chunk* chunk, const SoundStart& start);
  static int HoldOf(const Mix_Chunk* chunk);
  Mix_Chunk* DefaultChunk();
  void Notify(const SoundStart& start);

  const Settings& settings_;
  std::array<Mix_Chunk*, 4> waves_{};
  std::optional<std::string> pendingWaveDir_;
  Mix_Chunk* defaultChunk_ = nullptr;
  Mix_Chunk* fileChunk_ = nullptr;  // the file sound on the channel
  std::function<void(const SoundStart&)> observer_;
};

// The memory images in file order: StopWave, SpinWave, CoinWave, CreditWave.
inline constexpr std::array<const char*, 4> EventWaveFiles = {"VOLTA0.WAV", "VOLTA1.WAV",
                                                              "VOLTA2.WAV", "VOLTA3.WAV"};
