// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The encodings a settings file may come in. Text is held as UTF-8 in memory.

bool IsValidUtf8(std::string_view text);

// Bytes 0x80-0x9F as Windows-1252 spells them, the rest as Latin-1.
std::string Windows1252ToUtf8(std::string_view bytes);

// A text value from the file: UTF-8 as it is, anything else as Windows-1252,
// the encoding older systems wrote such files in.
std::string TextFromFile(std::string_view bytes);

// How many bytes the first `characters` characters of text take. Valid UTF-8
// counts whole code points; anything else counts one byte as one character.
std::size_t CharacterPrefixBytes(std::string_view text, std::size_t characters);

// UTF-16 without its byte order mark to UTF-8. A lone surrogate is kept as the
// three-byte form of its code unit, so that it converts back unchanged.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);

// The reverse of Utf16ToUtf8. A byte that is not part of a UTF-8 character is
// taken as Windows-1252.
std::string Utf8ToUtf16(std::string_view text, bool bigEndian);
