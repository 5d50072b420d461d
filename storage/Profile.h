// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ProfileText.h"

// The profile file on disk: each operation opens the file by its full path and
// lets go of it at the end. A missing or unreadable file reads as empty.

ProfileText LoadProfile(const std::string& path);

std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view defaultValue);

using ProfileEntries = std::vector<std::pair<std::string, std::string>>;

// Writes the entries into section in their order, as if each were written on its
// own, but replaces the file only once, so either all of them land or none.
// Returns the player's error text ("Unable to write to <path>") on failure.
std::optional<std::string> WriteProfileEntries(const std::string& path, std::string_view section,
                                               const ProfileEntries& entries);

// One section's part of a write: its entries, merged into the keys already
// there, or replacing the whole section so that keys it no longer has go.
using ProfileSectionWrite = ProfileText::SectionEntries;

// Several sections written in one replace of the file; every other section
// comes back byte for byte. Either all of them land or none.
std::optional<std::string> WriteProfileSections(const std::string& path,
                                                const std::vector<ProfileSectionWrite>& writes);

std::optional<std::string> WriteProfileString(const std::string& path, std::string_view section,
                                              std::string_view key, std::string_view value);

std::string UnableToWriteMessage(const std::string& path);
