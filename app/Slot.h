// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "GameSession.h"
#include "GameState.h"
#include "HelpViewer.h"
#include "MachineView.h"
#include "MenuCommands.h"
#include "Save.h"
#include "Settings.h"
#include "SlotEnvironment.h"

class ButtonPanel;
class MachineFace;
class MainMenus;
class MusicPlaylist;
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
// bar and the music and blinking timers. It is made of parts with one job
// each (the game session, the menus, the button panel, the background, the
// window's size), owns the settings, sounds, music and help, and hands each
// press and menu choice to the part it concerns. Play goes through the game
// session: it runs the rules' commands and shows their results on the face
// and through this window.
class TForm1 : public QMainWindow, private ControlsView, private SessionView, public MenuCommands {
  Q_OBJECT

 public:
  explicit TForm1(SlotEnvironment environment, QWidget* parent = nullptr,
                  const FaceWatch& watchFace = {});
  ~TForm1() override;

  // The payoff chart window ("Payoffs"), made once just after the first
  // paint and hidden between showings.
  void CreatePayoffChart();
  // The program ends without the window closing (the display went away):
  // the game is written as closing would write it, without a box or a
  // paint.
  void SaveGameAtExit();
  // Closes as File > Exit does, boxes and dialogs first, when nobody is
  // there to answer (a signal, a logout): a failed write is told on stderr,
  // never in a box that would hold up closing. False when the game could
  // not be written.
  bool CloseUnattended();

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

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;

  // ControlsView: what the plans in play ask of the window.
  int PlayEventSound(SoundEvent event) override;
  void SetButtonsEnabled(bool enabled) override;
  void FocusSpinButton() override;
  void SetGameCommandsEnabled(bool enabled) override;
  void SetBlinking(bool on) override;

 private:
  friend class WindowProbe;

  void CreateComponents();
  void CreateTimers();
  void CreateMusic();
  void FormCreate();
  void ApplyLoadedSettings();
  // Art size, symbol art, reel bitmaps and button places for the current
  // client size, then a full paint.
  void FormResize();
  void FormClose();
  // Music start, once; blinking and the next song.
  void Timer2Timer();
  void Timer3Timer();
  // What the dialogs ask of the window: its boxes and file dialogs, and help.
  DialogServices Services();

  void ChooseCoinValue(int bet);
  // A menu command that the rules refuse during a bet or spin tells the
  // player why it waits and does nothing; the buttons leave it to the
  // rules, which drop it quietly.
  void RunMenuCommand(const std::function<void()>& command);
  void RunSlotDialog(SlotMode mode);
  // Hurries the plan in play when the press asks for it (S, Space, Enter,
  // a click on the wheels); false when there is nothing to hurry.
  bool HurryPlan();

  // SessionView: what the game session asks of the window.
  bool Maximized() const override;
  void ShowSaved(bool saved) override;
  void Inform(const QString& text) override;
  void ShowAutoSpinMark(bool on) override;
  void ShowCoinValueMark(int row) override;
  void ShowSpeedMark(int speed) override;
  void RepaintFace() override;
  void ShowIdleGame(const GameState& game) override;
  void ShowSpinSettled() override;

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

  // Named as the handlers refer to them; tests find them by their object
  // names, as they find the buttons and menu items (the session owns
  // Timer1, the auto-spin ticks).
  QTimer* Timer2 = nullptr;  // music start, once
  QTimer* Timer3 = nullptr;  // blinking and the next song

  std::unique_ptr<SdlMusicPlayer> mediaPlayer1_;
  std::unique_ptr<MusicPlaylist> music_;
  std::unique_ptr<TPayoffs> payoffs_;
  // The saved games as last read or saved; only FreeSpinsPlayed is not in
  // the file, so it is remembered here for the whole run.
  Slots slots_;
  // Set by CloseUnattended: a failed write when closing goes to stderr.
  bool unattended_ = false;
  bool closeWriteFailed_ = false;
};
