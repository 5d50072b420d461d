// SPDX-License-Identifier: GPL-3.0-or-later
#include "Timings.h"

namespace timings {

int SpinDelayForSpeed(int speed) {
  switch (speed) {
    case 0:
      return SpinDelayFast;
    case 1:
      return SpinDelayMedium;
    case 2:
      return SpinDelaySlow;
    default:
      return 0;
  }
}

int WinCountPause(double coinsLeft) {
  if (coinsLeft < 6) return 120;
  if (coinsLeft < 15) return 70;
  if (coinsLeft < 50) return 50;
  if (coinsLeft < 100) return 20;
  if (coinsLeft < 500) return 5;
  return 2;
}

int BonusCountPause(double coinsLeft) {
  if (coinsLeft < 6) return 250;
  if (coinsLeft < 15) return 150;
  if (coinsLeft < 50) return 100;
  if (coinsLeft < 100) return 50;
  if (coinsLeft < 500) return 10;
  return 5;
}

}  // namespace timings
