// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedStops.h"

#include "Reels.h"

int ScriptedStops::Below(int n) {
  // Only the stops are drawn over the strip's length.
  if (n == StripLength && !draws_.empty()) {
    const int draw = draws_.front();
    draws_.pop_front();
    return draw;
  }
  return RandomSource::Below(n);
}

void ScriptedStops::NextStops(int stop1, int stop2, int stop3) {
  // Each wheel draws the stop it locks on, then rolls down into place.
  const int stops[3] = {stop1, stop2, stop3};
  for (std::size_t wheel = 0; wheel < 3; ++wheel)
    draws_.push_back(((stops[wheel] + Schedules[wheel].rollSteps) % WheelPositions) / 2);
}
