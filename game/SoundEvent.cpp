// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundEvent.h"

bool EventSoundEnabled(const Settings& settings, SoundEvent event) {
  if (!settings.Sound) return false;
  switch (event) {
    case SoundEvent::seCoins:
      return settings.sndCoins;
    case SoundEvent::seCredits:
      return settings.sndCredits;
    case SoundEvent::seSlotSpin:
      return settings.sndSpin;
    case SoundEvent::seStop:
      return settings.sndStop;
    case SoundEvent::seWin:
      return settings.sndWin;
    case SoundEvent::seLose:
      return settings.sndLose;
    case SoundEvent::sePowerUp:
      return settings.sndPowerUp;
    case SoundEvent::sePowerDrain:
      return settings.sndPowerDown;
    case SoundEvent::seBonus:
      return settings.sndBonus;
  }
  return false;
}

bool EventPlaysFromMemory(SoundEvent event) {
  switch (event) {
    case SoundEvent::seCoins:
    case SoundEvent::seCredits:
    case SoundEvent::seSlotSpin:
    case SoundEvent::seStop:
      return true;
    default:
      return false;
  }
}
