// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileValues.h"

#include <gtest/gtest.h>

#include "Colors.h"
#include "Settings.h"

namespace {

struct IntegerCase {
  const char* text;
  std::optional<std::int32_t> value;
};

void PrintTo(const IntegerCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class IntegerParsing : public testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerParsing, AcceptsDecimalAndBothHexForms) {
  EXPECT_EQ(ParseProfileInteger(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IntegerParsing,
    testing::Values(IntegerCase{"42", 42}, IntegerCase{"-2147483633", -2147483633},
                    IntegerCase{"+7", 7}, IntegerCase{"0x5", 5}, IntegerCase{"0XfF", 255},
                    IntegerCase{"$1A", 26}, IntegerCase{"0x8000000F", -2147483633},
                    IntegerCase{"0xFFFFFFFF", -1}, IntegerCase{"2147483647", 2147483647},
                    IntegerCase{"-2147483648", INT32_MIN}, IntegerCase{"2147483648", std::nullopt},
                    IntegerCase{"0x100000000", std::nullopt}, IntegerCase{"0x", std::nullopt},
                    IntegerCase{"$", std::nullopt}, IntegerCase{"", std::nullopt},
                    IntegerCase{"abc", std::nullopt}, IntegerCase{"12abc", std::nullopt},
                    IntegerCase{"0xG", std::nullopt}, IntegerCase{"-", std::nullopt}));

TEST(TypedReads, FallBackToTheDefaultAndKeepLowByteBits) {
  const ProfileText file = ProfileText::Parse(
      "[S]\nBet=0x105\nSpeed=-1\nBad=abc\nEmpty=\nMaxed=2\nOff=0\nName=abcdefghijklmnopqrst\n"
      "Money=  12.5  \nLongMoney=1234567890123456789012345678.05\n");
  EXPECT_EQ(ReadProfileByte(file, "S", "Bet", 3), 5);
  EXPECT_EQ(ReadProfileByte(file, "S", "Speed", 0), 255);
  EXPECT_EQ(ReadProfileByte(file, "S", "Bad", 3), 3);
  EXPECT_EQ(ReadProfileInteger(file, "S", "Empty", 9), 9);
  EXPECT_TRUE(ReadProfileBool(file, "S", "Maxed", false));
  EXPECT_FALSE(ReadProfileBool(file, "S", "Off", true));
  EXPECT_TRUE(ReadProfileBool(file, "S", "Empty", true));
  EXPECT_FALSE(ReadProfileBool(file, "S", "Bad", false));
  EXPECT_EQ(ReadProfileText(file, "S", "Name", "", 12), "abcdefghijkl");
  EXPECT_EQ(ReadProfileMoney(file, "S", "Money", "1"), 12.50);
  // Cut to 30 characters before conversion, which loses the hundredths.
  EXPECT_EQ(ReadProfileMoney(file, "S", "LongMoney", "1"), 1234567890.00);
  EXPECT_EQ(ReadProfileMoney(file, "S", "Missing", "   1000.00"), 1000.00);
}

TEST(TypedWrites, TextsReadBackUnchanged) {
  for (const char* text :
       {"plain", " lead", "trail ", "\"quoted\"", "'single'", "\"", "", "a \"mid\" b", "\t"}) {
    ProfileText file;
    file.Write("S", "K", ProfileTextValue(text));
    EXPECT_EQ(file.Read("S", "K", "<missing>"), text) << '[' << text << ']';
  }
  EXPECT_EQ(ProfileTextValue("/home/p/VOLTA5.WAV"), "/home/p/VOLTA5.WAV");
}

TEST(Colors, DecodeBothEncodingsAndEncodePlainColours) {
  EXPECT_EQ(DecodeColor(-2147483633), (Rgb{0xC0, 0xC0, 0xC0}));  // button face
  EXPECT_EQ(DecodeColor(SystemColorValue(16)), (Rgb{0x80, 0x80, 0x80}));
  EXPECT_EQ(DecodeColor(SystemColorValue(20)), (Rgb{0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(DecodeColor(SystemColorValue(18)), (Rgb{0, 0, 0}));
  EXPECT_EQ(DecodeColor(SystemColorValue(200)), (Rgb{0, 0, 0}));
  EXPECT_EQ(DecodeColor(0x00336699), (Rgb{0x99, 0x66, 0x33}));
  EXPECT_EQ(EncodeColor({0x99, 0x66, 0x33}), 0x00336699);
  EXPECT_EQ(SystemColorValue(SysColorButtonFace), Settings::ButtonFaceColor);
  for (const Rgb c : {Rgb{0, 0, 0}, Rgb{255, 255, 255}, Rgb{1, 2, 3}, Rgb{255, 0, 128}}) {
    EXPECT_EQ(DecodeColor(EncodeColor(c)), c);
  }
}

}  // namespace
