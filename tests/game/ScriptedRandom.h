#pragma once

#include <deque>

#include "Random.h"

// Draws of the stops (the only draws over 20 positions) come from a script
// while it lasts; everything else comes from a seeded generator.
class ScriptedRandom : public RandomSource {
 public:
  ScriptedRandom() : RandomSource(777) {}
  int Below(int n) override {
    if (n == 20 && !stops.empty()) {
      const int k = stops.front();
      stops.pop_front();
      return k;
    }
    return RandomSource::Below(n);
  }
  // Scripts the next spin so that the wheels come to rest at these even
  // positions (they roll 20, 20 and 22 half-steps down after the draw).
  void NextStops(int stop1, int stop2, int stop3) {
    stops.push_back(((stop1 + 20) % 40) / 2);
    stops.push_back(((stop2 + 20) % 40) / 2);
    stops.push_back(((stop3 + 22) % 40) / 2);
  }
  std::deque<int> stops;
};
