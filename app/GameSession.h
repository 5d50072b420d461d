// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "CommandResult.h"
#include "GameState.h"
#include "Machine.h"
#include "MachineView.h"
#include "PlayerRecords.h"
#include "Settings.h"

class PlanPlayer;
class QTimer;
class RandomSource;
struct SlotRecord;

// What the game session asks of the window around it.
class SessionView {
 public:
  virtual ~SessionView() = default;

  // Whether the window is maximized, which the settings file stores.
  virtual bool Maximized() const = 0;
  // False from a failed write of the settings file until one succeeds.
  virtual void ShowSaved(bool saved) = 0;
  // An information box with the text as given.
  virtual void Inform(const QString& text) = 0;
  virtual void ShowAutoSpinMark(bool on) = 0;
  // The Bet Amount row, -1 for none.
  virtual void ShowCoinValueMark(int row) = 0;
  // 0 Fast, 1 Medium, 2 Slow.
  virtual void ShowSpeedMark(int speed) = 0;
  // A game begun, opened or given a new coin value: the whole face anew.
  virtual void RepaintFace() = 0;
  // The idle game changed: whatever follows it (Game History) shows it.
  virtual void ShowIdleGame(const GameState& game) = 0;
  // A spin has settled and the face shows it.
  virtual void ShowSpinSettled() = 0;
};

// The game in play, and the one way into it: the window hands the session a
// press or a menu choice, the rules decide it, and the session shows what
// they return: the marks, the auto-spin ticks, the plan on the face, the
// message and the save to the settings file. It saves the game so that it
// outlives a kill, and keeps the player's records.
class GameSession : public QObject {
  Q_OBJECT

 public:
  GameSession(Settings& settings, RandomSource& random, std::string settingsPath, SessionView& view,
              QObject* parent = nullptr);
  ~GameSession() override;

  // Plans play on `face` and `controls`. Called once, as soon as the face
  // exists.
  void ShowOn(FaceView& face, ControlsView& controls);

  // The game in play, as the rules have decided it.
  const GameState& State() const { return machine_->State(); }
  // The game the face shows: the idle game, or as far as the plan in play
  // has got.
  const GameState& Shown() const { return shown_; }
  // The game as it was last idle: while a plan plays, as it was before it.
  const GameState& AtRest() const;
  // Whether a plan is playing on the face.
  bool Playing() const;
  // Whether the rules refuse commands that change the game (a plan plays).
  bool Busy() const { return machine_->IsBusy(); }
  // Whether New Game, Open and the coin values may run: not during a free
  // spin round, which belongs to the game it was won in.
  bool InFreeSpinRound() const { return machine_->InFreeSpinRound(); }
  int SpinDelay() const { return machine_->SpinDelay(); }

  // Start-up: reads the game and the settings from the settings file; true
  // when the window was left maximized.
  bool ReadSettingsFile();
  // Start-up, once the window has read the settings: the loaded speed and
  // coin value in force, and a wager or free-spin round the file holds
  // taken up again.
  void ResumeLoadedGame();
  // The game as a settings file could have brought it back.
  void RestoreGame(const GameState& game);
  // The strips go on the wheels again (a new art size).
  void PutStripsOnWheels();

  // The buttons and the auto-spin ticks: a press during a plan is dropped.
  void Bet1();
  void BetMax();
  void Spin();
  // Hurries the plan in play; false when there is nothing to hurry.
  bool Hurry();
  // Auto Spin, and Fast/Medium/Slow.
  void ToggleAutoSpin();
  void SelectSpeed(int speed);

  // Commands that leave the game or change its value; each is refused
  // quietly (false) while a plan plays or a free spin round lasts.
  bool ChooseCoinValue(int row);
  bool NewGame();
  // Opens the game a saved-game slot holds.
  bool OpenGame(const SlotRecord& slot);
  // Borrow and Pay Back.
  MoneyMove Borrow(double amount);
  MoneyMove PayBack(double amount);
  // After a dialog that ran commands (Open, Borrow): the face's game, Game
  // History and a write failure catch up.
  void CatchUp();

  // The window is closing: the rest of a plan is dropped, the ticks stop,
  // nothing saved earlier is left to write, and coins placed but not spun
  // go back to the credits. The game is then written in whole.
  void EndPlay();
  // The program ends without the window closing (the display went away):
  // the game is written as closing would write it. The error, if any.
  std::optional<std::string> SaveAtExit();
  // Writes the Settings section: the settings and the game in play.
  std::optional<std::string> WriteSettingsFile();
  // Writes the game at once, as a command that asks for it does.
  void SaveNow();

  // The player's records across games, saved with every write of the file.
  const PlayerRecords& Records() const { return records_; }
  // Clears the records; the file has them cleared at its next write.
  void ResetRecords();
  // Whether the player has the game in view (its window shown and not
  // minimised): only that time counts as time played.
  void SetInView(bool inView);

 signals:
  // The settings file has been written (or the write has failed).
  void Written();

 private:
  // Shows what a command did: its marks, the auto-spin ticks and the save
  // it asks for, then its plan, which the face follows from the idle game;
  // its message comes last.
  void Show(CommandResult result);
  // After a command: the face, Game History and a write failure catch up.
  void CommandShown();
  // Both of the above, for a press or a tick.
  void ShowCommand(CommandResult result);
  // The rules' messages are translated here, an amount written in place of
  // a %1.
  void ShowMessage(const std::string& text, std::optional<double> amount);
  // The face shows the idle game, unless a plan is playing.
  void ShowIdleGame();
  void Play(Plan plan);
  void PlanEnded();
  // A close during a plan drops the rest of it (see Machine::DropPlan).
  void DropPlan();
  void AutoSpinTick();
  // A loan or payment shown; how it came out.
  MoneyMove ShowMoneyMove(CommandResult result);
  // A command that begins a game anew (New Game, Open), with its records.
  bool ShowNewGame(CommandResult result, const std::string& slotName);

  // Writes the game at once, or within a second so that a run of clicks
  // costs one write.
  void SaveGame(const GameState& game);
  void SaveGameSoon(const GameState& game);
  // Writes the last game waiting to be saved, if one waits.
  void WritePendingGame();
  std::optional<std::string> WriteGame(const GameState& game);
  // A write during play: a failure is told (when no spin is in progress)
  // and shown until a write succeeds again; play goes on.
  void NoteWrite(std::optional<std::string> error);
  // Tells the write failure waiting to be told, unless a plan is playing.
  void ReportWriteFailure();
  // The game in play has just started: a New Game, or a game opened from
  // the slot named slotName.
  void StartRecordedGame(const std::string& slotName);
  // The plays the game has settled since the records last saw it.
  void RecordSettledPlays(const GameState& game);
  // The time in view up to now goes into the records.
  void RecordTimeInView();

  Settings& settings_;
  const std::string settingsPath_;
  SessionView& view_;
  GameClock clock_;
  GameState shown_;
  GameState beforePlan_;
  std::unique_ptr<Machine> machine_;
  std::unique_ptr<PlanPlayer> player_;
  bool playingSpin_ = false;

  QTimer* Timer1 = nullptr;     // auto spin and free spins
  QTimer* SaveTimer = nullptr;  // saves the coins placed, a second after the first
  // The last game waiting to be saved.
  std::optional<GameState> pendingSave_;
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
