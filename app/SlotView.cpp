// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QPushButton>
#include <QTimer>

#include "EventLoopClock.h"
#include "MachineFace.h"
#include "Slot.h"
#include "SoundPlayer.h"

namespace {

constexpr std::array<const char*, CoinValueCount> BetItems{"N5001", "N1001", "N50c1",
                                                           "N25c1", "N10c1", "N5c1"};
constexpr std::array<const char*, 3> SpeedItems{"Fast1", "Medium1", "Slow1"};

}  // namespace

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

void TForm1::SetAutoSpinChecked(bool checked) {
  findChild<QAction*>(QStringLiteral("AutoSpin2"))->setChecked(checked);
}

void TForm1::SetBetAmountMark(int bet) {
  for (int row = 0; row < CoinValueCount; ++row)
    findChild<QAction*>(QString::fromLatin1(BetItems[static_cast<std::size_t>(row)]))
        ->setChecked(row == bet);
}

void TForm1::SetSpeedMark(int speed) {
  for (int row = 0; row < 3; ++row)
    findChild<QAction*>(QString::fromLatin1(SpeedItems[static_cast<std::size_t>(row)]))
        ->setChecked(row == speed);
}

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
