// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MachineView.h"

// A face that passes every call on to another one: the base of a watcher
// put between the plan player and the real face, which overrides only the
// calls it wants to see (the tests count the wheel steps, the benchmark
// times them).
class FaceRelay : public FaceView {
 public:
  explicit FaceRelay(FaceView& face) : face_(face) {}

  void DrawMoneyReadout(MoneyReadout which, double value) override {
    face_.DrawMoneyReadout(which, value);
  }
  void DrawCountReadout(CountReadout which, int value) override {
    face_.DrawCountReadout(which, value);
  }
  void DrawLineLamps(int coins) override { face_.DrawLineLamps(coins); }
  void DrawPayline(int index) override { face_.DrawPayline(index); }
  void DrawPowerMeter(bool rising) override { face_.DrawPowerMeter(rising); }
  void RepaintMachine() override { face_.RepaintMachine(); }
  void ShowWheels(const std::array<int, 3>& positions) override { face_.ShowWheels(positions); }

 private:
  FaceView& face_;
};
