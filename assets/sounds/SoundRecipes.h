// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

// Each game sound is a sum of simple voices: a tone gliding from one pitch to
// another, shaped by a short attack and an exponential decay.
enum class Shape { Sine, Triangle, Square, Noise };

struct Voice {
  double startMs;
  double lengthMs;
  double fromHz;
  double toHz;  // pitch at the end of the voice (a glide when different)
  Shape shape;
  double gain;       // 0..1 before the final level
  double attackMs;   // rise time, keeps the start free of clicks
  double decayPerS;  // exponential decay rate; 0 holds the level
};

struct SoundRecipe {
  const char* fileName;
  std::vector<Voice> voices;
};

// Every sound of the game, in file order VOLTA0.WAV .. VOLTA8.WAV.
const std::vector<SoundRecipe>& GameSoundRecipes();
