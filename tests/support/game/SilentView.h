// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MachineView.h"

// A window nobody watches: draws nothing and sounds nothing. Used to play
// the real rules at full speed in simulations and soak runs, where the plans
// of the commands are not played.
class SilentView : public PlanView, public GameClock {
 public:
  void DrawMoneyReadout(MoneyReadout, double) override {}
  void DrawCountReadout(CountReadout, int) override {}
  void DrawLineLamps(int) override {}
  void DrawPayline(int) override {}
  void DrawPowerMeter(bool) override {}
  void RepaintMachine() override {}
  void ShowWheels(const std::array<int, 3>&) override {}
  int PlayEventSound(SoundEvent) override { return 0; }
  void SetButtonsEnabled(bool) override {}
  void FocusSpinButton() override {}
  void SetGameCommandsEnabled(bool enabled) override { gameCommandsEnabled = enabled; }
  void SetBlinking(bool) override {}

  bool gameCommandsEnabled = true;
};
