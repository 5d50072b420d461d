// SPDX-License-Identifier: GPL-3.0-or-later
#include "MoneyText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "Money.h"

namespace {

struct MoneyCase {
  const char* text;
  double value;
};

// Names the case by its text in test listings.
void PrintTo(const MoneyCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class TextToMoneyReads : public testing::TestWithParam<MoneyCase> {};

TEST_P(TextToMoneyReads, ToTheCent) {
  EXPECT_EQ(TextToMoney(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

const std::string FourHundredNines(400, '9');

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToMoneyReads,
    testing::Values(
        MoneyCase{"1234.56", 1234.56}, MoneyCase{"1234", 1234.00}, MoneyCase{"abc", 0.00},
        MoneyCase{"", 0.00}, MoneyCase{"0.05", 0.05}, MoneyCase{"   1000.00", 1000.00},
        MoneyCase{"12.5", 12.50}, MoneyCase{"-4.75", -4.75}, MoneyCase{"-0.50", -0.50},
        MoneyCase{"+3.25", 3.25}, MoneyCase{"12.", 12.00}, MoneyCase{".75", 0.75},
        MoneyCase{"12.345", 12.34}, MoneyCase{"7.5x9", 7.50}, MoneyCase{"12abc.50", 12.50},
        MoneyCase{"1.2.3", 1.20}, MoneyCase{"9999999999.99", 9999999999.99},
        // Only ten digits of the whole part count; a sign or
        // blanks in front are not among them.
        MoneyCase{"123456789012.00", 1234567890.00}, MoneyCase{"- 5", 0.00},
        MoneyCase{"-9999999999.99", -9999999999.99}, MoneyCase{"  -9999999999.9", -9999999999.90},
        MoneyCase{"-9999999999", -9999999999.00}, MoneyCase{"-123456789012.00", -1234567890.00},
        // Past the money limit: held at it, sign and all.
        MoneyCase{"10000000000", money::LargestAmount},
        MoneyCase{"99999999999999999999", money::LargestAmount},
        MoneyCase{"100000000000000000", money::LargestAmount},
        MoneyCase{"-99999999999999999999", -money::LargestAmount},
        MoneyCase{FourHundredNines.c_str(), money::LargestAmount}));

TEST(MoneyToText, FixedPointWithTwoDecimalsAndNoBlanks) {
  EXPECT_EQ(MoneyToText(1000), "1000.00");
  EXPECT_EQ(MoneyToText(0.05), "0.05");
  EXPECT_EQ(MoneyToText(61.25), "61.25");
  EXPECT_EQ(MoneyToText(12345678901.5), "12345678901.50");
  EXPECT_EQ(MoneyToPaddedText(50), "     50.00");
  EXPECT_EQ(TrimBlanks("   "), "");
  EXPECT_EQ(TrimBlanks(" \ta b\t "), "\ta b\t");
}

TEST(MoneyRoundTrip, EveryWrittenAmountReadsBackExactly) {
  for (std::int64_t cents = -200000; cents <= 200000; ++cents) {
    const double amount = money::FromCents(cents);
    ASSERT_EQ(TextToMoney(MoneyToText(amount)), amount) << cents;
  }
  std::mt19937_64 random(7);
  std::uniform_int_distribution<std::int64_t> anyCents(-money::LargestCents, money::LargestCents);
  for (int i = 0; i < 200000; ++i) {
    const double amount = money::FromCents(anyCents(random));
    ASSERT_EQ(TextToMoney(MoneyToText(amount)), amount) << MoneyToText(amount);
    ASSERT_EQ(TextToMoney(MoneyToPaddedText(amount)), amount) << MoneyToPaddedText(amount);
  }
  for (const double limit : {money::LargestAmount, -money::LargestAmount})
    EXPECT_EQ(TextToMoney(MoneyToText(limit)), limit) << MoneyToText(limit);
}

}  // namespace
