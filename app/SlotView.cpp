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

void TForm1::ShowMessage(const std::string& text, std::optional<double> amount) {
  QString message = QCoreApplication::translate("Machine", text.c_str());
  if (amount) message = message.arg(AmountText(money::ToCents(*amount)));
  Inform(message);
}

void TForm1::Inform(const QString& text) { environment_.dialogs.information(this, text); }

void TForm1::SetButtonsEnabled(bool enabled) {
  for (QPushButton* button : {BitBtn1, BitBtn2, BitBtn3, Button1}) button->setEnabled(enabled);
}

void TForm1::FocusSpinButton() { Button1->setFocus(); }

void TForm1::SetBlinking(bool on) {
  if (on)
    Timer3->start();
  else
    Timer3->stop();
}
