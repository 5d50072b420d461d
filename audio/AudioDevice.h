// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct MixerLibrary;

// The one audio output of the program: SDL's audio subsystem with the mixer
// opened on it. Opened on first use; when no device can be opened every
// sound and song is silently skipped, as when the sound library itself is
// missing.
namespace audio_device {

// Opens the device on first call; afterwards only reports the outcome.
bool Available();

// The functions of SDL and its mixer; only once Available() has said true.
const MixerLibrary& Mixer();

// The mixer channel that every event sound shares, so a new one cuts off the old.
inline constexpr int EffectChannel = 0;

}  // namespace audio_device
