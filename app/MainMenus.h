// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MenuItems.h"
#include "Settings.h"

class MenuCommands;
class QMainWindow;

// The menu bar, made from one table: its items, each running its command,
// and every mark they carry (the sound switches, the background, the coin
// value, the spin speed, auto spin and the music), and the game commands
// held off while a plan plays.
class MainMenus {
 public:
  MainMenus(QMainWindow& window, MenuCommands& commands, Settings& settings);

  // The commands that would change the game in play: held off while a plan
  // plays; those that leave the game for another also until its free-spin
  // round is over.
  void SetGameCommandsEnabled(bool enabled, bool roundOver);

  void SetCoinValueMark(int bet);  // -1 clears all six
  void SetSpeedMark(int speed);
  void SetAutoSpinMark(bool on);
  void SetMusicMark(bool on);
  void SetBackgroundMarks(bool tiled);
  // Flips a sound switch and its item's mark.
  void ToggleSoundSwitch(bool Settings::*flag);
  // Every sound switch's mark as the settings have it.
  void ShowSoundSwitchMarks();

 private:
  Settings& settings_;
  MenuItems items_;
};
