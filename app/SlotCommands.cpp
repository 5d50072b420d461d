// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QTimer>

#include "About.h"
#include "Borrow.h"
#include "ButtonPanel.h"
#include "DialogServices.h"
#include "GameHistoryWindow.h"
#include "GameSession.h"
#include "MachineFace.h"
#include "MainMenus.h"
#include "Money.h"
#include "Music.h"
#include "MusicPlaylist.h"
#include "Paychart.h"
#include "PlanPlayer.h"
#include "ReadableNumbers.h"
#include "Save.h"
#include "Slot.h"
#include "Slots.h"
#include "SoundPlayer.h"
#include "Sounds.h"
#include "WindowBackground.h"

// The handlers of the buttons, menu items and timers, each routed to the
// parts it concerns.

void TForm1::RunMenuCommand(const std::function<void()>& command) {
  if (session_->Busy()) {
    Inform(WaitForWheelsMessage());
    return;
  }
  command();
}

void TForm1::BitBtn1Click() { session_->Bet1(); }

void TForm1::BitBtn2Click() { session_->BetMax(); }

void TForm1::Button1Click() {
  // While the wheels turn or a win counts, Spin hurries them instead.
  if (HurryPlan()) return;
  session_->Spin();
}

bool TForm1::HurryPlan() { return session_->Hurry(); }

void TForm1::AutoSpin2Click() { session_->ToggleAutoSpin(); }

void TForm1::Fast1Click() { session_->SelectSpeed(0); }
void TForm1::Medium1Click() { session_->SelectSpeed(1); }
void TForm1::Slow1Click() { session_->SelectSpeed(2); }

void TForm1::ChooseCoinValue(int bet) {
  RunMenuCommand([this, bet] { session_->ChooseCoinValue(bet); });
}

void TForm1::NewGame2Click() {
  RunMenuCommand([this] { session_->NewGame(); });
}

void TForm1::Tiled1Click() { background_->ChoosePicture(); }
void TForm1::None1Click() { background_->ChooseColor(); }

void TForm1::On1Click() { menus_->ToggleSoundSwitch(&Settings::Sound); }
void TForm1::Bonus1Click() { menus_->ToggleSoundSwitch(&Settings::sndBonus); }
void TForm1::Coins1Click() { menus_->ToggleSoundSwitch(&Settings::sndCoins); }
void TForm1::Credits1Click() { menus_->ToggleSoundSwitch(&Settings::sndCredits); }
void TForm1::Lose1Click() { menus_->ToggleSoundSwitch(&Settings::sndLose); }
void TForm1::PowerDrain1Click() { menus_->ToggleSoundSwitch(&Settings::sndPowerDown); }
void TForm1::PowerUp1Click() { menus_->ToggleSoundSwitch(&Settings::sndPowerUp); }
void TForm1::SlotSpin1Click() { menus_->ToggleSoundSwitch(&Settings::sndSpin); }
void TForm1::Stop1Click() { menus_->ToggleSoundSwitch(&Settings::sndStop); }
void TForm1::WheelSpin1Click() { menus_->ToggleSoundSwitch(&Settings::sndWheelSpin); }
void TForm1::Win1Click() { menus_->ToggleSoundSwitch(&Settings::sndWin); }

void TForm1::ChangeWAVs1Click() {
  TSoundForm dialog(settings_, *sounds_, environment_.programDir.toStdString(), this, Services());
  dialog.setProperty(HelpContextProperty, SoundHelpContext);
  dialog.exec();
}

void TForm1::On2Click() { music_->ToggleMusic(); }
void TForm1::ChangeSongs1Click() { music_->ChangeSongs(); }

void TForm1::Timer2Timer() {
  sounds_->LoadPendingWaves();
  music_->StartIfOn();
}

void TForm1::Timer3Timer() {
  // A song that could not be opened skips the rest of the tick.
  if (!music_->RunPendingStart()) return;
  face_->Blink();
}

DialogServices TForm1::Services() {
  DialogServices services = environment_.dialogs;
  services.help = [this](int context) { help_.ShowContext(context); };
  return services;
}

void TForm1::CreatePayoffChart() {
  payoffs_ = std::make_unique<TPayoffs>(
      session_->State(), settings_, environment_.programDir, [this] { return face_->SymbolSize(); },
      Services(), this);
}

void TForm1::BitBtn3Click() {
  // Made just after the first paint; a click that came sooner makes it now.
  if (payoffs_ == nullptr) CreatePayoffChart();
  payoffs_->exec();
}

// The menu holds these off during a spin; the refusal stays for any other
// way in.
void TForm1::Open1Click() {
  RunMenuCommand([this] { RunSlotDialog(SlotMode::Open); });
}

void TForm1::Save1Click() {
  RunMenuCommand([this] { RunSlotDialog(SlotMode::Save); });
}

void TForm1::RunSlotDialog(SlotMode mode) {
  // The dialog reads the slots afresh from the file.
  SlotCommands commands;
  commands.busy = [this] { return session_->Busy(); };
  commands.open = [this](const SlotRecord& slot) { return session_->OpenGame(slot); };
  TLoadSave dialog(mode, slots_, std::move(commands), session_->State(),
                   environment_.settingsPath.toStdString(), TodaySlotDate, Services(), this);
  dialog.exec();
  // An opened game is shown in whole.
  if (mode == SlotMode::Open) face_->RepaintMachine();
  session_->CatchUp();
}

void TForm1::BorrowCredits1Click() {
  RunMenuCommand([this] {
    const MoneyCommand move = [this](MoneyRequest request, double amount) {
      return request == MoneyRequest::PayBack ? session_->PayBack(amount)
                                              : session_->Borrow(amount);
    };
    TBorrowC dialog(move, session_->State(), face_->SymbolSize(), Services(), this);
    dialog.exec();
    face_->RepaintMachine();
    session_->CatchUp();
  });
}

void TForm1::GameHistory1Click() {
  // One window, beside the machine; asked for again, it comes to the front.
  if (history_ == nullptr) {
    // Opened during a spin, it shows the game before it until it settles.
    history_ = new GameHistoryWindow(
        session_->AtRest(), session_->Records(), [this] { session_->ResetRecords(); },
        environment_.programDir, Services(), this);
    history_->setAttribute(Qt::WA_DeleteOnClose);
    history_->PlaceOnScreen(QSize(settings_.HistoryWidth, settings_.HistoryHeight));
    connect(history_, &GameHistoryWindow::SizeChosen, this, [this](QSize size) {
      settings_.HistoryWidth = size.width();
      settings_.HistoryHeight = size.height();
    });
  }
  // A window hidden by OK or Esc was not updated.
  history_->ShowGame(session_->AtRest());
  if (history_->isMinimized()) history_->showNormal();
  history_->show();
  history_->raise();
  history_->activateWindow();
}

void TForm1::ShowIdleGame(const GameState& game) {
  if (history_ != nullptr && history_->isVisible()) history_->ShowGame(game);
}

void TForm1::AboutClick() {
  TAboutBox box(this);
  box.exec();
}

void TForm1::Manual1Click() { help_.ShowContents(); }

void TForm1::Catalog1Click() {
  help_.SetHelpFile(QStringLiteral("CATALOG.HLP"));
  help_.ShowContents();
  help_.SetHelpFile(QStringLiteral("VOLTA.HLP"));
}

// What the plans in play ask of the window.

int TForm1::PlayEventSound(SoundEvent event) { return sounds_->PlayEventSound(event); }

void TForm1::SetButtonsEnabled(bool enabled) { panel_->SetEnabled(enabled); }

void TForm1::FocusSpinButton() { panel_->FocusSpin(); }

void TForm1::SetGameCommandsEnabled(bool enabled) {
  menus_->SetGameCommandsEnabled(enabled, !session_->InFreeSpinRound());
}

void TForm1::SetBlinking(bool on) {
  if (on)
    Timer3->start();
  else
    Timer3->stop();
}

// What the game session asks of the window.

bool TForm1::Maximized() const { return size_->Maximized(); }

void TForm1::Inform(const QString& text) { environment_.dialogs.information(this, text); }

void TForm1::ShowAutoSpinMark(bool on) { menus_->SetAutoSpinMark(on); }

void TForm1::ShowCoinValueMark(int row) { menus_->SetCoinValueMark(row); }

void TForm1::ShowSpeedMark(int speed) { menus_->SetSpeedMark(speed); }

void TForm1::RepaintFace() { face_->RepaintMachine(); }

void TForm1::ShowSpinSettled() { face_->AnnounceResult(); }
