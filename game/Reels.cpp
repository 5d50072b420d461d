// SPDX-License-Identifier: GPL-3.0-or-later
#include "Reels.h"

void InstallStrips(GameState& state) {
  // During a free-spin round wheel 2 keeps the strip without the Power Drain.
  state.Strip1 = Strip1Digits;
  state.Strip2 = state.FreeSpins > 0 ? Strip2FreeSpinDigits : Strip2NormalDigits;
  state.Strip3 = Strip3Digits;
  ComputeWindow(state);
}

const std::string& StripOfWheel(const GameState& state, int wheel) {
  switch (wheel) {
    case 0:
      return state.Strip1;
    case 1:
      return state.Strip2;
    default:
      return state.Strip3;
  }
}

int SymbolAt(const GameState& state, int wheel, int index) {
  const std::string& strip = StripOfWheel(state, wheel);
  if (strip.size() != static_cast<std::size_t>(StripLength)) return 0;
  const int n = ((index % StripLength) + StripLength) % StripLength;
  return strip[static_cast<std::size_t>(n)] - '0';
}

void ComputeWindow(GameState& state) {
  for (int wheel = 0; wheel < 3; ++wheel) {
    const int top = state.Stops[static_cast<std::size_t>(wheel)] / 2;
    for (int row = 0; row < 3; ++row)
      state.Window[static_cast<std::size_t>(wheel * 3 + row)] = SymbolAt(state, wheel, top + row);
  }
}

void SwitchToFreeSpinStrip(GameState& state) { state.Strip2 = Strip2FreeSpinDigits; }

void SwitchToNormalStrip(GameState& state) { state.Strip2 = Strip2NormalDigits; }

int PositionAtStep(int wheel, int step, int previous, RandomSource& random, BlurSource& blur) {
  const WheelSchedule& schedule = Schedules[static_cast<std::size_t>(wheel)];
  if (step < schedule.lockStep) return blur.Below(WheelPositions);
  if (step == schedule.lockStep) return 2 * random.Below(StripLength);
  if (step <= schedule.lockStep + schedule.rollSteps)
    return previous == 0 ? WheelPositions - 1 : previous - 1;
  return previous;
}
