// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ProfileText.h"

// Typed values over the profile file's text.

// Signed decimal, or hexadecimal after "0x"/"0X" (when more follows) or "$",
// with an optional sign in front. Hexadecimal covers the full 32-bit pattern
// (so "0xFFFFFFFF" is -1). Nothing for empty, partly numeric or out-of-range text.
std::optional<std::int32_t> ParseProfileInteger(std::string_view text);

std::int32_t ReadProfileInteger(const ProfileText& file, std::string_view section,
                                std::string_view key, std::int32_t defaultValue);
bool ReadProfileBool(const ProfileText& file, std::string_view section, std::string_view key,
                     bool defaultValue);
// The low 8 bits of the integer read.
std::uint8_t ReadProfileByte(const ProfileText& file, std::string_view section,
                             std::string_view key, std::uint8_t defaultValue);
// At most capacity characters of text: code points of UTF-8, else bytes.
std::string CutText(std::string_view text, std::size_t capacity);

// Read as UTF-8, or as Windows-1252 when it is not valid UTF-8, then cut to
// capacity characters by CutText.
std::string ReadProfileText(const ProfileText& file, std::string_view section, std::string_view key,
                            std::string_view defaultValue, std::size_t capacity);
// The text (defaultText when missing) cut to 30 characters, then TextToMoney.
double ReadProfileMoney(const ProfileText& file, std::string_view section, std::string_view key,
                        std::string_view defaultText);

// A text value as it must stand in the file to read back unchanged: as it is,
// unless blanks at its ends or a pair of quotes around it would be lost on
// reading, in which case it is put inside double quotes.
std::string ProfileTextValue(std::string_view text);
inline std::string ProfileBoolValue(bool value) { return value ? "1" : "0"; }
inline std::string ProfileIntegerValue(std::int32_t value) { return std::to_string(value); }

inline constexpr std::size_t MoneyTextCapacity = 30;
