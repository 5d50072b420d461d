// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the game's wave files from their recipes: make_sounds <output folder>.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <random>
#include <string>

#include "SoundRecipes.h"
#include "WaveImage.h"

namespace {

constexpr int SampleRate = 22050;
// The game waits for its file sounds, so none may run long.
constexpr double LongestMs = 2000;

double Wave(Shape shape, double phase, std::minstd_rand& noise) {
  const double cycle = phase - std::floor(phase);
  switch (shape) {
    case Shape::Sine:
      return std::sin(2 * std::numbers::pi * cycle);
    case Shape::Triangle:
      return 4 * std::abs(cycle - 0.5) - 1;
    case Shape::Square:
      return cycle < 0.5 ? 1 : -1;
    case Shape::Noise:
      return std::uniform_real_distribution<double>(-1, 1)(noise);
  }
  return 0;
}

double LengthMs(const SoundRecipe& recipe) {
  double end = 0;
  for (const Voice& v : recipe.voices) end = std::max(end, v.startMs + v.lengthMs);
  return end;
}

std::vector<std::int16_t> Render(const SoundRecipe& recipe) {
  const auto total = static_cast<std::size_t>(LengthMs(recipe) * SampleRate / 1000);
  std::vector<double> mix(total, 0.0);
  std::minstd_rand noise(12345);  // fixed seed: the same bytes at every build
  for (const Voice& v : recipe.voices) {
    const auto first = static_cast<std::size_t>(v.startMs * SampleRate / 1000);
    const auto count = static_cast<std::size_t>(v.lengthMs * SampleRate / 1000);
    double phase = 0;
    for (std::size_t i = 0; i < count && first + i < total; ++i) {
      const double t = static_cast<double>(i) / SampleRate;
      const double progress = static_cast<double>(i) / static_cast<double>(count);
      const double hz = v.fromHz * std::pow(v.toHz / v.fromHz, progress);
      phase += (std::isfinite(hz) ? hz : 0) / SampleRate;
      const double attack = std::min(1.0, t * 1000 / v.attackMs);
      // A 5 ms fade at the end of every voice avoids a click when it stops.
      const double release = std::min(1.0, (v.lengthMs / 1000 - t) * 200);
      const double level = v.gain * attack * release * std::exp(-v.decayPerS * t);
      mix[first + i] += level * Wave(v.shape, phase, noise);
    }
  }
  double peak = 1e-9;
  for (double s : mix) peak = std::max(peak, std::abs(s));
  std::vector<std::int16_t> samples(total);
  const double scale = 0.8 * 32767 / peak;
  for (std::size_t i = 0; i < total; ++i)
    samples[i] = static_cast<std::int16_t>(std::lround(mix[i] * scale));
  return samples;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sounds <output folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  for (const SoundRecipe& recipe : GameSoundRecipes()) {
    if (LengthMs(recipe) > LongestMs) {
      std::fprintf(stderr, "%s runs %.0f ms, longer than %.0f ms\n", recipe.fileName,
                   LengthMs(recipe), LongestMs);
      return 1;
    }
    const auto image = MakeWaveImage(Render(recipe), SampleRate, 1);
    std::ofstream out(folder + "/" + recipe.fileName, std::ios::binary);
    out.write(reinterpret_cast<const char*>(image.data()),
              static_cast<std::streamsize>(image.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", recipe.fileName);
      return 1;
    }
  }
  return 0;
}
