// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Money as text in the settings file and in the saved-game sections.

// Removes spaces (code 32 only) from both ends.
std::string TrimBlanks(std::string_view text);

// "%10.2f" with '.' as the point whatever the locale, then trimmed: 1000 gives
// "1000.00".
std::string MoneyToText(double value);

// The right-aligned, untrimmed form ("   1000.00") used as a read default.
std::string MoneyToPaddedText(double value);

// Reads what MoneyToText writes back to the cent, and is forgiving with anything
// else: conversion stops quietly at the first character that cannot continue the
// number. One digit after the point is tenths; a leading minus applies to the
// whole amount. Before a point only the first ten digits count. The result is rounded to
// whole cents and capped at the money limit (money::LargestAmount).
double TextToMoney(std::string_view text);
