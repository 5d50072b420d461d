// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileText.h"
#include "TextEncoding.h"

#include <gtest/gtest.h>

#include <random>

#include <string>

namespace {

using namespace std::string_literals;

struct ReadCase {
  const char* what;
  std::string file;
  const char* section;
  const char* key;
  std::string expected;  // "<default>" when the key must be missing
};

void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.what; }

class ProfileRead : public testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, FindsTheValueTheProfileRulesGive) {
  const ReadCase& c = GetParam();
  const ProfileText file = ProfileText::Parse(c.file);
  EXPECT_EQ(file.Read(c.section, c.key, "<default>"), c.expected) << c.what;
}

const std::string Long(1100, 'x');

INSTANTIATE_TEST_SUITE_P(
    Rules, ProfileRead,
    testing::Values(
        ReadCase{"names ignore case", "[settings]\r\nCREDITS=5\r\n", "Settings", "credits", "5"},
        ReadCase{"blanks around names and values", "  [ Settings ]  \n\t Bet \t=  3  \n",
                 "Settings", "Bet", "3"},
        ReadCase{"blanks inside a value stay", "[S]\nPath= /a b/c \n", "S", "Path", "/a b/c"},
        ReadCase{"double quotes stripped", "[S]\nK=\" padded \"\n", "S", "K", " padded "},
        ReadCase{"single quotes stripped", "[S]\nK='x'\n", "S", "K", "x"},
        ReadCase{"only one pair stripped", "[S]\nK=\"\"x\"\"\n", "S", "K", "\"x\""},
        ReadCase{"unmatched quotes stay", "[S]\nK=\"x'\n", "S", "K", "\"x'"},
        ReadCase{"comment is no key", "[S]\n;K=1\n", "S", "K", "<default>"},
        ReadCase{"first duplicate key wins", "[S]\nK=1\nk=2\n", "S", "K", "1"},
        ReadCase{"first duplicate section wins", "[S]\nK=1\n[s]\nK=2\n", "S", "K", "1"},
        ReadCase{"key from the second copy of a section is not seen", "[S]\nA=1\n[S]\nK=2\n", "S",
                 "K", "<default>"},
        ReadCase{"key of another section", "[A]\nK=1\n[B]\n", "B", "K", "<default>"},
        ReadCase{"key before any section", "K=1\n[S]\n", "S", "K", "<default>"},
        ReadCase{"CR line ends", "[S]\rA=1\rK=2\r", "S", "K", "2"},
        ReadCase{"mixed line ends", "[S]\r\nA=1\nK=2\rB=3", "S", "B", "3"},
        ReadCase{"empty value is a value", "[S]\nK=\n", "S", "K", ""},
        ReadCase{"byte order mark before the first section", "\xEF\xBB\xBF[S]\nK=1\n", "S", "K",
                 "1"},
        ReadCase{"equals inside the value", "[S]\nK=a=b\n", "S", "K", "a=b"},
        ReadCase{"read cut to 1023", "[S]\nK=" + Long + "\n", "S", "K", Long.substr(0, 1023)}));

TEST(ProfileReadDefault, LosesTrailingBlanksAndIsCut) {
  const ProfileText empty;
  EXPECT_EQ(empty.Read("S", "K", "   12.50  "), "   12.50");
  EXPECT_EQ(empty.Read("S", "K", Long).size(), ProfileText::ReadLimit);
}

struct WriteCase {
  const char* what;
  std::string before;
  const char* section;
  const char* key;
  const char* value;
  std::string after;
};

void PrintTo(const WriteCase& c, std::ostream* out) { *out << c.what; }

class ProfileWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWrite, ChangesOnlyWhatItMust) {
  const WriteCase& c = GetParam();
  ProfileText file = ProfileText::Parse(c.before);
  file.Write(c.section, c.key, c.value);
  EXPECT_EQ(file.Bytes(), c.after) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ProfileWrite,
    testing::Values(
        WriteCase{"missing file", "", "Settings", "Bet", "3", "[Settings]\r\nBet=3\r\n"},
        WriteCase{"replace in place, keep spelling, other lines untouched",
                  "; mine\n[settings]\n  bET = 1 \nSpeed=2\r", "Settings", "Bet", "4",
                  "; mine\n[settings]\nbET=4\r\nSpeed=2\r"},
        WriteCase{"new key after the section's last key", "[A]\nK=1\n\n; note\n[B]\nX=1\n", "A",
                  "L", "2", "[A]\nK=1\nL=2\r\n\n; note\n[B]\nX=1\n"},
        WriteCase{"new key into an empty section", "[A]\n\n[B]\n", "A", "K", "1",
                  "[A]\nK=1\r\n\n[B]\n"},
        WriteCase{"new section at the end of a file without a last line end", "[A]\nK=1", "B", "K",
                  "2", "[A]\nK=1\r\n[B]\r\nK=2\r\n"},
        WriteCase{"only the first duplicate is replaced", "[A]\nK=1\nK=2\n", "a", "k", "3",
                  "[A]\nK=3\r\nK=2\n"},
        WriteCase{"a value cannot add lines", "[A]\n", "A", "K", "1\r\n[A]\nK=2", "[A]\nK=1\r\n"}));

TEST(ProfileText, KeepsUnchangedFilesByteForByte) {
  const std::string odd = "\xEF\xBB\xBFjunk\r\r\n[A\n]\n =x\n[S]\r\nK=\"q\"\n\0tail"s;
  EXPECT_EQ(ProfileText::Parse(odd).Bytes(), odd);
}

std::string Utf16(std::string_view utf8, bool bigEndian) {
  return (bigEndian ? "\xFE\xFF"s : "\xFF\xFE"s) + Utf8ToUtf16(utf8, bigEndian);
}

// A file in UTF-16 is read as text and written back in UTF-16 with its mark,
// never with 8-bit lines mixed in.
TEST(ProfileText, ReadsAndWritesUtf16InItsOwnByteOrder) {
  for (const bool bigEndian : {false, true}) {
    const std::string before =
        "; \xC3\xA9t\xC3\xA9\r\n[Settings]\r\nCredits=321.50\r\nMIDIName0=\xC3\xBC"
        "ber\r\n";
    ProfileText file = ProfileText::Parse(Utf16(before, bigEndian));
    EXPECT_EQ(file.Read("Settings", "Credits", ""), "321.50");
    EXPECT_EQ(file.Read("settings", "MIDIName0", ""),
              "\xC3\xBC"
              "ber");
    EXPECT_EQ(file.Bytes(), Utf16(before, bigEndian));

    file.Write("Settings", {{"Credits", "400.00"}, {"Spins", "2"}});
    file.Write("Saved Game 1", "Name", "\xE2\x82\xAC");
    EXPECT_EQ(file.Bytes(), Utf16("; \xC3\xA9t\xC3\xA9\r\n[Settings]\r\nCredits=400.00\r\n"
                                  "MIDIName0=\xC3\xBC"
                                  "ber\r\nSpins=2\r\n"
                                  "[Saved Game 1]\r\nName=\xE2\x82\xAC\r\n",
                                  bigEndian));
  }
  // An odd last byte is kept where it was.
  const std::string odd =
      "\xFF\xFE[\0S\0]\0\r\0\n\0K\0=\0"
      "1\0X"s;
  ProfileText file = ProfileText::Parse(odd);
  EXPECT_EQ(file.Read("S", "K", ""), "1");
  EXPECT_EQ(file.Bytes(), odd);
}

// Writing many keys at once gives the bytes of writing them one by one, on
// files of every shape.
TEST(ProfileText, OneWriteOfManyKeysEqualsKeyAfterKey) {
  std::mt19937 random(7);
  const std::vector<std::string> pieces{"[S]", "[s]", "[T]",  "K=1",   "k = 2",  "L=3",
                                        "; c", "",    "junk", " [S] ", "M=\"q\""};
  const std::vector<std::string> endings{"\r\n", "\n", "\r", ""};
  const std::vector<std::string> keys{"K", "L", "M", "N", "k"};
  for (int round = 0; round < 2000; ++round) {
    std::string before;
    const int lines = static_cast<int>(random() % 8);
    for (int i = 0; i < lines; ++i) {
      before += pieces[random() % pieces.size()] + endings[random() % (i + 1 < lines ? 3 : 4)];
    }
    std::vector<std::pair<std::string, std::string>> entries;
    const int count = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < count; ++i)
      entries.emplace_back(keys[random() % keys.size()], std::to_string(i));
    const std::string section = random() % 2 == 0 ? "S" : "T";

    ProfileText batch = ProfileText::Parse(before);
    batch.Write(section, entries);
    ProfileText single = ProfileText::Parse(before);
    for (const auto& [key, value] : entries) single.Write(section, key, value);
    ASSERT_EQ(batch.Bytes(), single.Bytes()) << '[' << before << ']';
    for (const auto& [key, value] : entries) {
      ASSERT_EQ(batch.Find(section, key), single.Find(section, key)) << '[' << before << ']';
    }
  }
}

// A write of several sections gives the bytes of writing them one after
// another, whatever the file holds and in whatever order the sections stand.
TEST(ProfileText, OneWriteOfManySectionsEqualsSectionAfterSection) {
  std::mt19937 random(11);
  const std::vector<std::string> pieces{"[S]", "[t]", "[U]", "K=1", "L=3", "; c", "", "junk"};
  const std::vector<std::string> endings{"\r\n", "\n", "\r", ""};
  const std::vector<std::string> sections{"S", "T", "U", "V"};
  const std::vector<std::string> keys{"K", "L", "N"};
  for (int round = 0; round < 3000; ++round) {
    std::string before;
    const int lines = static_cast<int>(random() % 10);
    for (int i = 0; i < lines; ++i)
      before += pieces[random() % pieces.size()] + endings[random() % (i + 1 < lines ? 3 : 4)];
    std::vector<ProfileText::SectionEntries> writes;
    const int count = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < count; ++i) {
      ProfileText::SectionEntries write{
          sections[random() % sections.size()], {}, random() % 2 == 0};
      const int keyCount = static_cast<int>(random() % 3);
      for (int k = 0; k < keyCount; ++k)
        write.entries.emplace_back(keys[random() % keys.size()], std::to_string(i * 10 + k));
      writes.push_back(write);
    }

    ProfileText batch = ProfileText::Parse(before);
    batch.Write(writes);
    ProfileText single = ProfileText::Parse(before);
    for (const auto& write : writes) {
      if (write.replaceWhole)
        single.ReplaceSection(write.section, write.entries);
      else
        single.Write(write.section, write.entries);
    }
    ASSERT_EQ(batch.Bytes(), single.Bytes()) << '[' << before << ']';
  }
}

}  // namespace
