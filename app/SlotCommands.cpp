// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>

#include "About.h"
#include "Borrow.h"
#include "DialogServices.h"
#include "MachineFace.h"
#include "Music.h"
#include "MusicPlaylist.h"
#include "Paychart.h"
#include "PlanPlayer.h"
#include "Save.h"
#include "Slot.h"
#include "Slots.h"
#include "SoundPlayer.h"
#include "Sounds.h"

void TForm1::RunGameCommand(const std::function<void()>& command, WhenSpinning whenSpinning) {
  if (whenSpinning == WhenSpinning::SayWhyItWaits && machine_->IsBusy()) {
    Inform(WaitForWheelsMessage());
    return;
  }
  command();
  ShowGameAtRest();
  ReportWriteFailure();
}

void TForm1::BitBtn1Click() {
  RunGameCommand([this] { Show(machine_->Bet1()); }, WhenSpinning::LeaveToRules);
}

void TForm1::BitBtn2Click() {
  RunGameCommand([this] { Show(machine_->BetMax()); }, WhenSpinning::LeaveToRules);
}

void TForm1::Button1Click() {
  // While the wheels turn or a win counts, Spin hurries them instead.
  if (HurryPlan()) return;
  RunGameCommand([this] { Show(machine_->Spin()); }, WhenSpinning::LeaveToRules);
}

void TForm1::Timer1Timer() {
  RunGameCommand([this] { Show(machine_->AutoSpinTick()); }, WhenSpinning::LeaveToRules);
}

bool TForm1::HurryPlan() { return player_->Hurry(); }

void TForm1::AutoSpin2Click() { Show(machine_->ToggleAutoSpin()); }

void TForm1::Fast1Click() { Show(machine_->SelectSpeed(0)); }
void TForm1::Medium1Click() { Show(machine_->SelectSpeed(1)); }
void TForm1::Slow1Click() { Show(machine_->SelectSpeed(2)); }

void TForm1::ChooseCoinValue(int bet) {
  // A change before the first paid spin is refused silently and keeps every
  // mark as it was.
  RunGameCommand(
      [this, bet] {
        CommandResult result = machine_->ChooseCoinValue(bet);
        if (!result.done) return;
        Show(std::move(result));
        ShowGameAtRest();
        face_->RepaintMachine();
      },
      WhenSpinning::SayWhyItWaits);
}

void TForm1::NewGame2Click() {
  RunGameCommand(
      [this] {
        CommandResult result = machine_->NewGame();
        if (!result.done) return;
        Show(std::move(result));
        ShowGameAtRest();
        face_->RepaintMachine();
      },
      WhenSpinning::SayWhyItWaits);
}

void TForm1::On1Click() { ToggleSoundSwitch(&Settings::Sound); }
void TForm1::Bonus1Click() { ToggleSoundSwitch(&Settings::sndBonus); }
void TForm1::Coins1Click() { ToggleSoundSwitch(&Settings::sndCoins); }
void TForm1::Credits1Click() { ToggleSoundSwitch(&Settings::sndCredits); }
void TForm1::Lose1Click() { ToggleSoundSwitch(&Settings::sndLose); }
void TForm1::PowerDrain1Click() { ToggleSoundSwitch(&Settings::sndPowerDown); }
void TForm1::PowerUp1Click() { ToggleSoundSwitch(&Settings::sndPowerUp); }
void TForm1::SlotSpin1Click() { ToggleSoundSwitch(&Settings::sndSpin); }
void TForm1::Stop1Click() { ToggleSoundSwitch(&Settings::sndStop); }
void TForm1::WheelSpin1Click() { ToggleSoundSwitch(&Settings::sndWheelSpin); }
void TForm1::Win1Click() { ToggleSoundSwitch(&Settings::sndWin); }

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
      machine_->State(), settings_, environment_.programDir, [this] { return face_->SymbolSize(); },
      Services(), this);
}

void TForm1::BitBtn3Click() {
  if (payoffs_ != nullptr) payoffs_->exec();
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
  TLoadSave dialog(
      mode, slots_, *machine_, [this](CommandResult result) { Show(std::move(result)); },
      machine_->State(), environment_.settingsPath.toStdString(), TodaySlotDate, Services(), this);
  dialog.exec();
  // An opened game is shown in whole.
  if (mode == SlotMode::Open) {
    ShowGameAtRest();
    face_->RepaintMachine();
  }
}

void TForm1::BorrowCredits1Click() {
  RunGameCommand(
      [this] {
        TBorrowC dialog(
            *machine_, [this](CommandResult result) { Show(std::move(result)); }, machine_->State(),
            face_->SymbolSize(), Services(), this);
        dialog.exec();
        ShowGameAtRest();
        face_->RepaintMachine();
      },
      WhenSpinning::SayWhyItWaits);
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
