#pragma once

#include <optional>
#include <string>
#include <string_view>

// Whole-file reads and crash-safe whole-file writes.

// True when a regular file (or a link to one) is at path.
bool FileExists(const std::string& path);

enum class FileReadStatus { Read, Missing, Failed };

struct FileContents {
  FileReadStatus status = FileReadStatus::Missing;
  std::string bytes;
};

FileContents ReadWholeFile(const std::string& path);

// Writes bytes to a new file in the same folder, flushes it to the disk and
// renames it over path, so that a crash, a kill or a full disk at any moment
// leaves either the old file or the new one. Creates the folder when it is
// missing. Returns false, leaving the old file untouched, when any step fails.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes);
