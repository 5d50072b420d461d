// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MachineView.h"

// A window nobody watches: draws nothing, sounds nothing and answers every
// message box at once. Used to play the real rules at full speed in
// simulations and soak runs, where the plans of the commands are not played.
class SilentView : public MachineView {
 public:
  void DrawMoneyReadout(MoneyReadout, double) override {}
  void DrawCountReadout(CountReadout, int) override {}
  void DrawLineLamps(int) override {}
  void DrawPayline(int) override {}
  void DrawPowerMeter(bool) override {}
  void RepaintMachine() override {}
  void ShowWheels(const std::array<int, 3>&) override {}
  int PlayEventSound(SoundEvent) override { return 0; }
  void ShowMessage(const std::string&) override { ++messages; }
  void ShowAmountMessage(const std::string&, double) override { ++messages; }
  void SetButtonsEnabled(bool) override {}
  void FocusSpinButton() override {}
  void SetGameCommandsEnabled(bool enabled) override { gameCommandsEnabled = enabled; }
  void SetAutoSpinChecked(bool checked) override { autoSpinChecked = checked; }
  void SetBetAmountMark(int bet) override { betMark = bet; }
  void SetSpeedMark(int) override {}
  void SetAutoSpinTimer(bool running) override { autoSpinTimer = running; }
  void SetBlinkTimer(bool) override {}

  bool autoSpinChecked = false;
  bool autoSpinTimer = false;
  int betMark = 3;
  int messages = 0;
  bool gameCommandsEnabled = true;
};
