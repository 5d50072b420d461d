// SPDX-License-Identifier: GPL-3.0-or-later
#include "MoneyText.h"

#include <algorithm>
#include <charconv>

#include "Money.h"

namespace {

constexpr std::size_t MoneyFieldWidth = 10;
constexpr std::size_t MoneyTextLimit = 30;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct WholePart {
  bool negative = false;
  double value = 0;
};

// Leading blanks, an optional sign, then decimal digits up to the first
// character that cannot continue the number, at most digitLimit of them.
WholePart ConvertWholePart(std::string_view text, std::size_t digitLimit) {
  WholePart part;
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) part.negative = text[i++] == '-';
  for (const std::size_t end = i + std::min(digitLimit, text.size() - i);
       i < end && IsDigit(text[i]); ++i) {
    // Saturates instead of overflowing on absurdly long digit runs.
    if (part.value < 1e300) part.value = part.value * 10 + (text[i] - '0');
  }
  return part;
}

// Up to two digits right after the point: tenths, then hundredths.
int ConvertCents(std::string_view afterPoint) {
  int cents = 0;
  int weight = 10;
  for (std::size_t i = 0; i < 2 && i < afterPoint.size() && IsDigit(afterPoint[i]); ++i) {
    cents += (afterPoint[i] - '0') * weight;
    weight /= 10;
  }
  return cents;
}

}  // namespace

std::string TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::string MoneyToPaddedText(double value) {
  // to_chars, unlike printf, ignores the locale: the file always uses '.'.
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
  if (result.ec != std::errc()) return {};
  std::string text(buffer, result.ptr);
  if (text.size() < MoneyFieldWidth) text.insert(0, MoneyFieldWidth - text.size(), ' ');
  return text;
}

std::string MoneyToText(double value) {
  const std::string padded = MoneyToPaddedText(value);
  return TrimBlanks(std::string_view(padded).substr(0, MoneyTextLimit));
}

double TextToMoney(std::string_view text) {
  const std::size_t point = text.find('.');
  WholePart whole;
  int cents = 0;
  if (point == std::string_view::npos) {
    whole = ConvertWholePart(text, text.size());
  } else {
    // Before a point only ten digits count; the blanks and the sign in front
    // are not among them, so the most negative amount keeps all its digits.
    whole = ConvertWholePart(text.substr(0, point), MoneyFieldWidth);
    cents = ConvertCents(text.substr(point + 1));
  }
  // An amount beyond the money limit is capped at it, never converted past it.
  const std::int64_t total = whole.value * 100 + cents >= static_cast<double>(money::LargestCents)
                                 ? money::LargestCents
                                 : static_cast<std::int64_t>(whole.value) * 100 + cents;
  return money::FromCents(whole.negative ? -total : total);
}
