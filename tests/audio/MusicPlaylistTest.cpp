// SPDX-License-Identifier: GPL-3.0-or-later
#include "MusicPlaylist.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "AudioTestFiles.h"
#include "FakeMediaPlayer.h"

namespace {

class MusicPlaylistTest : public testing::Test {
 protected:
  void SetUp() override {
    settings = DefaultSettings(folder.Dir());
    settings.PlayList = {};
    for (int n = 0; n < SongSlots; ++n)
      settings.MIDISong[static_cast<std::size_t>(n)] =
          folder.Path("song" + std::to_string(n) + ".mid");
  }

  // Puts a file in each listed slot and selects it.
  void Select(std::initializer_list<int> chosen) {
    for (int slot : chosen) {
      folder.WriteBytes("song" + std::to_string(slot) + ".mid", "MThd");
      settings.PlayList[static_cast<std::size_t>(slot)] = true;
    }
  }
  std::string Song(int slot) const { return settings.MIDISong[static_cast<std::size_t>(slot)]; }

  // Lets the playing song end and the next display-timer tick come.
  bool EndSongAndTick() {
    player.Finish();
    return playlist.RunPendingStart();
  }

  ScratchFolder folder;
  Settings settings;
  FakeMediaPlayer player;
  std::vector<std::string> warnings;
  std::vector<bool> marks;
  int dialogs = 0;
  std::function<void()> duringDialog;
  MusicPlaylist playlist{
      settings, player,
      MusicPlaylistHost{[this](bool on) { marks.push_back(on); },
                        [this](const std::string& text) { warnings.push_back(text); },
                        [this] {
                          ++dialogs;
                          if (duringDialog) duringDialog();
                        }}};
};

TEST_F(MusicPlaylistTest, PlaysTheSelectedSlotsInTurnAndRestartsFromTheTop) {
  Select({1, 4, 6});
  playlist.ToggleMusic();
  EXPECT_TRUE(settings.MusicOn);
  EXPECT_EQ(marks, std::vector<bool>{true});
  for (int round = 0; round < 5; ++round) EXPECT_TRUE(EndSongAndTick());
  EXPECT_EQ(player.played,
            (std::vector<std::string>{Song(1), Song(4), Song(6), Song(1), Song(4), Song(6)}));

  playlist.ToggleMusic();
  EXPECT_FALSE(settings.MusicOn);
  EXPECT_FALSE(player.open) << "turning the music off closes the player";
  player.played.clear();
  playlist.ToggleMusic();
  EXPECT_EQ(player.played, std::vector<std::string>{Song(1)});
  EXPECT_TRUE(warnings.empty());
}

TEST_F(MusicPlaylistTest, OneSlotRepeatsAndVanishedFilesAreSkipped) {
  Select({2});
  playlist.ToggleMusic();
  EndSongAndTick();
  EndSongAndTick();
  EXPECT_EQ(player.played, (std::vector<std::string>{Song(2), Song(2), Song(2)}));

  Select({3, 5});
  player.played.clear();
  std::remove(Song(3).c_str());  // deleted while slot 2 plays
  EndSongAndTick();
  EXPECT_EQ(player.played, std::vector<std::string>{Song(5)});

  // Every selected file gone: nothing more plays and nothing is said.
  std::remove(Song(2).c_str());
  std::remove(Song(5).c_str());
  EXPECT_TRUE(EndSongAndTick());
  EXPECT_EQ(player.played.size(), 1u);
  EXPECT_EQ(playlist.CurrentSong(), std::nullopt);
  EXPECT_EQ(playlist.PendingSong(), std::nullopt);
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(dialogs, 0);
}

TEST_F(MusicPlaylistTest, SongEndWaitsForTheNextTick) {
  Select({0, 1});
  playlist.StartIfOn();
  EXPECT_TRUE(player.played.empty()) << "start-up with the music off plays nothing";
  settings.MusicOn = true;
  playlist.StartIfOn();
  ASSERT_EQ(player.played, std::vector<std::string>{Song(0)});

  player.Report(MediaNotify::Aborted);
  EXPECT_EQ(playlist.CurrentSong(), 0) << "only a natural end moves on";
  EXPECT_EQ(playlist.PendingSong(), std::nullopt);
  player.Finish();
  EXPECT_EQ(playlist.CurrentSong(), 1);
  EXPECT_EQ(playlist.PendingSong(), 1);
  EXPECT_FALSE(player.open);
  EXPECT_EQ(player.played.size(), 1u);
  playlist.RunPendingStart();
  EXPECT_EQ(playlist.CurrentSong(), 1);
  EXPECT_EQ(playlist.PendingSong(), std::nullopt);
  EXPECT_EQ(player.played.back(), Song(1));
  playlist.RunPendingStart();
  EXPECT_EQ(player.played.size(), 2u) << "a pending start happens once";
}

TEST_F(MusicPlaylistTest, APendingSongStartsOnlyWhileTheMusicIsOn) {
  Select({0, 1});
  playlist.ToggleMusic();
  player.Finish();
  playlist.ToggleMusic();  // off, with the next song pending
  EXPECT_TRUE(playlist.RunPendingStart());
  EXPECT_EQ(player.played.size(), 1u);
  EXPECT_FALSE(player.open);

  // A song that ends just before the song dialog opens stays quiet while it is open.
  playlist.ToggleMusic();
  player.played.clear();
  player.Finish();
  duringDialog = [this] {
    playlist.RunPendingStart();
    EXPECT_TRUE(player.played.empty());
  };
  playlist.ChangeSongs();
  EXPECT_EQ(dialogs, 1);
  // Afterwards the music starts again from the first playable slot.
  EXPECT_EQ(player.played, std::vector<std::string>{Song(0)});
  EXPECT_TRUE(settings.MusicOn);
}

TEST_F(MusicPlaylistTest, NoSongsSelectedWarnsThenOpensTheSongDialog) {
  duringDialog = [this] {
    EXPECT_EQ(warnings, std::vector<std::string>{"No MIDI songs are selected!"});
    EXPECT_FALSE(settings.MusicOn) << "the music is silent while the dialog is open";
    Select({3});
  };
  playlist.ToggleMusic();
  EXPECT_EQ(dialogs, 1);
  EXPECT_TRUE(settings.MusicOn);
  EXPECT_EQ(player.played, std::vector<std::string>{Song(3)});

  // With the music off the dialog leaves it off.
  playlist.ToggleMusic();
  duringDialog = nullptr;
  player.played.clear();
  playlist.ChangeSongs();
  EXPECT_TRUE(player.played.empty());
  EXPECT_FALSE(settings.MusicOn);
}

TEST_F(MusicPlaylistTest, ASongThatCannotBeOpenedIsReportedAndLeavesSilence) {
  Select({0, 2});
  player.unopenable.insert(Song(0));
  playlist.ToggleMusic();
  ASSERT_EQ(warnings, std::vector<std::string>{"The file cannot be played on the MIDI device."});
  EXPECT_TRUE(player.played.empty());

  // Met by the pending start: the rest of the tick is skipped, no retry.
  player.unopenable = {Song(2)};
  ASSERT_EQ(playlist.NextSongAfter(std::nullopt), 0);
  playlist.StartSong(0);
  player.Finish();
  EXPECT_FALSE(playlist.RunPendingStart());
  EXPECT_EQ(warnings.size(), 2u);
  EXPECT_TRUE(playlist.RunPendingStart());
  EXPECT_EQ(warnings.size(), 2u);
}

TEST_F(MusicPlaylistTest, PendingStartTrimsBlanksAroundThePath) {
  Select({0});
  const std::string path = Song(0);
  settings.MusicOn = true;
  playlist.StartSong(0);
  player.Finish();
  ASSERT_EQ(playlist.PendingSong(), 0);
  settings.MIDISong[0] = "  " + path + " ";
  player.played.clear();
  playlist.RunPendingStart();
  EXPECT_EQ(player.played, std::vector<std::string>{path});
}

}  // namespace
