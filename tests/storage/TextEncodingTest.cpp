// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextEncoding.h"

#include <gtest/gtest.h>

#include "ProfileText.h"
#include "ProfileValues.h"

namespace {

using namespace std::string_literals;

std::string Repeat(const std::string& text, int times) {
  std::string repeated;
  for (int i = 0; i < times; ++i) repeated += text;
  return repeated;
}

struct CutCase {
  const char* what;
  std::string text;
  std::size_t capacity;
  std::string kept;
};

void PrintTo(const CutCase& c, std::ostream* out) { *out << c.what; }

class CutByCharacters : public testing::TestWithParam<CutCase> {};

TEST_P(CutByCharacters, KeepsWholeCharactersUpToTheCapacity) {
  const CutCase& c = GetParam();
  EXPECT_EQ(CutText(c.text, c.capacity), c.kept) << c.what;
  // A cut text is cut no further: a name is the same after any number of runs.
  EXPECT_EQ(CutText(c.kept, c.capacity), c.kept) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CutByCharacters,
    testing::Values(
        CutCase{"song name with a two-byte letter",
                "\xC3\xBC"
                "berlied1.mid",
                12,
                "\xC3\xBC"
                "berlied1.mi"},
        CutCase{"accent in the middle", "abcde\xC3\xA9ghijklmn", 12, "abcde\xC3\xA9ghijkl"},
        CutCase{"three-byte characters", Repeat("\xE2\x82\xAC", 20), 12,
                Repeat("\xE2\x82\xAC", 12)},
        CutCase{"a character outside the basic plane counts once", "abcdefghij\xF0\x9F\x8E\xB0z",
                11, "abcdefghij\xF0\x9F\x8E\xB0"},
        CutCase{"short text", "short", 12, "short"},
        CutCase{"not UTF-8: one byte, one character", "\xFC\xFC\xFC\xFC\xFC", 2, "\xFC\xFC"}));

TEST(TextFromFile, ReadsWindows1252WhenNotUtf8) {
  // UTF-8 stays as it is, whatever it holds.
  EXPECT_EQ(TextFromFile("M\xC3\xBCller \xE2\x82\xAC"), "M\xC3\xBCller \xE2\x82\xAC");
  EXPECT_EQ(TextFromFile("plain"), "plain");
  // The same name as a Windows-1252 system wrote it.
  EXPECT_EQ(TextFromFile("M\xFCller \x80"), "M\xC3\xBCller \xE2\x82\xAC");
  // The 0x80-0x9F row, an unassigned byte of it, and Latin-1 above it.
  EXPECT_EQ(TextFromFile("\x85\x8A\x99\x9F\x81\xA0\xFF"),
            "\xE2\x80\xA6\xC5\xA0\xE2\x84\xA2\xC5\xB8\xC2\x81\xC2\xA0\xC3\xBF");
  // Overlong forms, surrogates and cut-off sequences are not UTF-8.
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));
  EXPECT_FALSE(IsValidUtf8("\xE2\x82"));
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));
  EXPECT_TRUE(IsValidUtf8("\xF4\x8F\xBF\xBF"));

  const ProfileText file = ProfileText::Parse(
      "[Saved Game 1]\r\nName=Partie \xE0 Z\xFCrich\r\nDate=01\xB7"
      "02\r\n");
  EXPECT_EQ(ReadProfileText(file, "Saved Game 1", "Name", "", 100),
            "Partie \xC3\xA0 Z\xC3\xBCrich");
  EXPECT_EQ(ReadProfileText(file, "Saved Game 1", "Date", "", 9),
            "01\xC2\xB7"
            "02");
}

// "ab€😀" followed by a lone high surrogate, then a line end.
const std::string Utf16Le = "a\0b\0\xAC\x20\x3C\xD8\xB0\xDF\x00\xD8\r\0\n\0"s;
const std::string Utf16Be = "\0a\0b\x20\xAC\xD8\x3C\xDF\xB0\xD8\x00\0\r\0\n"s;
const std::string AsUtf8 = "ab\xE2\x82\xAC\xF0\x9F\x8E\xB0\xED\xA0\x80\r\n";

TEST(Utf16, ConvertsBothWaysWithoutLoss) {
  EXPECT_EQ(Utf16ToUtf8(Utf16Le, false), AsUtf8);
  EXPECT_EQ(Utf16ToUtf8(Utf16Be, true), AsUtf8);
  EXPECT_EQ(Utf8ToUtf16(AsUtf8, false), Utf16Le);
  EXPECT_EQ(Utf8ToUtf16(AsUtf8, true), Utf16Be);
  // A stray byte is taken as Windows-1252.
  EXPECT_EQ(Utf8ToUtf16("\x80", false), "\xAC\x20");
}

}  // namespace
