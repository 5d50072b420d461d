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

// What playing a plan needs of the window, by role: the face that shows the
// game and the controls (buttons, the menu commands held off during a plan,
// the blinking and sounds). The rules never call either: they return plans
// (Plan.h), and the game session plays them on a timer through these. The
// painted face plays the first role, the main window the other; the tests
// play them with recording fakes. The rules' only outside reading is the
// time of day of a play (GameClock).

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

class ControlsView {
 public:
  virtual ~ControlsView() = default;

  // Plays the event's sound if its switches allow. Returns how long the
  // sound holds the game in milliseconds: 0 for the memory sounds, which
  // play in the background, the length of a file sound, which the steps
  // after it wait for.
  virtual int PlayEventSound(SoundEvent event) = 0;

  // "Bet 1", "Bet Max", "Payoff Chart" and "Spin".
  virtual void SetButtonsEnabled(bool enabled) = 0;
  virtual void FocusSpinButton() = 0;

  // The menu commands that would change the game in play (New Game, Open,
  // Save, Game History, the coin values, Borrow Credits): held off while a
  // plan plays, and while free spins remain.
  virtual void SetGameCommandsEnabled(bool enabled) = 0;

  // The blinking of the lamps.
  virtual void SetBlinking(bool on) = 0;
};

// The time of day of a play, for its record. The rules read no other clock:
// every pause of a spin is a due time in its plan.
class GameClock {
 public:
  virtual ~GameClock() = default;

  // Seconds since 1970-01-01 UTC.
  virtual std::int64_t UnixTime() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
  }
};

// The face and the controls in one object, as the test fakes are.
class PlanView : public FaceView, public ControlsView {};
