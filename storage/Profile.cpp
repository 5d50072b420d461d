// SPDX-License-Identifier: GPL-3.0-or-later
#include "Profile.h"

#include "FileReplace.h"
#include "SettingsLock.h"
#include "StorageMessage.h"

ProfileText LoadProfile(const std::string& path) {
  const FileContents contents = ReadWholeFile(path);
  return ProfileText::Parse(contents.bytes);
}

std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view defaultValue) {
  return LoadProfile(path).Read(section, key, defaultValue);
}

std::string UnableToWriteMessage(const std::string& path) {
  //: %1 is the settings file's full path.
  return StorageMessage("Profile", QT_TRANSLATE_NOOP("Profile", "Unable to write to %1"), path);
}

std::optional<std::string> WriteProfileEntries(const std::string& path, std::string_view section,
                                               const ProfileEntries& entries) {
  return WriteProfileSections(path, {{std::string(section), entries, false}});
}

std::optional<std::string> WriteProfileSections(const std::string& path,
                                                const std::vector<ProfileSectionWrite>& writes) {
  // Checked first: a game that lost its file to another copy must not even
  // read it to write it back.
  if (!SettingsFileMayBeWritten(path)) return UnableToWriteMessage(path);
  const FileContents contents = ReadWholeFile(path);
  // A file that exists but cannot be read must not be replaced by one holding
  // only these entries.
  if (contents.status == FileReadStatus::Failed) return UnableToWriteMessage(path);

  ProfileText file = ProfileText::Parse(contents.bytes);
  file.Write(writes);
  if (!ReplaceFileAtomically(path, file.Bytes())) return UnableToWriteMessage(path);
  return std::nullopt;
}

std::optional<std::string> WriteProfileString(const std::string& path, std::string_view section,
                                              std::string_view key, std::string_view value) {
  return WriteProfileEntries(path, section, {{std::string(key), std::string(value)}});
}
