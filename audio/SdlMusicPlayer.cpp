// SPDX-License-Identifier: GPL-3.0-or-later
#include "SdlMusicPlayer.h"

#include <QCoreApplication>
#include <string>

#include "AudioDevice.h"
#include "MidiFileCheck.h"
#include "MixerLibrary.h"
#include "MusicStream.h"

using audio_device::Mixer;

SdlMusicPlayer::~SdlMusicPlayer() { Close(); }

bool SdlMusicPlayer::Open(std::string& errorText) {
  Close();
  // Without a device there is nothing to open into: the music is silent.
  if (!audio_device::Available()) return true;
  music_ = Mixer().LoadMUS(fileName_.c_str());
  if (music_ && Mixer().GetMusicType(music_) == MUS_MID && !IsPlayableMidi(fileName_)) {
    Mixer().FreeMusic(music_);
    music_ = nullptr;
    errorText = QCoreApplication::translate("SdlMusicPlayer",
                                            "The file cannot be played on the MIDI sequencer. It "
                                            "may be damaged or not a MIDI file.")
                    .toStdString();
    return false;
  }
  if (music_) return true;
  // The mixer's own reason is in English: it comes as the mixer gives it.
  errorText = Mixer().GetError();
  if (errorText.empty())
    errorText = QCoreApplication::translate("SdlMusicPlayer", "The file could not be opened: %1")
                    .arg(QString::fromStdString(fileName_))
                    .toStdString();
  return false;
}

void SdlMusicPlayer::Play() {
  if (!music_) return;
  MusicStream::Instance().Start(this);
}

void SdlMusicPlayer::Close() {
  if (!music_) return;
  MusicStream::Instance().Release(this);
  Mixer().FreeMusic(music_);
  music_ = nullptr;
}

void SdlMusicPlayer::SetNotifyHandler(std::function<void(MediaNotify)> handler) {
  handler_ = std::move(handler);
}

void SdlMusicPlayer::Notify(MediaNotify how) {
  if (handler_) handler_(how);
}
