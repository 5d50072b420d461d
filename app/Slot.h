// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QMainWindow>
#include <QSize>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "GameState.h"
#include "HelpViewer.h"
#include "Machine.h"
#include "MachineView.h"
#include "MenuItems.h"
#include "Save.h"
#include "Settings.h"
#include "SlotEnvironment.h"

class MachineFace;
class MusicPlaylist;
class PlanPlayer;
class SdlMusicPlayer;
class QAction;
class QPushButton;
class QTimer;
class SoundPlayer;
class TPayoffs;
struct DialogServices;

// Puts a watcher between the plan player and the face: given the real face,
// it returns a face that passes every call on to it (tests and the benchmark
// see the steps drawn this way).
using FaceWatch = std::function<std::unique_ptr<FaceView>(FaceView& face)>;

// The main window: the painted machine face above the button panel, the menu
// bar, the three timers, and the owner of the rules and the settings. The
// rules (Machine) decide each command at once and reach this window as their
// controls; the window plays the plan of what the player sees on its
// PlanPlayer, which draws on the face.
class TForm1 : public QMainWindow, public ControlsView {
  Q_OBJECT

 public:
  explicit TForm1(SlotEnvironment environment, QWidget* parent = nullptr,
                  const FaceWatch& watchFace = {});
  ~TForm1() override;

  const GameState& State() const { return machine_->State(); }
  // Tests and benchmarks: the game as a settings file could have brought it
  // back, shown at rest.
  void RestoreGame(const GameState& game);
  // The game the face shows: the game at rest, or as the plan in play has
  // got to.
  const GameState& ShownGame() const { return shown_; }
  PlanPlayer& Player() { return *player_; }
  Settings& CurrentSettings() { return settings_; }
  Machine& Rules() { return *machine_; }
  MachineFace& Face() { return *face_; }
  HelpViewer& Help() { return help_; }
  SoundPlayer& Sounds() { return *sounds_; }
  MusicPlaylist& Music() { return *music_; }
  const QString& ProgramDir() const { return environment_.programDir; }
  const QString& SettingsPath() const { return environment_.settingsPath; }
  // Tests answer the dialogs through these.
  DialogServices& Dialogs() { return environment_.dialogs; }

  // The payoff chart window, made once after the main window and kept
  // hidden between showings.
  void CreatePayoffChart();
  TPayoffs* PayoffChart() const { return payoffs_.get(); }
  // What the dialogs ask of the window: its boxes and file dialogs, and help.
  DialogServices Services();

  // Buttons.
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn3Click();
  void Button1Click();

  // File.
  void NewGame2Click();
  void Open1Click();
  void Save1Click();
  void GameHistory1Click();
  void Exit1Click();
  // The program ends without a close (the display went away): the game is
  // written as the close would write it, without a box or a paint.
  void KeepGameAtExit();
  // Closes as File > Exit does, boxes and dialogs first, for a close nobody
  // is there to answer (a signal, a logout): a failed write is told on
  // stderr, never in a box that would hold the close. False when the game
  // could not be written.
  bool CloseUnattended();

  // Options.
  void Tiled1Click();
  void None1Click();
  void N5001Click() { ChooseCoinValue(0); }
  void N1001Click() { ChooseCoinValue(1); }
  void N50c1Click() { ChooseCoinValue(2); }
  void N25c1Click() { ChooseCoinValue(3); }
  void N10c1Click() { ChooseCoinValue(4); }
  void N5c1Click() { ChooseCoinValue(5); }
  void BorrowCredits1Click();
  void On2Click();
  void ChangeSongs1Click();
  void On1Click();
  void Bonus1Click();
  void Coins1Click();
  void Credits1Click();
  void Lose1Click();
  void PowerDrain1Click();
  void PowerUp1Click();
  void SlotSpin1Click();
  void Stop1Click();
  void WheelSpin1Click();
  void Win1Click();
  void ChangeWAVs1Click();
  void Fast1Click();
  void Medium1Click();
  void Slow1Click();

  // Auto and Help.
  void AutoSpin2Click();
  void AboutClick();
  void Catalog1Click();
  void Manual1Click();

  // Timers.
  void Timer1Timer();
  void Timer2Timer();
  void Timer3Timer();

  // Art size, symbol art, reel bitmaps and button places for the current
  // client size, then a full paint.
  void FormResize();

  // ControlsView: what the plans in play ask of the window.
  int PlayEventSound(SoundEvent event) override;
  void SetButtonsEnabled(bool enabled) override;
  void FocusSpinButton() override;
  void SetGameCommandsEnabled(bool enabled) override;
  void SetBlinking(bool on) override;
  void KeepGame(const GameState& game) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void CreateComponents();
  void CreateMenus();
  void CreatePanel();
  void CreateTimers();
  void CreateMusic();
  void FormCreate();
  void ApplyLoadedSettings();
  void ChooseStartupBackground();
  void FormClose();
  // Writes the Settings section: the settings and this game.
  std::optional<std::string> WriteSettingsFile(const GameState& game);
  // Writes the last game kept, if one waits.
  void WriteKeptGame();
  // A write during play: a failure is told (when no spin is in progress)
  // and shown in the title until a write succeeds again; play goes on.
  void NoteWrite(std::optional<std::string> error);
  void ReportWriteFailure();
  // An information box with the text as given.
  void Inform(const QString& text);

  void ChooseCoinValue(int bet);
  // What a command that the rules refuse during a bet or spin does then:
  // the buttons and Timer1 leave it to the rules, which drop it quietly; a
  // menu command tells the player why it waits and does nothing.
  enum class WhenSpinning { LeaveToRules, SayWhyItWaits };
  // Runs such a command; the face then shows the game as it rests.
  void RunGameCommand(const std::function<void()>& command, WhenSpinning whenSpinning);
  void RunSlotDialog(SlotMode mode);
  // Flips a sound switch and its item's mark.
  void ToggleSoundSwitch(bool Settings::*flag);
  // Every sound switch's mark as the settings have it.
  void ShowSoundSwitchMarks();
  void SetBackgroundMarks(bool tiled);
  void UpdateFaceBackground();
  void PlaceWindow();
  void PlaceClientArea();
  void PlaceButtons();
  // Shows what a command did: its marks, the auto-spin ticks and the write
  // it asks for, then its plan, which the face follows from the game at rest;
  // its message comes last, once the command has returned.
  void Show(CommandResult result);
  // The rules' messages are translated here, an amount written in place of
  // a %1.
  void ShowMessage(const std::string& text, std::optional<double> amount = std::nullopt);
  void SetBetAmountMark(int bet);  // -1 clears all six
  void SetSpeedMark(int speed);
  // Coins placed on the table: written within a second, so that a run of
  // clicks costs one write.
  void KeepGameSoon(const GameState& game);
  void PlanEnded();
  // A close during a plan drops the rest of it (see Machine::DropPlan).
  void DropPlan();
  // The face shows the game at rest, unless a plan is playing.
  void ShowGameAtRest();
  // Hurries the plan in play when the press asks for it (S, Space, Enter,
  // a click on the wheels); false when there is nothing to hurry.
  bool HurryPlan();
  void KeepFixedBorder();
  // Visible and neither maximized, full screen nor minimized.
  bool InNormalState() const;
  // A client size in the normal state other than the normal one.
  bool IsStraySize() const;
  // Lays out a changed client size unless it is a stray one.
  void ResizeIfOwnSize();
  // The keyboard's Enter presses the default button, "Spin".
  void PressDefaultButton();

  // Components, named as the handlers refer to them; tests find them by
  // their object names.
  QWidget* Panel1 = nullptr;
  QPushButton* BitBtn1 = nullptr;  // "Bet 1"
  QPushButton* BitBtn2 = nullptr;  // "Bet Max"
  QPushButton* BitBtn3 = nullptr;  // "Payoff Chart"
  QPushButton* Button1 = nullptr;  // "Spin"
  QTimer* Timer1 = nullptr;        // auto spin and free spins
  QTimer* Timer2 = nullptr;        // music start, once
  QTimer* Timer3 = nullptr;        // blinking and the next song
  QTimer* KeepTimer = nullptr;     // writes the coins placed, a second after the first

  MenuItems menu_;

  SlotEnvironment environment_;
  GameClock clock_;
  // The game as the face shows it.
  GameState shown_;
  Settings settings_;
  // Made once the face exists.
  std::unique_ptr<FaceView> faceWatcher_;
  std::unique_ptr<Machine> machine_;
  std::unique_ptr<PlanPlayer> player_;
  bool playingSpin_ = false;
  std::unique_ptr<SoundPlayer> sounds_;
  std::unique_ptr<SdlMusicPlayer> mediaPlayer1_;
  std::unique_ptr<MusicPlaylist> music_;
  std::unique_ptr<TPayoffs> payoffs_;
  // The saved games as last read or saved; only FreeSpinsPlayed is not in
  // the file, so it is remembered here for the whole run.
  Slots slots_;
  HelpViewer help_;
  MachineFace* face_ = nullptr;
  QWidget* client_ = nullptr;

  QImage backgroundBitmap_;
  QString openDialogFolder_;
  QColor lastChosenColor_{Qt::black};
  QSize lastClientSize_;
  QSize normalClientSize_;
  // The last game the rules asked to keep that is not yet written.
  std::optional<GameState> keptGame_;
  // The failure waiting to be told, and the last one met (none once a
  // write has succeeded again).
  std::optional<std::string> writeFailure_;
  std::optional<std::string> lastWriteFailure_;
  // Set by CloseUnattended: the close's write failure goes to stderr.
  bool unattended_ = false;
  bool closeWriteFailed_ = false;
};
