#pragma once

#include <functional>

#include "MachineView.h"

// A window for the rules that shows nothing and runs on a virtual clock.
// The first wait of a spin runs `duringSpin` once, as the event loop would
// run a dialog's click while the wheels turn.
class QuietView : public MachineView {
 public:
  std::function<void()> duringSpin;
  std::int64_t now = 5'000;

  void DrawMoneyReadout(MoneyReadout, double) override {}
  void DrawCountReadout(CountReadout, int) override {}
  void DrawLineLamps(int) override {}
  void DrawPayline(int) override {}
  void DrawPowerMeter(bool) override {}
  void RepaintMachine() override {}
  void ShowWheels(const std::array<int, 3>&) override {}
  void PlayEventSound(SoundEvent) override {}
  void ShowMessage(const std::string&) override {}
  void SetButtonsEnabled(bool) override {}
  void FocusSpinButton() override {}
  bool AutoSpinChecked() const override { return false; }
  void SetAutoSpinChecked(bool) override {}
  void SetBetAmountMark(int) override {}
  void SetSpeedMark(int) override {}
  bool AutoSpinTimerRunning() const override { return false; }
  void SetAutoSpinTimer(bool) override {}
  void SetBlinkTimer(bool) override {}
  std::int64_t TickCount() override { return now; }
  void WaitUntil(std::int64_t tick) override {
    if (tick > now) now = tick;
    if (duringSpin) {
      const auto action = std::move(duringSpin);
      duringSpin = nullptr;
      action();
    }
  }
};
