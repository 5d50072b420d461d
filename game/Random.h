// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

// The game's source of chance. Seeded once from the operating system's
// entropy (never from the clock, so two spins started in the same millisecond
// still differ); tests pass a fixed seed or script the draws. Draws are
// unbiased: the standard distribution rejects the uneven tail instead of
// taking a modulo.
class RandomSource {
 public:
  RandomSource();
  explicit RandomSource(std::uint64_t seed);
  virtual ~RandomSource() = default;

  // A uniform integer in [0, n).
  virtual int Below(int n);

 private:
  std::mt19937_64 engine_;
};

// The blur of a turning wheel: fresh positions every step that decide
// nothing, so they come from a small, fast generator of their own.
class BlurSource {
 public:
  explicit BlurSource(std::uint64_t seed) : state_(seed) {}
  int Below(int n);

 private:
  std::uint64_t state_;
};
