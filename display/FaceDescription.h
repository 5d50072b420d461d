// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

// What the face tells a screen reader: its readouts as they were last drawn,
// and the meter and free spins of the game.
struct FaceReadings {
  std::array<double, 4> money{};  // indexed by MoneyReadout
  int spins = 0;                  // the SPINS readout, paid or free
  int power = 0;                  // percent
  int freeSpinsLeft = 0;
};

QString FaceDescription(const FaceReadings& readings);
