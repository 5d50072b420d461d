// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Whole-file reads and crash-safe whole-file writes.

// True when a regular file (or a link to one) is at path.
bool FileExists(const std::string& path);

enum class FileReadStatus { Read, Missing, Failed };

struct FileContents {
  FileReadStatus status = FileReadStatus::Missing;
  std::string bytes;
};

// Only a regular file (or a link to one) is read; anything else, such as a
// folder, a named pipe or a device, reads as Failed without waiting on it.
FileContents ReadWholeFile(const std::string& path);

struct FileOwnership {
  mode_t mode = 0;
  uid_t uid = 0;
  gid_t gid = 0;
};

struct UserIdentity {
  uid_t uid = 0;
  gid_t gid = 0;
  std::vector<gid_t> groups;  // supplementary groups
};

// Whether the file's permission bits let user write it: the bit of the
// class the user falls in. The super-user, whom the system lets write
// anything, is held to the owner's bit.
bool PermissionsAllowWriting(const FileOwnership& file, const UserIdentity& user);
UserIdentity CurrentUser();

// The file a replace of path writes: the file a symbolic link at path leads
// to, else path itself. Nothing when the link cannot be followed.
std::optional<std::string> ReplacedFilePath(const std::string& path);

// Writes bytes to a new file in the same folder, flushes it to the disk and
// renames it over path, so that a crash, a kill or a full disk at any moment
// leaves either the old file or the new one. Creates the folder when it is
// missing. Returns false, leaving the old file untouched, when any step fails,
// when the file at path is not a regular file, or when its permissions do not
// let this user write it (PermissionsAllowWriting).
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes);
