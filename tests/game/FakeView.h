// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "CommandResult.h"
#include "GameState.h"
#include "MachineView.h"
#include "Settings.h"

// A window that records what the rules' command results and the steps of
// their plans asked of it, with a virtual clock that the plan's player moves
// to each step's time, so a whole spin runs instantly.
class FakeView : public PlanView, public GameClock {
 public:
  explicit FakeView(const Settings& settings) : settings_(settings) {}

  void DrawMoneyReadout(MoneyReadout which, double value) override;
  void DrawCountReadout(CountReadout which, int value) override;
  void DrawLineLamps(int coins) override;
  void DrawPayline(int index) override;
  void DrawPowerMeter(bool rising) override;
  void RepaintMachine() override;
  void ShowWheels(const std::array<int, 3>& positions) override;
  int PlayEventSound(SoundEvent event) override;
  void SetButtonsEnabled(bool enabled) override;
  void FocusSpinButton() override;
  void SetGameCommandsEnabled(bool enabled) override;
  void SetBlinking(bool on) override;
  // Records a game saved at once; Saver() hands it to a plan's player.
  void SaveGame(const GameState& game);
  std::function<void(const GameState&)> Saver() {
    return [this](const GameState& game) { SaveGame(game); };
  }
  // What the window does with a command's result before it plays the plan:
  // the marks, the auto-spin ticks, the write of the game at rest
  // (`rest`), the message.
  void Show(const CommandResult& result, const GameState& rest);
  // Moves the clock on to `tick`, noting the wait.
  void AdvanceTo(std::int64_t tick);
  std::int64_t UnixTime() override { return unixTime; }

  // Events, one string each, in the order they happened: "sound seStop",
  // "credits 999.75", "message ...", "buttons off", "wait 120", ...
  std::vector<std::string> log;
  // Only the sounds that were heard (their switches on).
  std::vector<SoundEvent> heard;
  std::vector<std::string> messages;
  std::vector<double> messageAmounts;      // of the messages that carry one
  std::vector<std::array<int, 3>> frames;  // wheel positions per step
  std::vector<std::int64_t> frameTimes;    // clock at each step
  std::vector<std::int64_t> soundTimes;    // clock at each sound heard
  std::vector<int> waits;                  // every time the clock moved on, in ms

  // The games the rules asked to keep, at once and soon, and how many wheel
  // steps had been shown when each was kept at once.
  std::vector<GameState> kept;
  std::vector<GameState> keptSoon;
  std::vector<std::size_t> keptAtFrame;

  std::int64_t now = 1'000'000;
  std::int64_t unixTime = 1'700'000'000;
  // How long a file sound holds the game when it plays.
  int fileSoundHold = 0;
  bool autoSpinChecked = false;
  bool autoSpinTimer = false;
  bool blinkTimer = true;
  bool buttonsEnabled = true;
  bool gameCommandsEnabled = true;
  int betMark = 3;
  int speedMark = 0;
  int repaints = 0;
  int lampCoins = 0;

  int Count(const std::string& entry) const;
  int CountHeard(SoundEvent event) const;

 private:
  const Settings& settings_;
};

std::string SoundName(SoundEvent event);
