// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// The game's command line: --help and --version are answered, Qt's standard
// options are left for Qt, and anything else is refused with the usage, all
// before any window or display is needed.
// Returns the exit code when the program should end here, nothing when the
// game should start.
std::optional<int> AnswerCommandLine(int argc, char* argv[]);
