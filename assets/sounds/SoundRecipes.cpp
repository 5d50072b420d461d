// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundRecipes.h"

namespace {

// Equal-tempered pitches used below.
constexpr double C4 = 261.63, F4 = 349.23, Fs4 = 369.99, G4 = 392.00;
constexpr double C5 = 523.25, E5 = 659.25, G5 = 783.99, C6 = 1046.50, E6 = 1318.51, G6 = 1567.98,
                 C7 = 2093.00;

// A held note of a fanfare: the tone plus a softer octave for brightness.
void Note(std::vector<Voice>& voices, double startMs, double lengthMs, double hz, double gain,
          double decay) {
  voices.push_back({startMs, lengthMs, hz, hz, Shape::Square, gain * 0.35, 4, decay});
  voices.push_back({startMs, lengthMs, hz * 2, hz * 2, Shape::Sine, gain * 0.25, 4, decay});
}

std::vector<Voice> BonusFanfare() {
  std::vector<Voice> v;
  const double run[] = {C5, E5, G5, C6, E6, G6};
  for (int i = 0; i < 6; ++i) Note(v, i * 90.0, 160, run[i], 0.9, 6);
  // The closing major chord rings out.
  for (double hz : {C6, E6, G6, C7}) Note(v, 560, 1100, hz, 0.6, 2.5);
  return v;
}

std::vector<Voice> WinJingle() {
  std::vector<Voice> v;
  const double tune[] = {G5, C6, E6, G6};
  for (int i = 0; i < 4; ++i) Note(v, i * 110.0, 200, tune[i], 0.9, 5);
  Note(v, 440, 500, C7, 0.8, 4);
  // A sparkle on top of the last note.
  v.push_back({470, 420, C7 * 2, C7 * 2, Shape::Sine, 0.15, 2, 8});
  return v;
}

}  // namespace

const std::vector<SoundRecipe>& GameSoundRecipes() {
  static const std::vector<SoundRecipe> recipes = {
      // Reel stop: a low thud with a short knock on top.
      {"VOLTA0.WAV",
       {{0, 110, 150, 55, Shape::Sine, 1.0, 1, 30},
        {0, 25, 900, 600, Shape::Noise, 0.35, 0.5, 120}}},
      // Reel click: a tiny tick, short enough to restart many times a second.
      {"VOLTA1.WAV",
       {{0, 28, 2200, 1800, Shape::Square, 0.35, 0.3, 140},
        {0, 18, 0, 0, Shape::Noise, 0.25, 0.3, 200}}},
      // Coin: two bright metallic partials, the second a fourth above.
      {"VOLTA2.WAV",
       {{0, 90, 1975.5, 1975.5, Shape::Sine, 0.6, 1, 25},
        {45, 200, 2637.0, 2637.0, Shape::Sine, 0.7, 1, 16},
        {45, 200, 5274.0, 5274.0, Shape::Sine, 0.12, 1, 30}}},
      // Credit count: a short blip.
      {"VOLTA3.WAV",
       {{0, 45, G6, G6, Shape::Triangle, 0.8, 1, 50},
        {0, 45, G6 * 2, G6 * 2, Shape::Sine, 0.15, 1, 60}}},
      {"VOLTA4.WAV", BonusFanfare()},
      {"VOLTA5.WAV", WinJingle()},
      // Power up: a rising sweep with a shimmer.
      {"VOLTA6.WAV",
       {{0, 650, 300, 1250, Shape::Square, 0.35, 10, 1.5},
        {0, 650, 600, 2500, Shape::Sine, 0.3, 10, 1.5}}},
      // Power drain: a falling sweep that runs down like a dying motor.
      {"VOLTA7.WAV",
       {{0, 850, 900, 110, Shape::Square, 0.4, 10, 1.2},
        {0, 850, 450, 55, Shape::Triangle, 0.5, 10, 1.2}}},
      // Lose: a sad three-step fall.
      {"VOLTA8.WAV",
       {{0, 280, G4, G4, Shape::Triangle, 0.8, 8, 2},
        {300, 280, Fs4, Fs4, Shape::Triangle, 0.8, 8, 2},
        {600, 620, F4, C4 * 1.2, Shape::Triangle, 0.8, 8, 2.5}}},
  };
  return recipes;
}
