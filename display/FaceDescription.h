// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "PlayRecord.h"

// What the face tells a screen reader: its readouts as they were last drawn,
// the meter and free spins of the game, the symbols in view, the lines that
// pay and how the last play ended.
struct FaceReadings {
  std::array<double, 4> money{};  // indexed by MoneyReadout
  int spins = 0;                  // the SPINS readout, paid or free
  int power = 0;                  // percent
  int freeSpinsLeft = 0;
  std::array<int, 3> middleRow{};  // symbol codes, wheel 1 to 3
  std::uint8_t payingLines = 0;    // bit n set: payline n + 1 pays
  std::optional<PlayRecord> lastPlay;
};

QString FaceDescription(const FaceReadings& readings);

// What is said when a spin has settled: its win and the lines it came on (or
// that it won nothing), the bonus it set off, and the free spins left.
QString ResultAnnouncement(const FaceReadings& readings);

// A symbol's name as the help and the payoff chart call it, translated.
QString SymbolName(int code);
