// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileValues.h"

#include <limits>

#include "MoneyText.h"
#include "TextEncoding.h"

namespace {

int DigitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9') value = c - '0';
  if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

}  // namespace

std::optional<std::int32_t> ParseProfileInteger(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  } else if (!text.empty() && text.front() == '$') {
    base = 16;
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;

  // Hexadecimal spells a bit pattern and may use all 32 bits; decimal must fit
  // the signed range.
  const std::uint64_t limit = base == 16 ? std::numeric_limits<std::uint32_t>::max()
                              : negative ? std::uint64_t{1} << 31
                                         : std::numeric_limits<std::int32_t>::max();
  std::uint64_t magnitude = 0;
  for (const char c : text) {
    const int digit = DigitValue(c, base);
    if (digit < 0) return std::nullopt;
    magnitude = magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    if (magnitude > limit) return std::nullopt;
  }
  auto bits = static_cast<std::uint32_t>(magnitude);
  if (negative) bits = ~bits + 1U;
  return static_cast<std::int32_t>(bits);
}

std::string CutText(std::string_view text, std::size_t capacity) {
  return std::string(text.substr(0, CharacterPrefixBytes(text, capacity)));
}

std::int32_t ReadProfileInteger(const ProfileText& file, std::string_view section,
                                std::string_view key, std::int32_t defaultValue) {
  const auto text = file.Find(section, key);
  if (!text) return defaultValue;
  return ParseProfileInteger(*text).value_or(defaultValue);
}

bool ReadProfileBool(const ProfileText& file, std::string_view section, std::string_view key,
                     bool defaultValue) {
  return ReadProfileInteger(file, section, key, defaultValue ? 1 : 0) != 0;
}

std::uint8_t ReadProfileByte(const ProfileText& file, std::string_view section,
                             std::string_view key, std::uint8_t defaultValue) {
  const std::int32_t value = ReadProfileInteger(file, section, key, defaultValue);
  return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFFU);
}

std::string ReadProfileText(const ProfileText& file, std::string_view section, std::string_view key,
                            std::string_view defaultValue, std::size_t capacity) {
  return CutText(TextFromFile(file.Read(section, key, defaultValue)), capacity);
}

double ReadProfileMoney(const ProfileText& file, std::string_view section, std::string_view key,
                        std::string_view defaultText) {
  std::string text = file.Read(section, key, defaultText);
  if (text.size() > MoneyTextCapacity) text.resize(MoneyTextCapacity);
  return TextToMoney(text);
}

std::string ProfileTextValue(std::string_view text) {
  const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  const bool blankAtEnd = !text.empty() && (isBlank(text.front()) || isBlank(text.back()));
  const bool quotedAlready = text.size() >= 2 && text.front() == text.back() &&
                             (text.front() == '"' || text.front() == '\'');
  if (blankAtEnd || quotedAlready) return "\"" + std::string(text) + "\"";
  return std::string(text);
}
