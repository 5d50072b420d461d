// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowProbe.h"

#include "MachineFace.h"
#include "MusicPlaylist.h"
#include "Slot.h"
#include "SoundPlayer.h"

MachineFace& FaceOf(const TForm1& form) {
  auto* face = form.findChild<MachineFace*>(QStringLiteral("MachineFace"));
  Q_ASSERT(face != nullptr);
  return *face;
}

const GameState& WindowProbe::State() const { return form_.session_->State(); }
const GameState& WindowProbe::Shown() const { return form_.session_->Shown(); }
const Settings& WindowProbe::CurrentSettings() const { return form_.settings_; }
const PlayerRecords& WindowProbe::Records() const { return form_.session_->Records(); }
int WindowProbe::SpinDelay() const { return form_.session_->SpinDelay(); }
QString WindowProbe::ProgramDir() const { return form_.environment_.programDir; }

bool WindowProbe::Playing() const { return form_.session_->Playing(); }
bool WindowProbe::Busy() const { return form_.session_->Busy(); }
bool WindowProbe::Hurry() { return form_.session_->Hurry(); }

void WindowProbe::RestoreGame(const GameState& game) { form_.session_->RestoreGame(game); }
MoneyMove WindowProbe::Borrow(double amount) { return form_.session_->Borrow(amount); }
void WindowProbe::SaveNow() { form_.session_->SaveNow(); }

DialogServices& WindowProbe::Dialogs() { return form_.environment_.dialogs; }
DialogServices WindowProbe::Services() { return form_.Services(); }

const HelpViewer& WindowProbe::Help() const { return form_.help_; }

std::optional<int> WindowProbe::CurrentSong() const { return form_.music_->CurrentSong(); }
std::optional<int> WindowProbe::PendingSong() const { return form_.music_->PendingSong(); }
void WindowProbe::EndSong() { form_.music_->PlaybackEnded(MediaNotify::Successful); }

void WindowProbe::WatchSounds(std::function<void(const SoundStart&)> observer) {
  form_.sounds_->SetObserver(std::move(observer));
}
int WindowProbe::PlaySound(SoundEvent event) { return form_.PlayEventSound(event); }
bool WindowProbe::HasEventWave(SoundEvent event) { return form_.sounds_->HasEventWave(event); }
