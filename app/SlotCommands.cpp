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

void TForm1::RunGameCommand(const std::function<void()>& command, WhenSpinning whenSpinning) {
  if (whenSpinning == WhenSpinning::SayWhyItWaits && session_->Rules().IsBusy()) {
    Inform(WaitForWheelsMessage());
    return;
  }
  command();
  session_->ShowGameAtRest();
  ShowHistory();
  session_->ReportWriteFailure();
}

void TForm1::BitBtn1Click() {
  RunGameCommand([this] { Show(session_->Rules().Bet1()); }, WhenSpinning::LeaveToRules);
}

void TForm1::BitBtn2Click() {
  RunGameCommand([this] { Show(session_->Rules().BetMax()); }, WhenSpinning::LeaveToRules);
}

void TForm1::Button1Click() {
  // While the wheels turn or a win counts, Spin hurries them instead.
  if (HurryPlan()) return;
  RunGameCommand([this] { Show(session_->Rules().Spin()); }, WhenSpinning::LeaveToRules);
}

void TForm1::Timer1Timer() {
  RunGameCommand([this] { Show(session_->Rules().AutoSpinTick()); }, WhenSpinning::LeaveToRules);
}

bool TForm1::HurryPlan() { return session_->Hurry(); }

void TForm1::AutoSpin2Click() { Show(session_->Rules().ToggleAutoSpin()); }

void TForm1::Fast1Click() { Show(session_->Rules().SelectSpeed(0)); }
void TForm1::Medium1Click() { Show(session_->Rules().SelectSpeed(1)); }
void TForm1::Slow1Click() { Show(session_->Rules().SelectSpeed(2)); }

void TForm1::ChooseCoinValue(int bet) {
  // A change before the first paid spin is refused silently and keeps every
  // mark as it was.
  RunGameCommand(
      [this, bet] {
        CommandResult result = session_->Rules().ChooseCoinValue(bet);
        if (!result.done) return;
        Show(std::move(result));
        session_->ShowGameAtRest();
        face_->RepaintMachine();
      },
      WhenSpinning::SayWhyItWaits);
}

void TForm1::NewGame2Click() {
  RunGameCommand(
      [this] {
        CommandResult result = session_->Rules().NewGame();
        if (!result.done) return;
        session_->StartRecordedGame({});
        Show(std::move(result));
        session_->ShowGameAtRest();
        face_->RepaintMachine();
      },
      WhenSpinning::SayWhyItWaits);
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
  RunGameCommand([this] { RunSlotDialog(SlotMode::Open); }, WhenSpinning::SayWhyItWaits);
}

void TForm1::Save1Click() {
  RunGameCommand([this] { RunSlotDialog(SlotMode::Save); }, WhenSpinning::SayWhyItWaits);
}

void TForm1::RunSlotDialog(SlotMode mode) {
  // The dialog reads the slots afresh from the file.
  TLoadSave* opening = nullptr;
  const auto shown = [this, &opening](CommandResult result) {
    // A game opened from a slot goes by the slot's name in the records.
    if (result.done && opening && opening->OpenedSlot() > 0) {
      const SlotRecord& slot = slots_[opening->OpenedSlot()];
      session_->StartRecordedGame(slot.Saved ? slot.Name : std::string());
    }
    Show(std::move(result));
  };
  TLoadSave dialog(mode, slots_, session_->Rules(), shown, session_->State(),
                   environment_.settingsPath.toStdString(), TodaySlotDate, Services(), this);
  opening = &dialog;
  dialog.exec();
  // An opened game is shown in whole.
  if (mode == SlotMode::Open) {
    session_->ShowGameAtRest();
    face_->RepaintMachine();
  }
}

void TForm1::BorrowCredits1Click() {
  RunGameCommand(
      [this] {
        TBorrowC dialog(
            session_->Rules(), [this](CommandResult result) { Show(std::move(result)); },
            session_->State(), face_->SymbolSize(), Services(), this);
        dialog.exec();
        session_->ShowGameAtRest();
        face_->RepaintMachine();
      },
      WhenSpinning::SayWhyItWaits);
}

void TForm1::GameHistory1Click() {
  // One window, beside the machine; asked for again, it comes to the front.
  if (history_ == nullptr) {
    // Opened during a spin, it shows the game before it until it settles.
    history_ = new GameHistoryWindow(
        session_->AtRest(), session_->Records(), [this] { session_->ResetRecords(); }, ProgramDir(),
        Services(), this);
    history_->setAttribute(Qt::WA_DeleteOnClose);
    history_->PlaceOnScreen(QSize(settings_.HistoryWidth, settings_.HistoryHeight));
    connect(history_, &GameHistoryWindow::SizeChosen, this, [this](QSize size) {
      settings_.HistoryWidth = size.width();
      settings_.HistoryHeight = size.height();
    });
  }
  // A window hidden by OK or Esc was not kept up to date.
  history_->ShowGame(session_->AtRest());
  if (history_->isMinimized()) history_->showNormal();
  history_->show();
  history_->raise();
  history_->activateWindow();
}

void TForm1::ShowHistory() {
  if (history_ != nullptr && history_->isVisible() && !session_->Player().Playing())
    history_->ShowGame(session_->State());
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
  menus_->SetGameCommandsEnabled(enabled, session_->State().FreeSpins <= 0);
}

void TForm1::SetBlinking(bool on) {
  if (on)
    Timer3->start();
  else
    Timer3->stop();
}

void TForm1::KeepGame(const GameState& game) { session_->KeepGame(game); }

void TForm1::ShowMessage(const std::string& text, std::optional<double> amount) {
  QString message = QCoreApplication::translate("Machine", text.c_str());
  if (amount) message = message.arg(AmountText(money::ToCents(*amount)));
  Inform(message);
}

void TForm1::Inform(const QString& text) { environment_.dialogs.information(this, text); }
