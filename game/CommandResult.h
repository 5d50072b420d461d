// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "Plan.h"

// How the money dialogs' loans and payments came out.
enum class MoneyMove { Done, Busy, NotEnoughCredits, MoreThanBorrowed };

// When the game between spins must reach the settings file.
enum class SaveWhen { Never, Now, Soon };

// What a command did, returned to the window to show: the plan of what the
// player sees and hears, the message they must read, the marks that changed,
// whether the auto-spin ticks start or stop, and when the game must be
// written. The rules decide; the window shows it all after the command has
// returned, so no box opens while the rules are at work.
struct CommandResult {
  // Whether the command ran; a refusal changes nothing but what is below.
  bool done = false;
  Plan plan;
  // A source text of the "Machine" context (TranslatableText.h), for a box
  // with one OK button; empty for none.
  std::string message;
  // An amount of money written in place of the message's %1, as the window
  // writes amounts.
  std::optional<double> messageAmount;
  // The Auto Spin mark, the Bet Amount mark (the row, -1 for none) and the
  // Spin Speed mark (0 Fast, 1 Medium, 2 Slow), when they change.
  std::optional<bool> autoSpinMark;
  std::optional<int> coinValueMark;
  std::optional<int> speedMark;
  // The auto-spin ticks start (true) or stop (false).
  std::optional<bool> autoSpinTicks;
  // The game between spins (Machine::State()) is written at once, or within a
  // second so that a run of coins costs one write.
  SaveWhen save = SaveWhen::Never;
  // Borrow and Pay Back: how the move came out.
  MoneyMove money = MoneyMove::Done;
};
