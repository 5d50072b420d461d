// SPDX-License-Identifier: GPL-3.0-or-later
#include "MusicPlaylist.h"

#include <QCoreApplication>

#include "FileReplace.h"
#include "MoneyText.h"

MusicPlaylist::MusicPlaylist(Settings& settings, MediaPlayer& player, MusicPlaylistHost host)
    : settings_(settings), player_(player), host_(std::move(host)) {
  player_.SetNotifyHandler([this](MediaNotify how) { PlaybackEnded(how); });
}

bool MusicPlaylist::IsPlayable(int slot) const {
  const auto n = static_cast<std::size_t>(slot);
  return settings_.PlayList[n] && !settings_.MIDISong[n].empty() &&
         FileExists(settings_.MIDISong[n]);
}

std::optional<int> MusicPlaylist::NextSongAfter(std::optional<int> slot) const {
  const int first = slot ? (*slot + 1) % SongSlots : 0;
  for (int step = 0; step < SongSlots; ++step) {
    const int candidate = (first + step) % SongSlots;
    if (IsPlayable(candidate)) return candidate;
  }
  return std::nullopt;
}

bool MusicPlaylist::StartSong(int slot) {
  currentSong_ = slot;
  return OpenAndPlay(settings_.MIDISong[static_cast<std::size_t>(slot)]);
}

bool MusicPlaylist::OpenAndPlay(const std::string& path) {
  player_.SetFileName(path);
  std::string error;
  if (!player_.Open(error)) {
    if (host_.showWarning) host_.showWarning(error);
    return false;
  }
  player_.Play();
  return true;
}

void MusicPlaylist::StartFromTop() {
  // A song due from before is dropped: the music begins again.
  pendingSong_.reset();
  currentSong_ = NextSongAfter(std::nullopt);
  if (currentSong_) StartSong(*currentSong_);
}

void MusicPlaylist::StartIfOn() {
  if (settings_.MusicOn) StartFromTop();
}

void MusicPlaylist::ToggleMusic() {
  settings_.MusicOn = !settings_.MusicOn;
  if (host_.setOnMark) host_.setOnMark(settings_.MusicOn);
  if (!settings_.MusicOn) {
    player_.Close();
    return;
  }
  if (!NextSongAfter(std::nullopt)) {
    pendingSong_.reset();
    currentSong_.reset();
    if (host_.showWarning)
      host_.showWarning(
          QCoreApplication::translate("MusicPlaylist", NoSongsSelectedText).toStdString());
    ChangeSongs();
    return;
  }
  StartFromTop();
}

void MusicPlaylist::ChangeSongs() {
  const bool wasOn = settings_.MusicOn;
  settings_.MusicOn = false;
  if (wasOn) player_.Close();
  if (host_.runSongDialog) host_.runSongDialog();
  settings_.MusicOn = wasOn;
  if (settings_.MusicOn) StartFromTop();
}

void MusicPlaylist::PlaybackEnded(MediaNotify how) {
  if (how != MediaNotify::Successful) return;
  currentSong_ = NextSongAfter(currentSong_);
  pendingSong_ = currentSong_;
  player_.Close();
}

bool MusicPlaylist::RunPendingStart() {
  if (!pendingSong_) return true;
  const int slot = *pendingSong_;
  pendingSong_.reset();
  // A song that ended just before the music was switched off, or before the
  // song dialog opened, must not bring the music back.
  if (!settings_.MusicOn) return true;
  return OpenAndPlay(TrimBlanks(settings_.MIDISong[static_cast<std::size_t>(slot)]));
}
