// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <string>

#include "SoundEvent.h"

struct GameState;

enum class MoneyReadout { Credits, Wager, Won, Bonus };
enum class CountReadout {
  Spins,            // paid spins, red
  FreeSpinsPlayed,  // shown in the SPINS readout during a free spin, cyan
  SpinFree,         // free spins left, one digit
};

// What the game rules need of the window, by role: the face that shows the
// game, the controls (buttons, menu marks, timers, message box, sounds) and
// the clock. The painted face plays the first, the main window the other
// two; the tests play them with recording fakes that run on a virtual clock.

// The face. Readouts and lamps are redrawn alone, at once.
class FaceView {
 public:
  virtual ~FaceView() = default;

  virtual void DrawMoneyReadout(MoneyReadout which, double value) = 0;
  virtual void DrawCountReadout(CountReadout which, int value) = 0;
  // Lights one lamp per coin; lamps on a line whose LinePay is above 0 show
  // as won.
  virtual void DrawLineLamps(int coins) = 0;
  virtual void DrawPayline(int index) = 0;  // 0..4, marks a winning line
  virtual void DrawPowerMeter(bool rising) = 0;
  virtual void RepaintMachine() = 0;  // full paint, now
  // One animation step: the three wheels rendered at these positions.
  virtual void ShowWheels(const std::array<int, 3>& positions) = 0;
};

// A face that passes every call on to another one: the base of a watcher
// put between the rules and the real face, which overrides only the calls it
// wants to see (the tests count the wheel steps, the benchmark times them).
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

class ControlsView {
 public:
  virtual ~ControlsView() = default;

  // Plays the event's sound if its switches allow; memory sounds return at
  // once, file sounds when they have ended.
  virtual void PlayEventSound(SoundEvent event) = 0;

  // An information box with one OK button.
  virtual void ShowMessage(const std::string& text) = 0;

  // "Bet 1", "Bet Max", "Payoff Chart" and "Spin".
  virtual void SetButtonsEnabled(bool enabled) = 0;
  virtual void FocusSpinButton() = 0;

  // The menu commands that would change the game in play (New Game, Open,
  // Save, the coin values, Borrow Credits): held off from the moment a bet
  // or spin starts until it has settled, so that nothing waits on them
  // while the wheels turn.
  virtual void SetGameCommandsEnabled(bool enabled) = 0;

  // Menu marks.
  virtual void SetAutoSpinChecked(bool checked) = 0;
  virtual void SetBetAmountMark(int bet) = 0;  // -1 clears all six
  virtual void SetSpeedMark(int speed) = 0;    // 0 Fast, 1 Medium, 2 Slow

  // Timer1 (auto spin and free spins) and Timer3 (blinking).
  virtual void SetAutoSpinTimer(bool running) = 0;
  virtual void SetBlinkTimer(bool running) = 0;

  // The game must outlive a kill from here on: a spin's settled game before
  // its wheels turn, a borrow, a new game... The window writes it at once.
  // A window without a file keeps nothing.
  virtual void KeepGame(const GameState&) {}
  // Coins placed on the table: written within a second, so that a run of
  // clicks costs one write.
  virtual void KeepGameSoon(const GameState&) {}
};

class GameClock {
 public:
  virtual ~GameClock() = default;

  // The millisecond tick count, and a wait until it reaches `tick` that keeps
  // the window alive (paints, timers and menus run meanwhile).
  virtual std::int64_t TickCount() = 0;
  virtual void WaitUntil(std::int64_t tick) = 0;

  // The time of day of a play, in seconds since 1970-01-01 UTC.
  virtual std::int64_t UnixTime() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
  }
};

// All three parts in one object, as the test fakes and the silent window are.
class MachineView : public FaceView, public ControlsView, public GameClock {};
