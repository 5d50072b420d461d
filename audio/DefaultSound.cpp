// SPDX-License-Identifier: GPL-3.0-or-later
#include "DefaultSound.h"

#include <cmath>
#include <numbers>

#include "WaveImage.h"

std::vector<std::uint8_t> DefaultSoundImage() {
  constexpr int rate = 22050;
  constexpr double seconds = 0.35;
  const int count = static_cast<int>(rate * seconds);
  std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / rate;
    // A falling fifth, like a system chime: first tone, then the lower one.
    const double freq = t < 0.12 ? 1318.5 : 880.0;
    const double local = t < 0.12 ? t : t - 0.12;
    const double envelope = std::exp(-local * 14.0) * std::min(1.0, local * 400.0);
    const double value = std::sin(2.0 * std::numbers::pi * freq * t) * envelope * 0.45;
    samples[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(value * 32767.0);
  }
  return MakeWaveImage(samples, rate, 1);
}
