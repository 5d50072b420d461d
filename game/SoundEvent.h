// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Settings.h"

// The nine moments of the game that sound.
enum class SoundEvent {
  seCoins,
  seCredits,
  seSlotSpin,
  seStop,
  seWin,
  seLose,
  sePowerUp,
  sePowerDrain,
  seBonus,
};
inline constexpr int SoundEventCount = 9;

// Whether the event sounds under the master switch and its own switch.
bool EventSoundEnabled(const Settings& settings, SoundEvent event);

// The four short sounds play from memory in the background; the other five
// play from their files and hold the game until they end.
bool EventPlaysFromMemory(SoundEvent event);
