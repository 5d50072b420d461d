// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "GameState.h"
#include "Machine.h"
#include "MachineView.h"
#include "Plan.h"
#include "PlayerRecords.h"
#include "Settings.h"

class PlanPlayer;
class QTimer;
class RandomSource;

// The game in play: the rules that decide each command, the game the face
// shows while their plans play, and the writes that keep the game in the
// settings file through a kill.
class GameSession : public QObject {
  Q_OBJECT

 public:
  // What the session asks of the window around it.
  struct Host {
    // Whether the window is maximized, which the settings file keeps.
    std::function<bool()> maximized;
    // The game is being kept again (true), or a write has failed (false).
    std::function<void(bool kept)> showKept;
    // An information box with the text as given.
    std::function<void(const QString& text)> inform;
  };

  GameSession(Settings& settings, RandomSource& random, std::string settingsPath, Host host,
              QObject* parent = nullptr);
  ~GameSession() override;

  // Plans play on `face` and `controls`; `ended` runs when one has played
  // to its end. Called once, as soon as the face exists.
  void ShowOn(FaceView& face, ControlsView& controls, std::function<void()> ended);

  Machine& Rules() { return *machine_; }
  const GameState& State() const { return machine_->State(); }
  // The game the face shows: the game at rest, or as the plan in play has
  // got to.
  const GameState& Shown() const { return shown_; }
  // The game as it last rested: while a plan plays, as it was before it.
  const GameState& AtRest() const;
  PlanPlayer& Player() { return *player_; }

  // Reads the game and the settings from the settings file and shows the
  // game; true when the window was left maximized.
  bool ReadSettingsFile();
  // The game as a settings file could have brought it back, shown at rest.
  void RestoreGame(const GameState& game);
  // The face shows the game at rest, unless a plan is playing.
  void ShowGameAtRest();

  // The face follows the plan from the game at rest.
  void Play(Plan plan);
  // Hurries the plan in play; false when there is nothing to hurry.
  bool Hurry();
  // A close during a plan drops the rest of it (see Machine::DropPlan).
  void DropPlan();
  // Once a plan has ended and the rules have been told: the face shows the
  // game at rest. True when the plan was a spin's.
  bool RestAfterPlan();

  // Writes the game at once.
  void KeepGame(const GameState& game);
  // Coins placed on the table: written within a second, so that a run of
  // clicks costs one write.
  void KeepGameSoon(const GameState& game);
  // Nothing kept earlier is left to write (the close writes the game in
  // whole).
  void ForgetKeptGame();
  // Writes the Settings section: the settings and this game.
  std::optional<std::string> WriteSettingsFile(const GameState& game);
  // Tells the write failure waiting to be told, unless a plan is playing.
  void ReportWriteFailure();

  // The player's records across games, kept with every write of the file.
  const PlayerRecords& Records() const { return records_; }
  // The game in play has just started: a New Game, or a game opened from
  // the slot named slotName.
  void StartRecordedGame(const std::string& slotName);
  // Clears the records; the file has them cleared at its next write.
  void ResetRecords();
  // Whether the player has the game in view (its window shown and not
  // minimised): only that time counts as time played.
  void SetInView(bool inView);

 private:
  // Writes the last game kept, if one waits.
  void WriteKeptGame();
  // A write during play: a failure is told (when no spin is in progress)
  // and shown until a write succeeds again; play goes on.
  void NoteWrite(std::optional<std::string> error);
  // The plays the game has settled since the records last saw it.
  void RecordSettledPlays(const GameState& game);
  // The time in view up to now goes into the records.
  void RecordTimeInView();

  Settings& settings_;
  const std::string settingsPath_;
  Host host_;
  GameClock clock_;
  GameState shown_;
  GameState beforePlan_;
  std::unique_ptr<Machine> machine_;
  std::unique_ptr<PlanPlayer> player_;
  bool playingSpin_ = false;

  QTimer* KeepTimer = nullptr;  // writes the coins placed, a second after the first
  // The last game the rules asked to keep that is not yet written.
  std::optional<GameState> keptGame_;
  // The failure waiting to be told, and the last one met (none once a
  // write has succeeded again).
  std::optional<std::string> writeFailure_;
  std::optional<std::string> lastWriteFailure_;

  PlayerRecords records_;
  // The plays of the game in play the records have counted.
  std::int64_t playsRecorded_ = 0;
  // Runs while the game is in view; what it has not yet given to the
  // records, in milliseconds.
  QElapsedTimer inView_;
  std::int64_t unrecordedViewMs_ = 0;
};
