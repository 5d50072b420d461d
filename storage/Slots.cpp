// SPDX-License-Identifier: GPL-3.0-or-later
#include "Slots.h"

#include <algorithm>
#include <cstdio>

#include "Money.h"
#include "MoneyText.h"
#include "Profile.h"
#include "ProfileValues.h"

namespace {

// What a slot that was never saved holds.
constexpr const char* UnsavedCredits = "1000";
constexpr const char* UnsavedBorrowed = "1000";
constexpr const char* UnsavedBonusPool = "10000";

std::string TwoDigits(int value) {
  char text[4];
  std::snprintf(text, sizeof text, "%02d", ((value % 100) + 100) % 100);
  return text;
}

}  // namespace

std::string SlotDate(int year, int month, int day, std::string_view separator) {
  const std::string sep(separator);
  return TwoDigits(month) + sep + TwoDigits(day) + sep + TwoDigits(year);
}

std::string SlotSectionName(int n) { return "Saved Game " + std::to_string(n); }

void ReadSlots(const std::string& path, Slots& slots, const std::string& today) {
  const ProfileText file = LoadProfile(path);
  for (int n = 1; n <= SlotCount; ++n) {
    const std::string section = SlotSectionName(n);
    SlotRecord& slot = slots[n];
    slot.Name =
        ReadProfileText(file, section, "Name", "Game #" + std::to_string(n), SlotNameCapacity);
    slot.Spins = ReadProfileInteger(file, section, "Spins", 0);
    slot.Date = ReadProfileText(file, section, "Date", today, SlotDateCapacity);
    // A save never holds credits or a debt below nothing.
    slot.Credits = std::max(ReadProfileMoney(file, section, "Credits", UnsavedCredits), 0.0);
    slot.Borrowed = std::max(ReadProfileMoney(file, section, "Borrowed", UnsavedBorrowed), 0.0);
    slot.BonusPool = ReadProfileMoney(file, section, "BonusPool", UnsavedBonusPool);
    slot.PowerPts = ReadProfileInteger(file, section, "PowerPts", 0);
    slot.Saved =
        file.Find(section, "Name").has_value() || file.Find(section, "Credits").has_value();
  }
}

SlotRecord SlotFromGame(std::string_view name, const GameState& game, const std::string& today) {
  SlotRecord slot;
  static_cast<GameSnapshot&>(slot) = SnapshotOfGame(game);
  slot.Name = CutText(name, SlotNameCapacity);
  slot.Date = CutText(today, SlotDateCapacity);
  slot.Saved = true;
  return slot;
}

std::optional<std::string> WriteSlot(const std::string& path, int n, std::string_view name,
                                     const GameState& game, const std::string& today) {
  const GameSnapshot saved = SnapshotOfGame(game);
  const ProfileEntries entries{
      {"Name", ProfileTextValue(CutText(name, SlotNameCapacity))},
      {"Spins", ProfileIntegerValue(saved.Spins)},
      {"Date", ProfileTextValue(today)},
      {"Credits", MoneyToText(saved.Credits)},
      {"Borrowed", MoneyToText(saved.Borrowed)},
      {"BonusPool", MoneyToText(saved.BonusPool)},
      {"PowerPts", ProfileIntegerValue(saved.PowerPts)},
  };
  return WriteProfileEntries(path, SlotSectionName(n), entries);
}
