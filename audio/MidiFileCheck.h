// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Whether the file at path is a complete standard MIDI file (or one wrapped
// in RIFF, as .rmi files are) that the synthesizer can play to its end.
bool IsPlayableMidi(const std::string& path);
