// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "SoundFontChoice.h"

namespace {

struct FontCase {
  const char* name;
  const char* playerSetting;  // nullptr: SDL_SOUNDFONTS unset
  std::set<std::string> files;
  std::string expected;
};

std::ostream& operator<<(std::ostream& out, const FontCase& c) { return out << c.name; }

class SoundFontChoiceTest : public testing::TestWithParam<FontCase> {};

TEST_P(SoundFontChoiceTest, PlayerThenSystemThenBundled) {
  const FontCase& c = GetParam();
  std::map<std::string, std::string> environment;
  if (c.playerSetting != nullptr) environment["SDL_SOUNDFONTS"] = c.playerSetting;
  const SoundFontSources sources{[&](const char* name) {
                                   const auto found = environment.find(name);
                                   return found == environment.end() ? std::string()
                                                                     : found->second;
                                 },
                                 [&](const std::string& path) { return c.files.count(path) > 0; }};
  EXPECT_EQ(ChooseSoundFonts(sources), c.expected);
}

const std::string System = SystemDefaultSoundFont;
const std::string Bundled = BundledSoundFont;

INSTANTIATE_TEST_SUITE_P(
    Cases, SoundFontChoiceTest,
    testing::Values(
        FontCase{"PlayerChoiceOverEverything",
                 "/home/me/big.sf2",
                 {System, Bundled},
                 "/home/me/big.sf2"},
        // The mixer reads a list; it is passed on untouched, even where a
        // file of it is missing, as the player asked for it.
        FontCase{"PlayerListPassedAsItIs", "/a.sf2:/missing.sf2", {Bundled}, "/a.sf2:/missing.sf2"},
        FontCase{"EmptySettingCountsAsUnset", "", {System, Bundled}, System},
        FontCase{"SystemDefaultWithoutPlayerChoice", nullptr, {System, Bundled}, System},
        FontCase{"BundledWhenTheSystemHasNoDefault", nullptr, {Bundled}, Bundled},
        FontCase{"NothingLeavesTheMixerToSearch", nullptr, {}, ""}),
    [](const testing::TestParamInfo<FontCase>& row) { return std::string(row.param.name); });

TEST(SystemSoundFontSources, DanglingOrMissingFilesAreNotChosen) {
  const SoundFontSources sources = SystemSoundFontSources();
  EXPECT_FALSE(sources.isReadableFile("/nonexistent/voltaro-test.sf2"));
  EXPECT_FALSE(sources.isReadableFile("/"));  // a folder is no bank
}

}  // namespace
