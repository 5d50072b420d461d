// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QPushButton>
#include <QTimer>

#include "EventLoopClock.h"
#include "MachineFace.h"
#include "Slot.h"
#include "SoundPlayer.h"

void TForm1::DrawMoneyReadout(MoneyReadout which, double value) {
  face_->DrawMoneyReadout(which, value);
}

void TForm1::DrawCountReadout(CountReadout which, int value) {
  face_->DrawCountReadout(which, value);
}

void TForm1::DrawLineLamps(int coins) { face_->DrawLineLamps(coins); }

void TForm1::DrawPayline(int index) { face_->DrawPayline(index); }

void TForm1::DrawPowerMeter(bool rising) { face_->DrawPowerMeter(rising); }

void TForm1::RepaintMachine() { face_->RepaintMachine(); }

void TForm1::ShowWheels(const std::array<int, 3>& positions) { face_->ShowWheels(positions); }

void TForm1::PlayEventSound(SoundEvent event) { sounds_->PlayEventSound(event); }

void TForm1::ShowMessage(const std::string& text) {
  environment_.dialogs.information(this, QString::fromStdString(text));
}

void TForm1::SetButtonsEnabled(bool enabled) {
  for (QPushButton* button : {BitBtn1, BitBtn2, BitBtn3, Button1}) button->setEnabled(enabled);
}

void TForm1::FocusSpinButton() { Button1->setFocus(); }

void TForm1::SetAutoSpinChecked(bool checked) { AutoSpin2->setChecked(checked); }

void TForm1::SetAutoSpinTimer(bool running) {
  if (running)
    Timer1->start();
  else
    Timer1->stop();
}

void TForm1::SetBlinkTimer(bool running) {
  if (running)
    Timer3->start();
  else
    Timer3->stop();
}

std::int64_t TForm1::TickCount() { return SteadyTickCount(); }

void TForm1::WaitUntil(std::int64_t tick) { WaitInEventLoop(tick, &closePending_); }
