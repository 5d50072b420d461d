// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <string>
#include <string_view>

// A message from the file code for the player, translated: `text` is marked
// with QT_TRANSLATE_NOOP(context, ...) where it is written, and `value`
// replaces %1 byte for byte, since a path need not be valid UTF-8.
std::string StorageMessage(const char* context, const char* text, std::string_view value = {});
