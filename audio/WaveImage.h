// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// The bytes of a complete RIFF wave file holding 16-bit PCM samples
// (interleaved when channels is 2). Shared by the build-time sound generator
// and the built-in default sound, so both write the same well-formed header.
std::vector<std::uint8_t> MakeWaveImage(const std::vector<std::int16_t>& samples, int sampleRate,
                                        int channels);
