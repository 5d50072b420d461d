// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "MediaPlayer.h"
#include "Settings.h"

// What the playlist needs of the main window.
struct MusicPlaylistHost {
  // Sets the check mark of Music > "On".
  std::function<void(bool on)> setOnMark;
  // Shows a warning message box with one OK button.
  std::function<void(const std::string& text)> showWarning;
  // Creates the song dialog, shows it modally and destroys it when it closes.
  std::function<void()> runSongDialog;
};

// The background music: which song plays next, and the main window's music
// handlers. The player is the main window's MediaPlayer1.
class MusicPlaylist {
 public:
  MusicPlaylist(Settings& settings, MediaPlayer& player, MusicPlaylistHost host);

  // -1 none chosen yet, 0..7 the slot last chosen, 9 none playable,
  // 10 + n a song has ended and n is due at the next pending start.
  int CurrentSong = 0;

  // True when the slot is selected, has a path and its file exists.
  bool IsPlayable(int slot) const;
  void ChooseNextSong();
  // Opens and plays the slot's song; a file that cannot be opened is reported
  // and leaves the music silent. Returns false in that case.
  bool StartSong(int slot);

  // Music > "On".
  void On2Click();
  // Music > "Change Songs".
  void ChangeSongs1Click();
  // The one-shot start-up timer.
  void Timer2Timer();
  // End of play reported by the player.
  void MediaPlayer1Notify(MediaNotify how);
  // First step of every display-timer tick. Returns false when the rest of
  // the tick is to be skipped (a due song could not be opened).
  bool RunPendingStart();

 private:
  void StartFromTop();
  bool OpenAndPlay(const std::string& path);

  Settings& settings_;
  MediaPlayer& player_;
  MusicPlaylistHost host_;
};

// The message shown when the music is turned on with nothing to play.
inline constexpr const char* NoSongsSelectedText = "No MIDI songs are selected!";
