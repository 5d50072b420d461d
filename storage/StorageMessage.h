// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <string>
#include <string_view>

// A message of the file code for the player, in the player's language: text
// is marked with QT_TRANSLATE_NOOP(context, ...) where it is written, and
// value takes the place of %1 byte for byte, since a path need not be valid
// UTF-8.
std::string StorageMessage(const char* context, const char* text, std::string_view value = {});
