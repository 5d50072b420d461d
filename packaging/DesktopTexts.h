// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

// The English texts a launcher or software centre shows for the game: those
// of the desktop entry and those of the AppStream metainfo, each list under
// its translation context. voltaro_localize_desktop checks the configured
// files against these lists, so a text changed there must change here too.
namespace desktop_texts {

inline constexpr const char* EntryContext = "DesktopEntry";
inline constexpr const char* MetainfoContext = "Metainfo";

// Name, GenericName, Comment and Keywords, as written after the '='.
std::span<const char* const> EntryTexts();
// The summary, each paragraph of the description with its white space
// collapsed to single spaces, and the screenshot's caption.
std::span<const char* const> MetainfoTexts();

}  // namespace desktop_texts
