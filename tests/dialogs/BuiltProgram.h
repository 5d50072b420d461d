// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The built game's folder: the art, sounds and help files the dialogs read.
inline QString ProgramDir() { return QStringLiteral(VOLTARO_RUNTIME_DIR); }
