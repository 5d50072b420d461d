// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "GameState.h"
#include "HelpViewer.h"
#include "Machine.h"
#include "MachineView.h"
#include "MenuCommands.h"
#include "PlayerRecords.h"
#include "Save.h"
#include "Settings.h"
#include "SlotEnvironment.h"

class ButtonPanel;
class GameSession;
class MachineFace;
class MainMenus;
class MusicPlaylist;
class PlanPlayer;
class SdlMusicPlayer;
class QTimer;
class SoundPlayer;
class TPayoffs;
class WindowBackground;
class WindowSize;
struct DialogServices;

// Puts a watcher between the plan player and the face: given the real face,
// it returns a face that passes every call on to it (tests and the benchmark
// see the steps drawn this way).
using FaceWatch = std::function<std::unique_ptr<FaceView>(FaceView& face)>;

// The main window: the painted machine face above the button panel, the menu
// bar and the three timers. It is made of parts with one job each (the game
// session, the menus, the button panel, the background, the window's size),
// owns the settings, sounds, music and help, and routes each handler to the
// parts it concerns. The session's rules decide each command at once and
// return what happened; the window shows it, and the session's plan player
// plays the plan on the face with this window as its controls.
class TForm1 : public QMainWindow, public ControlsView, public MenuCommands {
  Q_OBJECT

 public:
  explicit TForm1(SlotEnvironment environment, QWidget* parent = nullptr,
                  const FaceWatch& watchFace = {});
  ~TForm1() override;

  const GameState& State() const;
  // Tests and benchmarks: the game as a settings file could have brought it
  // back, shown at rest.
  void RestoreGame(const GameState& game);
  // The game the face shows: the game at rest, or as the plan in play has
  // got to.
  const GameState& ShownGame() const;
  PlanPlayer& Player();
  const Settings& CurrentSettings() const { return settings_; }
  Machine& Rules();
  // The player's records across games.
  const PlayerRecords& Records() const;
  MachineFace& Face() { return *face_; }
  HelpViewer& Help() { return help_; }
  SoundPlayer& Sounds() { return *sounds_; }
  MusicPlaylist& Music() { return *music_; }
  const QString& ProgramDir() const { return environment_.programDir; }
  const QString& SettingsPath() const { return environment_.settingsPath; }
  // Tests answer the dialogs through these.
  DialogServices& Dialogs() { return environment_.dialogs; }

  // The payoff chart window ("Payoffs"), made once after the main window and
  // kept hidden between showings.
  void CreatePayoffChart();
  // What the dialogs ask of the window: its boxes and file dialogs, and help.
  DialogServices Services();

  // Buttons.
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn3Click();
  void Button1Click();

  // File.
  void NewGame2Click() override;
  void Open1Click() override;
  void Save1Click() override;
  void GameHistory1Click() override;
  void Exit1Click() override;
  // The program ends without a close (the display went away): the game is
  // written as the close would write it, without a box or a paint.
  void KeepGameAtExit();
  // Closes as File > Exit does, boxes and dialogs first, for a close nobody
  // is there to answer (a signal, a logout): a failed write is told on
  // stderr, never in a box that would hold the close. False when the game
  // could not be written.
  bool CloseUnattended();

  // Options.
  void Tiled1Click() override;
  void None1Click() override;
  void N5001Click() override { ChooseCoinValue(0); }
  void N1001Click() override { ChooseCoinValue(1); }
  void N50c1Click() override { ChooseCoinValue(2); }
  void N25c1Click() override { ChooseCoinValue(3); }
  void N10c1Click() override { ChooseCoinValue(4); }
  void N5c1Click() override { ChooseCoinValue(5); }
  void BorrowCredits1Click() override;
  void On2Click() override;
  void ChangeSongs1Click() override;
  void On1Click() override;
  void Bonus1Click() override;
  void Coins1Click() override;
  void Credits1Click() override;
  void Lose1Click() override;
  void PowerDrain1Click() override;
  void PowerUp1Click() override;
  void SlotSpin1Click() override;
  void Stop1Click() override;
  void WheelSpin1Click() override;
  void Win1Click() override;
  void ChangeWAVs1Click() override;
  void Fast1Click() override;
  void Medium1Click() override;
  void Slow1Click() override;

  // Auto and Help.
  void AutoSpin2Click() override;
  void AboutClick() override;
  void Catalog1Click() override;
  void Manual1Click() override;
  void FullScreen1Click() override;

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
  void CreateTimers();
  void CreateMusic();
  void FormCreate();
  void ApplyLoadedSettings();
  void FormClose();
  // An information box with the text as given.
  void Inform(const QString& text);
  // The title says whether the game in play is being kept.
  void ShowKept(bool kept);

  void ChooseCoinValue(int bet);
  // What a command that the rules refuse during a bet or spin does then:
  // the buttons and Timer1 leave it to the rules, which drop it quietly; a
  // menu command tells the player why it waits and does nothing.
  enum class WhenSpinning { LeaveToRules, SayWhyItWaits };
  // Runs such a command; the face then shows the game as it rests.
  void RunGameCommand(const std::function<void()>& command, WhenSpinning whenSpinning);
  void RunSlotDialog(SlotMode mode);
  // Shows what a command did: its marks, the auto-spin ticks and the write
  // it asks for, then its plan, which the face follows from the game at rest;
  // its message comes last, once the command has returned.
  void Show(CommandResult result);
  // The rules' messages are translated here, an amount written in place of
  // a %1.
  void ShowMessage(const std::string& text, std::optional<double> amount = std::nullopt);
  void PlanEnded();
  // The Game History window, when open, shows the game at rest.
  void ShowHistory();
  // Hurries the plan in play when the press asks for it (S, Space, Enter,
  // a click on the wheels); false when there is nothing to hurry.
  bool HurryPlan();

  SlotEnvironment environment_;
  Settings settings_;
  std::unique_ptr<SoundPlayer> sounds_;
  HelpViewer help_;
  // The rules, the game the face shows and its writes.
  std::unique_ptr<GameSession> session_;
  // Made once the face exists.
  std::unique_ptr<FaceView> faceWatcher_;
  QWidget* client_ = nullptr;
  MachineFace* face_ = nullptr;
  std::unique_ptr<WindowSize> size_;
  std::unique_ptr<MainMenus> menus_;
  // Game History while it is open.
  QPointer<class GameHistoryWindow> history_;
  std::unique_ptr<ButtonPanel> panel_;
  std::unique_ptr<WindowBackground> background_;

  // Timers, named as the handlers refer to them; tests find them by their
  // object names, as they find the buttons and menu items.
  QTimer* Timer1 = nullptr;  // auto spin and free spins
  QTimer* Timer2 = nullptr;  // music start, once
  QTimer* Timer3 = nullptr;  // blinking and the next song

  std::unique_ptr<SdlMusicPlayer> mediaPlayer1_;
  std::unique_ptr<MusicPlaylist> music_;
  std::unique_ptr<TPayoffs> payoffs_;
  // The saved games as last read or saved; only FreeSpinsPlayed is not in
  // the file, so it is remembered here for the whole run.
  Slots slots_;
  // Set by CloseUnattended: the close's write failure goes to stderr.
  bool unattended_ = false;
  bool closeWriteFailed_ = false;
};
