// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "CommandResult.h"
#include "DialogServices.h"
#include "GameState.h"
#include "PlayerRecords.h"
#include "Settings.h"
#include "SoundEvent.h"

class HelpViewer;
class MachineFace;
class TForm1;
struct SoundStart;

// What the tests and the benchmark read and do beside the real widgets,
// which they find by their object names ("MachineFace", "Button1",
// "Timer1"...). Everything here goes through the game session or reads; a
// part of the window is never handed out to be changed.
class WindowProbe {
 public:
  explicit WindowProbe(TForm1& form) : form_(form) {}

  // The game in play, the game the face shows, the settings in force and
  // the player's records.
  const GameState& State() const;
  const GameState& Shown() const;
  const Settings& CurrentSettings() const;
  const PlayerRecords& Records() const;
  int SpinDelay() const;
  QString ProgramDir() const;

  // Whether a plan plays on the face, and whether the rules are busy with
  // one (refusing the commands that change the game).
  bool Playing() const;
  bool Busy() const;
  // As a press that hurries; false when there is nothing to hurry.
  bool Hurry();

  // The game as a settings file could have brought it back.
  void RestoreGame(const GameState& game);
  // A loan, as the Borrow dialog asks for it.
  MoneyMove Borrow(double amount);
  // Writes the game in play to the settings file at once.
  void SaveNow();

  // The window's boxes and file dialogs: a test may answer them anew.
  DialogServices& Dialogs();
  // The dialogs' services as the window hands them out (with help).
  DialogServices Services();

  const HelpViewer& Help() const;

  // The music: the song playing and the one waiting, and a song that has
  // played to its end.
  std::optional<int> CurrentSong() const;
  std::optional<int> PendingSong() const;
  void EndSong();

  // Every sound that starts is told to `observer`.
  void WatchSounds(std::function<void(const SoundStart&)> observer);
  // Plays the event's sound as a plan's step does; how long it holds the
  // game, in milliseconds.
  int PlaySound(SoundEvent event);
  bool HasEventWave(SoundEvent event);

 private:
  TForm1& form_;
};

inline WindowProbe Probe(TForm1& form) { return WindowProbe(form); }

// The window's painted machine face, found by its object name.
MachineFace& FaceOf(const TForm1& form);
