// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordsText.h"

#include "GameRecordsText.h"
#include "MoneyText.h"
#include "ProfileValues.h"
#include "Slots.h"
#include "TextEncoding.h"

namespace {

std::string_view TrimmedField(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

template <class Value>
std::string RecordText(const Record<Value>& record, const std::string& value) {
  std::string text = value;
  if (record.setAt <= 0) return text;
  text += ", " + UtcTimeText(record.setAt);
  if (record.game.number <= 0) return text;
  text += ", " + std::to_string(record.game.number);
  if (!record.game.slotName.empty()) text += ", " + record.game.slotName;
  return text;
}

// The value's text, and the rest read into the record; false when damaged.
template <class Value>
bool ReadRest(std::string_view text, std::string_view& value, Record<Value>& record) {
  // The slot name ends the line and may hold commas of its own.
  std::string_view fields[4];
  std::size_t count = 0;
  while (count < 3) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) break;
    fields[count++] = text.substr(0, comma);
    text.remove_prefix(comma + 1);
  }
  fields[count++] = text;
  for (std::string_view& field : fields) field = TrimmedField(field);
  value = fields[0];
  if (count >= 2) {
    const auto at = ParseUtcTime(fields[1]);
    if (!at || *at <= 0) return false;
    record.setAt = *at;
  }
  if (count >= 3) {
    const auto number = ParseRecordCount(fields[2]);
    if (!number || *number <= 0) return false;
    record.game.number = *number;
  }
  if (count == 4) record.game.slotName = CutText(TextFromFile(fields[3]), SlotNameCapacity);
  return true;
}

}  // namespace

std::string CountRecordText(const Record<std::int64_t>& record) {
  return RecordText(record, std::to_string(record.value));
}

std::string AmountRecordText(const Record<double>& record) {
  return RecordText(record, MoneyToText(record.value));
}

std::optional<Record<std::int64_t>> ParseCountRecord(std::string_view text) {
  Record<std::int64_t> record;
  std::string_view value;
  if (!ReadRest(text, value, record)) return std::nullopt;
  const auto count = ParseRecordCount(value);
  if (!count || *count < 0) return std::nullopt;
  record.value = *count;
  return record;
}

std::optional<Record<double>> ParseAmountRecord(std::string_view text) {
  Record<double> record;
  std::string_view value;
  if (!ReadRest(text, value, record)) return std::nullopt;
  const auto amount = ParseRecordAmount(value);
  if (!amount || *amount < 0) return std::nullopt;
  record.value = *amount;
  return record;
}

namespace {

// The keys in the order the file lists them, each bound to its record.
struct RecordKey {
  const char* name;
  Record<std::int64_t> PlayerRecords::*count = nullptr;
  Record<double> PlayerRecords::*amount = nullptr;
};

const RecordKey RecordKeys[] = {
    {"Games", &PlayerRecords::games},
    {"PaidSpins", &PlayerRecords::paidSpins},
    {"FreeSpins", &PlayerRecords::freeSpins},
    {"Bonuses", &PlayerRecords::bonuses},
    {"BiggestWin", nullptr, &PlayerRecords::biggestWin},
    {"BiggestBonus", nullptr, &PlayerRecords::biggestBonus},
    {"MostCredits", nullptr, &PlayerRecords::mostCredits},
    {"LongestWinRun", &PlayerRecords::longestWinRun},
    {"TimePlayed", &PlayerRecords::timePlayed},
};

constexpr const char* WinRunKey = "WinRun";

}  // namespace

ProfileEntries RecordsEntries(const PlayerRecords& records) {
  ProfileEntries entries;
  for (const RecordKey& key : RecordKeys)
    entries.emplace_back(key.name, key.count ? CountRecordText(records.*key.count)
                                             : AmountRecordText(records.*key.amount));
  entries.emplace_back(WinRunKey, std::to_string(records.winRun));
  return entries;
}

PlayerRecords ReadRecords(const ProfileText& file) {
  PlayerRecords records;
  for (const RecordKey& key : RecordKeys) {
    const auto text = file.Find(RecordsSection, key.name);
    if (!text) continue;
    if (key.count) {
      if (const auto record = ParseCountRecord(*text)) records.*key.count = *record;
    } else if (const auto record = ParseAmountRecord(*text)) {
      records.*key.amount = *record;
    }
  }
  if (const auto text = file.Find(RecordsSection, WinRunKey)) {
    const auto run = ParseRecordCount(*text);
    if (run && *run >= 0) records.winRun = *run;
  }
  return records;
}
