// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// The sound heard in place of a wave file that cannot be played: a short
// two-tone chime, made in code so that it can never be missing itself.
std::vector<std::uint8_t> DefaultSoundImage();
