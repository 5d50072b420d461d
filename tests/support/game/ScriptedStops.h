// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <deque>

#include "Random.h"

// Chance with the outcome chosen in advance: the next spins stop where the
// script says; every other draw comes from a seeded generator. For tests,
// benchmarks and anyone who needs a spin to play a known way.
class ScriptedStops : public RandomSource {
 public:
  explicit ScriptedStops(std::uint64_t seed = 4242) : RandomSource(seed) {}
  int Below(int n) override;
  // The wheels of the next spin come to rest at these even positions.
  void NextStops(int stop1, int stop2, int stop3);

 private:
  std::deque<int> draws_;
};
