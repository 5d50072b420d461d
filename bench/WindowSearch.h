// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>

#include "GameState.h"

struct Stops {
  int wheel1, wheel2, wheel3;
};

// The first resting place of the wheels (even positions, normal strips)
// whose window, played with `coins` coins, satisfies `wanted`; the win is
// given in coins.
std::optional<Stops> FindStops(int coins,
                               const std::function<bool(const GameState&, int win)>& wanted);

// A window that neither charges nor drains the power meter.
bool ShowsPowerSymbol(const GameState& state);
