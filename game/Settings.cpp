// SPDX-License-Identifier: GPL-3.0-or-later
#include "Settings.h"

std::string DefaultSongName(int slot) {
  if (slot < 3) return "VOLTA" + std::to_string(slot) + ".MID";
  return "MIDI Song #" + std::to_string(slot + 1);
}

std::string DefaultSongPath(const std::string& programDir, int slot) {
  if (slot < 3) return programDir + DefaultSongName(slot);
  return {};
}

Settings DefaultSettings(const std::string& programDir) {
  Settings s;
  s.WinSound = programDir + DefaultWinSound;
  s.LoseSound = programDir + DefaultLoseSound;
  s.PowerUpSound = programDir + DefaultPowerUpSound;
  s.PowerDownSound = programDir + DefaultPowerDownSound;
  s.BonusSound = programDir + DefaultBonusSound;
  s.BackBMP = programDir + DefaultBackground;
  for (int n = 0; n < SongSlots; ++n) {
    s.MIDISong[n] = DefaultSongPath(programDir, n);
    s.MIDIName[n] = DefaultSongName(n);
    s.PlayList[n] = n < 3;
  }
  return s;
}
