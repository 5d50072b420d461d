// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <concepts>
#include <cstdint>

// Numbers as a person reads them outside the painted face: in the dialogs,
// the message boxes and the game history. The face draws its own LED and
// dot-matrix texts (LedText.h).

// The player's locale: the default one, which is the system's unless a test
// sets another, written without group separators, as the face and the
// saved-game slots write none.
QLocale PlayerLocale();

// An amount of money with its sign in front: "$1000.00", "-$5.00" in English.
// Where the dollar sign goes is the translation's choice ("1000,00 $").
QString AmountText(std::int64_t cents);
// Dollars would be taken for cents: convert with money::ToCents first.
template <std::floating_point Dollars>
QString AmountText(Dollars) = delete;

// The amount's figures alone, two decimals and no dollar sign: "1000.00",
// "-5.00", for texts that name the unit themselves ("1000.00 credits").
QString AmountDigits(std::int64_t cents);
template <std::floating_point Dollars>
QString AmountDigits(Dollars) = delete;

// A percentage with the given number of decimals: "440.0%", "40%".
QString PercentText(double percent, int decimals);

// A whole number: "1584".
QString CountText(std::int64_t count);

// A coin value as the Bet Amount menu names it: "$5", "$1", "25¢" in English.
QString CoinValueText(std::int64_t cents);

// A date as every window shows it: the locale's short order and separator,
// two digits each and a two-digit year, "08.12.26" in German, "08/12/26" in
// French, "12/08/26" in English and in the C locale, whose own short date
// ("8 Dec 2026") is English words.
QString ShortDateText(int year, int month, int day);

// The separator between the parts of the locale's short date; "/" where it
// has none.
QString ShortDateSeparator(const QLocale& locale);
