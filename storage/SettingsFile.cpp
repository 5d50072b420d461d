// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsFile.h"

#include <algorithm>

#include "GameChartText.h"
#include "GameRecordsText.h"
#include "MoneyText.h"
#include "Profile.h"
#include "ProfileValues.h"
#include "RecordsText.h"
#include "SettingsKeys.h"

namespace {

template <class... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};

void ReadKey(const ProfileText& file, const SettingsKey& key) {
  const std::string_view section = SettingsSection;
  std::visit(
      Overloaded{
          [&](double* field) {
            *field = ReadProfileMoney(file, section, key.name, MoneyToPaddedText(*field));
          },
          [&](std::int32_t* field) {
            *field = ReadProfileInteger(file, section, key.name, key.fixedDefault ? 0 : *field);
          },
          [&](bool* field) {
            *field = ReadProfileBool(file, section, key.name, key.fixedDefault ? false : *field);
          },
          [&](std::uint8_t* field) {
            *field = ReadProfileByte(file, section, key.name,
                                     key.fixedDefault ? std::uint8_t{0} : *field);
          },
          [&](std::string* field) {
            *field = ReadProfileText(file, section, key.name, *field, key.capacity);
          },
      },
      key.field);
}

std::string KeyValue(const SettingsKey& key) {
  const std::size_t capacity = key.capacity;
  return std::visit(
      Overloaded{
          [](double* field) { return MoneyToText(*field); },
          [](std::int32_t* field) { return ProfileIntegerValue(*field); },
          [](bool* field) { return ProfileBoolValue(*field); },
          [](std::uint8_t* field) { return ProfileIntegerValue(*field); },
          // Cut as the read cuts, so a name is the same after
          // any number of runs.
          [capacity](std::string* field) { return ProfileTextValue(CutText(*field, capacity)); },
      },
      key.field);
}

// Only the game writes these, and never outside these bounds: a file that
// says otherwise reads as the nearest value. The bounds that depend on the
// coin value are the rules' (Machine::ResumeGame).
void KeepWhatTheGameWrites(GameState& state) {
  state.Credits = std::max(state.Credits, 0.0);
  state.Borrowed = std::max(state.Borrowed, 0.0);
  state.Wager = std::max(state.Wager, 0.0);
  state.LastBet = std::max(state.LastBet, 0.0);
  state.FreeSpins = std::clamp(state.FreeSpins, 0, FreeSpinsPerBonus);
}

}  // namespace

void LoadSettingsFile(const std::string& path, GameState& state, Settings& settings, bool& maxed,
                      PlayerRecords* records) {
  const ProfileText file = LoadProfile(path);
  for (const SettingsKey& key : SettingsKeys(state, settings, maxed)) ReadKey(file, key);
  KeepWhatTheGameWrites(state);
  state.History = ReadHistory(file);
  state.Statistics = ReadStatistics(file);
  state.Chart = ReadChart(file, state.Statistics);
  if (records) *records = ReadRecords(file);
}

std::optional<std::string> SaveSettingsFile(const std::string& path, const GameState& state,
                                            const Settings& settings, bool maxed,
                                            const PlayerRecords* records) {
  // The key table points at the fields it reads and writes; a save reads
  // them from copies.
  GameState game = state;
  Settings written = settings;
  const std::vector<SettingsKey> keys = SettingsKeys(game, written, maxed);
  ProfileEntries entries;
  entries.reserve(keys.size());
  for (const SettingsKey& key : keys) entries.emplace_back(key.name, KeyValue(key));
  // The history, the totals and the chart are rewritten whole, so a shorter
  // history or a thinned chart leaves no older lines behind.
  std::vector<ProfileSectionWrite> sections{
      {SettingsSection, std::move(entries), false},
      {HistorySection, HistoryEntries(game.History), true},
      {StatisticsSection, StatisticsEntries(game.Statistics), true},
      {ChartSection, ChartEntries(game.Chart), true}};
  if (records) sections.push_back({RecordsSection, RecordsEntries(*records), true});
  return WriteProfileSections(path, sections);
}
