// SPDX-License-Identifier: GPL-3.0-or-later
#include "MusicStream.h"

#include <QCoreApplication>
#include <QMetaObject>

#include "AudioDevice.h"
#include "MixerLibrary.h"
#include "SdlMusicPlayer.h"

using audio_device::Mixer;

MusicStream& MusicStream::Instance() {
  static MusicStream stream;
  return stream;
}

void MusicStream::AttachToMixer() { Mixer().HookMusicFinished(&MusicStream::OnMusicFinished); }

void MusicStream::Shutdown() {
  HaltQuietly();
  holder_ = nullptr;
  Mixer().HookMusicFinished(nullptr);
}

bool MusicStream::Start(SdlMusicPlayer* player) {
  if (holder_ && holder_ != player) {
    SdlMusicPlayer* previous = holder_;
    HaltQuietly();
    holder_ = nullptr;
    previous->Notify(MediaNotify::Superseded);
  }
  HaltQuietly();
  holder_ = player;
  ++play_;
  halting_ = true;  // starting a song may halt one the mixer still holds
  const bool started = Mixer().PlayMusic(player->Music(), 1) == 0;
  halting_ = false;
  if (!started) holder_ = nullptr;
  return started;
}

void MusicStream::Release(SdlMusicPlayer* player) {
  if (holder_ != player) return;
  HaltQuietly();
  holder_ = nullptr;
}

void MusicStream::HaltQuietly() {
  halting_ = true;
  Mixer().HaltMusic();
  halting_ = false;
}

// Runs on the audio thread when a song ends (or inside our own halts, which
// are ignored); the end is posted to the main thread.
void MusicStream::OnMusicFinished() {
  MusicStream& stream = Instance();
  if (stream.halting_) return;
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return;
  const unsigned play = stream.play_.load();
  QMetaObject::invokeMethod(
      app, [play] { Instance().DeliverFinished(play); }, Qt::QueuedConnection);
}

void MusicStream::DeliverFinished(unsigned play) {
  if (play != play_.load() || !holder_) return;
  SdlMusicPlayer* finished = holder_;
  holder_ = nullptr;
  finished->Notify(MediaNotify::Successful);
}
