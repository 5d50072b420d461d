// SPDX-License-Identifier: GPL-3.0-or-later
#include "MusicPlaylist.h"

#include "FileReplace.h"
#include "MoneyText.h"

namespace {

constexpr int NoPlayableSlot = 9;
constexpr int PendingOffset = 10;

}  // namespace

MusicPlaylist::MusicPlaylist(Settings& settings, MediaPlayer& player, MusicPlaylistHost host)
    : settings_(settings), player_(player), host_(std::move(host)) {
  player_.SetNotifyHandler([this](MediaNotify how) { MediaPlayer1Notify(how); });
}

bool MusicPlaylist::IsPlayable(int slot) const {
  const auto n = static_cast<std::size_t>(slot);
  return settings_.PlayList[n] && !settings_.MIDISong[n].empty() &&
         FileExists(settings_.MIDISong[n]);
}

void MusicPlaylist::ChooseNextSong() {
  bool any = false;
  for (int slot = 0; slot < SongSlots && !any; ++slot) any = IsPlayable(slot);
  if (!any) {
    CurrentSong = NoPlayableSlot;
    return;
  }
  int p = CurrentSong + 1;
  if (p > SongSlots - 1) p = 0;
  while (!IsPlayable(p)) {
    ++p;
    if (p > SongSlots - 1) p = 0;
  }
  CurrentSong = p;
}

bool MusicPlaylist::StartSong(int slot) {
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
  CurrentSong = -1;
  ChooseNextSong();
  if (CurrentSong < SongSlots) StartSong(CurrentSong);
}

void MusicPlaylist::Timer2Timer() {
  if (settings_.MusicOn) StartFromTop();
}

void MusicPlaylist::On2Click() {
  settings_.MusicOn = !settings_.MusicOn;
  if (host_.setOnMark) host_.setOnMark(settings_.MusicOn);
  if (!settings_.MusicOn) {
    player_.Close();
    return;
  }
  CurrentSong = -1;
  ChooseNextSong();
  if (CurrentSong >= SongSlots) {
    if (host_.showWarning) host_.showWarning(NoSongsSelectedText);
    ChangeSongs1Click();
    return;
  }
  StartSong(CurrentSong);
}

void MusicPlaylist::ChangeSongs1Click() {
  const bool wasOn = settings_.MusicOn;
  settings_.MusicOn = false;
  if (wasOn) player_.Close();
  if (host_.runSongDialog) host_.runSongDialog();
  settings_.MusicOn = wasOn;
  if (settings_.MusicOn) StartFromTop();
}

void MusicPlaylist::MediaPlayer1Notify(MediaNotify how) {
  if (how != MediaNotify::Successful) return;
  ChooseNextSong();
  CurrentSong += PendingOffset;
  player_.Close();
}

bool MusicPlaylist::RunPendingStart() {
  if (CurrentSong < PendingOffset) return true;
  while (CurrentSong >= PendingOffset) CurrentSong -= PendingOffset;
  // A song that ended just before the music was switched off, or before the
  // song dialog opened, must not bring the music back.
  if (!settings_.MusicOn) return true;
  if (CurrentSong >= SongSlots) return true;
  return OpenAndPlay(TrimBlanks(settings_.MIDISong[static_cast<std::size_t>(CurrentSong)]));
}
