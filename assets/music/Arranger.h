// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "SongSource.h"

// One note of the finished arrangement, in beats from the start.
struct PlayedNote {
  int channel;
  int pitch;
  int velocity;
  double start;
  double beats;
};

// Plays the song's form through: the melody as written, the chords, bass and
// drums in their styles, then the closing chord.
std::vector<PlayedNote> Arrange(const SongSource& song);

// Length of the arrangement in beats.
double TotalBeats(const SongSource& song);

inline constexpr int MelodyChannel = 0;
inline constexpr int ChordChannel = 1;
inline constexpr int BassChannel = 2;
inline constexpr int DrumChannel = 9;
