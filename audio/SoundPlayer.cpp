// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundPlayer.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include "AudioDevice.h"
#include "DefaultSound.h"
#include "MixerLibrary.h"
#include "WaveShape.h"

using audio_device::Mixer;

namespace {

// Index into EventWaveFiles of a memory event, or -1 for a file event.
int WaveIndexOf(SoundEvent event) {
  switch (event) {
    case SoundEvent::seStop:
      return 0;
    case SoundEvent::seSlotSpin:
      return 1;
    case SoundEvent::seCoins:
      return 2;
    case SoundEvent::seCredits:
      return 3;
    default:
      return -1;
  }
}

const std::string& PathOf(const Settings& settings, SoundEvent event) {
  switch (event) {
    case SoundEvent::seWin:
      return settings.WinSound;
    case SoundEvent::seLose:
      return settings.LoseSound;
    case SoundEvent::sePowerUp:
      return settings.PowerUpSound;
    case SoundEvent::sePowerDrain:
      return settings.PowerDownSound;
    default:
      return settings.BonusSound;
  }
}

// Bytes of one second of audio at the device's format; 0 when unknown.
Uint64 DeviceBytesPerSecond() {
  int frequency = 0;
  Uint16 format = 0;
  int channels = 0;
  if (!Mixer().QuerySpec(&frequency, &format, &channels) || frequency <= 0 || channels <= 0)
    return 0;
  return static_cast<Uint64>(frequency) * static_cast<Uint64>(channels) *
         static_cast<Uint64>(SDL_AUDIO_BITSIZE(format) / 8);
}

// Length of a decoded chunk at the device's format, in milliseconds.
Uint64 DurationMs(const Mix_Chunk* chunk) {
  const Uint64 bytesPerSecond = DeviceBytesPerSecond();
  if (bytesPerSecond == 0) return 0;
  return static_cast<Uint64>(chunk->alen) * 1000 / bytesPerSecond;
}

// Frees a decoded chunk longer than the longest effect (allowing a second
// for rounding); the header check should already have refused it.
Mix_Chunk* WithinEffectSize(Mix_Chunk* chunk) {
  if (chunk == nullptr) return nullptr;
  const Uint64 perSecond = DeviceBytesPerSecond();
  if (perSecond == 0 || chunk->alen <= (MaxEffectSeconds + 1ULL) * perSecond) return chunk;
  Mixer().FreeChunk(chunk);
  return nullptr;
}

// Decodes a wave image only when its header promises an effect: audio no
// longer than the longest effect. Checked before the mixer converts
// anything, as the conversion is what costs time and memory.
Mix_Chunk* DecodeImage(const std::vector<std::uint8_t>& image) {
  const auto shape = ReadWaveShape(image);
  if (!shape || !shape->IsEffectLength()) return nullptr;
  SDL_RWops* stream = Mixer().RWFromConstMem(image.data(), static_cast<int>(image.size()));
  if (!stream) return nullptr;
  return WithinEffectSize(Mixer().LoadWAV_RW(stream, 1));
}

// The bytes of a wave file; empty for anything but a regular file of a size
// an effect can have (a pipe or a device is never read).
std::vector<std::uint8_t> ReadWaveFile(const std::string& path) {
  std::error_code error;
  if (path.empty() || !std::filesystem::is_regular_file(path, error)) return {};
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > MaxEffectFileBytes) return {};
  std::ifstream file(path, std::ios::binary);
  std::vector<std::uint8_t> image(static_cast<std::size_t>(size));
  file.read(reinterpret_cast<char*>(image.data()), static_cast<std::streamsize>(size));
  if (!file && !file.eof()) return {};
  image.resize(static_cast<std::size_t>(file.gcount()));
  return image;
}

}  // namespace

SoundPlayer::SoundPlayer(const Settings& settings) : settings_(settings) {}

SoundPlayer::~SoundPlayer() {
  // With no sound decoded none of ours can be playing, and a game closed
  // before its first sound need not open the device and its library now.
  const bool anyDecoded = defaultChunk_ || fileChunk_ ||
                          std::any_of(waves_.begin(), waves_.end(),
                                      [](const Mix_Chunk* wave) { return wave != nullptr; });
  if (!anyDecoded) return;
  Mixer().HaltChannel(audio_device::EffectChannel);
  for (Mix_Chunk* wave : waves_)
    if (wave) Mixer().FreeChunk(wave);
  if (defaultChunk_) Mixer().FreeChunk(defaultChunk_);
  if (fileChunk_) Mixer().FreeChunk(fileChunk_);
}

void SoundPlayer::LoadEventWavesLater(const std::string& programDir) {
  pendingWaveDir_ = programDir;
}

void SoundPlayer::LoadPendingWaves() {
  if (!pendingWaveDir_) return;
  const std::string programDir = std::move(*pendingWaveDir_);
  pendingWaveDir_.reset();
  LoadEventWaves(programDir);
}

void SoundPlayer::LoadEventWaves(const std::string& programDir) {
  pendingWaveDir_.reset();
  if (!audio_device::Available()) return;
  for (std::size_t i = 0; i < waves_.size(); ++i) {
    if (waves_[i]) {
      Mixer().FreeChunk(waves_[i]);
      waves_[i] = nullptr;
    }
    // Decoded once here, so the many restarts during a spin cost nothing.
    waves_[i] = DecodeImage(ReadWaveFile(programDir + EventWaveFiles[i]));
  }
}

bool SoundPlayer::HasEventWave(SoundEvent event) {
  LoadPendingWaves();
  const int index = WaveIndexOf(event);
  return index >= 0 && waves_[static_cast<std::size_t>(index)] != nullptr;
}

void SoundPlayer::SetObserver(std::function<void(const SoundStart&)> observer) {
  observer_ = std::move(observer);
}

int SoundPlayer::PlayEventSound(SoundEvent event) {
  if (!EventSoundEnabled(settings_, event)) return 0;
  const int index = WaveIndexOf(event);
  if (index >= 0) {
    PlayMemory(index);
    return 0;
  }
  return PlayFile(PathOf(settings_, event));
}

void SoundPlayer::PlayMemory(int index) {
  LoadPendingWaves();
  if (!audio_device::Available()) return;
  Mix_Chunk* chunk = waves_[static_cast<std::size_t>(index)];
  if (!chunk) return;
  Start(chunk, {SoundSource::Memory, EventWaveFiles[static_cast<std::size_t>(index)], false});
}

int SoundPlayer::PlayFile(const std::string& path) {
  if (!audio_device::Available()) return 0;
  Mix_Chunk* chunk = DecodeImage(ReadWaveFile(path));
  if (chunk) {
    if (!Start(chunk, {SoundSource::File, path, true})) {
      Mixer().FreeChunk(chunk);
      return 0;
    }
    // Owned until the next sound cuts it off: the mixer reads it meanwhile.
    fileChunk_ = chunk;
    return HoldOf(chunk);
  }
  Mix_Chunk* fallback = DefaultChunk();
  if (fallback && Start(fallback, {SoundSource::Default, path, true})) return HoldOf(fallback);
  return 0;
}

bool SoundPlayer::Start(Mix_Chunk* chunk, const SoundStart& start) {
  Mixer().HaltChannel(audio_device::EffectChannel);
  // The channel is quiet now, so the last file sound can go.
  if (fileChunk_) {
    Mixer().FreeChunk(fileChunk_);
    fileChunk_ = nullptr;
  }
  if (Mixer().PlayChannel(audio_device::EffectChannel, chunk, 0) < 0) return false;
  Notify(start);
  return true;
}

int SoundPlayer::HoldOf(const Mix_Chunk* chunk) {
  // No sound holds the game longer than the longest effect.
  return static_cast<int>(std::min<Uint64>(DurationMs(chunk), MaxEffectSeconds * 1000ULL));
}

Mix_Chunk* SoundPlayer::DefaultChunk() {
  if (!defaultChunk_) defaultChunk_ = DecodeImage(DefaultSoundImage());
  return defaultChunk_;
}

void SoundPlayer::Notify(const SoundStart& start) {
  if (observer_) observer_(start);
}
