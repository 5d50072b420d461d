// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>

// The longest sound the game plays as an effect. A wave that lasts longer
// is taken for a file that cannot be played: a header claiming one sample a
// second would otherwise be converted into hours of audio (and gigabytes of
// memory) and hold the game while it plays.
inline constexpr int MaxEffectSeconds = 30;

// Nor is a wave file larger than this read at all: 30 seconds of even
// 192 kHz stereo in 32-bit samples fit in it.
inline constexpr std::uint64_t MaxEffectFileBytes = 64ULL << 20;

// What a wave file's header says of its audio, before anything is decoded.
struct WaveShape {
  std::uint32_t sampleRate = 0;
  std::uint16_t channels = 0;
  std::uint64_t frames = 0;  // of the data actually present, not as claimed

  // Whole milliseconds of audio, rounded up.
  std::uint64_t Milliseconds() const;
  bool IsEffectLength() const { return Milliseconds() <= MaxEffectSeconds * 1000ULL; }
};

// Reads the header of a RIFF wave file's bytes. Empty when the bytes are not
// a wave in one of the encodings the mixer decodes (PCM, float, A-law,
// mu-law, the two ADPCMs), or the header is inconsistent.
std::optional<WaveShape> ReadWaveShape(std::span<const std::uint8_t> bytes);
