// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsKeys.h"

std::vector<SettingsKey> SettingsKeys(GameState& state, Settings& settings, bool& maxed) {
  Settings& s = settings;
  std::vector<SettingsKey> keys{
      {"Credits", &state.Credits},
      {"Borrowed", &state.Borrowed},
      {"BonusPool", &state.BonusPool},
      {"Spins", &state.Spins, true},
      {"Maxed", &maxed, true},
      {"Sound", &s.Sound},
      {"MusicOn", &s.MusicOn},
      {"sndCoins", &s.sndCoins},
      {"sndCredits", &s.sndCredits},
      {"sndSpin", &s.sndSpin},
      {"sndStop", &s.sndStop},
      {"sndWin", &s.sndWin},
      {"sndBonus", &s.sndBonus},
      {"sndLose", &s.sndLose},
      {"sndPowerDown", &s.sndPowerDown},
      {"sndPowerUp", &s.sndPowerUp},
      {"PowerPts", &state.PowerPts, true},
      {"Speed", &s.Speed},
      {"Bet", &s.Bet},
      {"BackColor", &s.BackColor},
      {"BackMode", &s.BackMode},
      {"BackBMP", &s.BackBMP},
      {"WinSound", &s.WinSound},
      {"LoseSound", &s.LoseSound},
      {"BonusSound", &s.BonusSound},
      {"PowerDownSound", &s.PowerDownSound},
      {"PowerUpSound", &s.PowerUpSound},
  };
  for (int n = 0; n < SongSlots; ++n) {
    keys.push_back({"PlayList" + std::to_string(n), &s.PlayList[n], true});
  }
  for (int n = 0; n < SongSlots; ++n) {
    keys.push_back({"MIDISong" + std::to_string(n), &s.MIDISong[n]});
  }
  for (int n = 0; n < SongSlots; ++n) {
    keys.push_back({"MIDIName" + std::to_string(n), &s.MIDIName[n], false, SongNameCapacity});
  }
  keys.push_back({"FreeSpins", &state.FreeSpins, true});
  keys.push_back({"FreeSpinBet", &state.LastBet});
  keys.push_back({"FreeSpinsPlayed", &state.FreeSpinsPlayed, true});
  keys.push_back({"Wager", &state.Wager});
  keys.push_back({"HistoryWidth", &s.HistoryWidth, true});
  keys.push_back({"HistoryHeight", &s.HistoryHeight, true});
  return keys;
}

GameState GameToStore(const GameState& game) {
  GameState stored = game;
  if (stored.FreeSpins <= 0) stored.LastBet = 0;
  return stored;
}
