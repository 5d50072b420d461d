// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "MediaPlayer.h"
#include "Settings.h"
#include "TranslatableText.h"

// What the playlist needs of the main window.
struct MusicPlaylistHost {
  // Sets the check mark of Music > "On".
  std::function<void(bool on)> setOnMark;
  // Shows a warning message box with one OK button.
  std::function<void(const std::string& text)> showWarning;
  // Creates the song dialog, shows it modally and destroys it when it closes.
  std::function<void()> runSongDialog;
};

// The background music: which song plays next, and what the main window's
// music commands and timers do with it. The player is the main window's
// MediaPlayer1; the playlist hears of each end of play from it.
class MusicPlaylist {
 public:
  MusicPlaylist(Settings& settings, MediaPlayer& player, MusicPlaylistHost host);

  // The slot last chosen: the song playing, or after a song's end the one
  // due next; none before the first choice and once no selected slot is
  // playable.
  std::optional<int> CurrentSong() const { return currentSong_; }
  // The slot whose song starts at the next display-timer tick: the one
  // chosen when a song came to its natural end; none while no song is due.
  std::optional<int> PendingSong() const { return pendingSong_; }

  // True when the slot is selected, has a path and its file exists.
  bool IsPlayable(int slot) const;
  // The playable slot after `slot` (from the top when none), going round;
  // none when no slot is playable.
  std::optional<int> NextSongAfter(std::optional<int> slot) const;
  // Makes the slot's song the current one and plays it; a file that cannot be
  // opened is reported and leaves the music silent. Returns false in that case.
  bool StartSong(int slot);

  // Music > "On": turns the music on from the first playable slot, or off.
  void ToggleMusic();
  // Music > "Change Songs": the song dialog, with the music silent while it
  // is open and started again from the top afterwards when it is on.
  void ChangeSongs();
  // Shortly after start-up: starts the music when the settings have it on.
  void StartIfOn();
  // The song stopped playing: after a natural end the next song is pending.
  void PlaybackEnded(MediaNotify how);
  // First step of every display-timer tick: starts the pending song. Returns
  // false when the rest of the tick is to be skipped (it could not be opened).
  bool RunPendingStart();

 private:
  void StartFromTop();
  bool OpenAndPlay(const std::string& path);

  Settings& settings_;
  MediaPlayer& player_;
  MusicPlaylistHost host_;
  std::optional<int> currentSong_;
  std::optional<int> pendingSong_;
};

// The message shown when the music is turned on with nothing to play; a
// source text of the "MusicPlaylist" context.
inline constexpr const char* NoSongsSelectedText =
    QT_TRANSLATE_NOOP("MusicPlaylist", "No MIDI songs are selected!");
