// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeView.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string Money(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

const char* MoneyName(MoneyReadout which) {
  switch (which) {
    case MoneyReadout::Credits:
      return "credits";
    case MoneyReadout::Wager:
      return "wager";
    case MoneyReadout::Won:
      return "won";
    case MoneyReadout::Bonus:
      return "bonus";
  }
  return "?";
}

const char* CountName(CountReadout which) {
  switch (which) {
    case CountReadout::Spins:
      return "spins";
    case CountReadout::FreeSpinsPlayed:
      return "freespinsplayed";
    case CountReadout::SpinFree:
      return "spinfree";
  }
  return "?";
}

}  // namespace

std::string SoundName(SoundEvent event) {
  static const char* const names[] = {"seCoins", "seCredits", "seSlotSpin",   "seStop", "seWin",
                                      "seLose",  "sePowerUp", "sePowerDrain", "seBonus"};
  return names[static_cast<int>(event)];
}

void FakeView::DrawMoneyReadout(MoneyReadout which, double value) {
  log.push_back(std::string(MoneyName(which)) + " " + Money(value));
}

void FakeView::DrawCountReadout(CountReadout which, int value) {
  log.push_back(std::string(CountName(which)) + " " + std::to_string(value));
}

void FakeView::DrawLineLamps(int coins) {
  lampCoins = coins;
  log.push_back("lamps " + std::to_string(coins));
}

void FakeView::DrawPayline(int index) { log.push_back("payline " + std::to_string(index)); }

void FakeView::DrawPowerMeter(bool rising) {
  log.push_back(rising ? "meter rising" : "meter falling");
}

void FakeView::RepaintMachine() {
  ++repaints;
  log.push_back("repaint");
}

void FakeView::ShowWheels(const std::array<int, 3>& positions) {
  frames.push_back(positions);
  frameTimes.push_back(now);
}

int FakeView::PlayEventSound(SoundEvent event) {
  if (!EventSoundEnabled(settings_, event)) return 0;
  heard.push_back(event);
  soundTimes.push_back(now);
  log.push_back("sound " + SoundName(event));
  return EventPlaysFromMemory(event) ? 0 : fileSoundHold;
}

void FakeView::Show(const CommandResult& result, const GameState& rest) {
  if (result.autoSpinMark) {
    autoSpinChecked = *result.autoSpinMark;
    log.push_back(autoSpinChecked ? "autospin checked" : "autospin unchecked");
  }
  if (result.coinValueMark) betMark = *result.coinValueMark;
  if (result.speedMark) speedMark = *result.speedMark;
  if (result.autoSpinTicks) {
    autoSpinTimer = *result.autoSpinTicks;
    log.push_back(autoSpinTimer ? "timer1 on" : "timer1 off");
  }
  if (result.save == SaveWhen::Now) SaveGame(rest);
  if (result.save == SaveWhen::Soon) keptSoon.push_back(rest);
  if (!result.message.empty()) {
    messages.push_back(result.message);
    if (result.messageAmount) messageAmounts.push_back(*result.messageAmount);
    log.push_back("message " + result.message);
  }
}

void FakeView::SetGameCommandsEnabled(bool enabled) {
  gameCommandsEnabled = enabled;
  log.push_back(enabled ? "commands on" : "commands off");
}

void FakeView::SetButtonsEnabled(bool enabled) {
  buttonsEnabled = enabled;
  log.push_back(enabled ? "buttons on" : "buttons off");
}

void FakeView::FocusSpinButton() { log.push_back("focus spin"); }

void FakeView::SetBlinking(bool on) {
  blinkTimer = on;
  log.push_back(on ? "timer3 on" : "timer3 off");
}

void FakeView::SaveGame(const GameState& game) {
  kept.push_back(game);
  keptAtFrame.push_back(frames.size());
}

void FakeView::AdvanceTo(std::int64_t tick) {
  if (tick <= now) return;
  waits.push_back(static_cast<int>(tick - now));
  log.push_back("wait " + std::to_string(tick - now));
  now = tick;
}

int FakeView::Count(const std::string& entry) const {
  return static_cast<int>(std::count(log.begin(), log.end(), entry));
}

int FakeView::CountHeard(SoundEvent event) const {
  return static_cast<int>(std::count(heard.begin(), heard.end(), event));
}
