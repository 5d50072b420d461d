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
// the time of day. The rules decide each command at once; the face and the
// sounds are reached through the steps of its plan (Plan.h), which the window
// plays on a timer. The painted face plays the first role, the main window
// the others; the tests play them with recording fakes.

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

  // An information box with one OK button. The text is a source text of the
  // "Machine" context (see TranslatableText.h): the window translates it.
  virtual void ShowMessage(const std::string& text) = 0;
  // The same with an amount of money in place of the text's %1, written as
  // the window writes amounts.
  virtual void ShowAmountMessage(const std::string& text, double amount) = 0;

  // "Bet 1", "Bet Max", "Payoff Chart" and "Spin".
  virtual void SetButtonsEnabled(bool enabled) = 0;
  virtual void FocusSpinButton() = 0;

  // The menu commands that would change the game in play (New Game, Open,
  // Save, Game History, the coin values, Borrow Credits): held off while a
  // plan plays, and while free spins remain.
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

// All three parts in one object, as the test fakes are.
class MachineView : public FaceView, public ControlsView, public GameClock {};
