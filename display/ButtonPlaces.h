// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// Lefts of "Bet 1", "Bet Max", "Payoff Chart" and "Spin" in a panel of the
// given width, spread with equal gaps and centred as a group.
std::array<int, 4> ButtonLefts(int panelWidth, int buttonWidth);
