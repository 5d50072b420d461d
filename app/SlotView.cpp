// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>

#include "Money.h"
#include "ReadableNumbers.h"
#include "Slot.h"
#include "SoundPlayer.h"

int TForm1::PlayEventSound(SoundEvent event) { return sounds_->PlayEventSound(event); }

void TForm1::ShowMessage(const std::string& text) {
  Inform(QCoreApplication::translate("Machine", text.c_str()));
}

void TForm1::ShowAmountMessage(const std::string& text, double amount) {
  Inform(
      QCoreApplication::translate("Machine", text.c_str()).arg(AmountText(money::ToCents(amount))));
}

void TForm1::Inform(const QString& text) { environment_.dialogs.information(this, text); }

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
