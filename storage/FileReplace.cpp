// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileReplace.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <random>

namespace {

namespace fs = std::filesystem;

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Makes the rename itself durable; without this a power cut can bring back the
// old directory entry.
bool SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

// Opens a fresh file beside path; the name is unique so that two writers never
// share one.
int CreateTemporaryBeside(const std::string& path, std::string& tempPath) {
  static std::atomic<unsigned> counter{0};
  std::random_device entropy;
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
               std::to_string(entropy());
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// A writer killed between creating its temporary file and the rename leaves
// the file behind. Temporary files are named after their process, so those of
// processes that no longer run are removed; a running copy's are left alone.
void RemoveLeftovers(const fs::path& target) {
  const std::string prefix = target.filename().string() + ".tmp-";
  std::error_code error;
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(prefix, 0) != 0) continue;
    const std::string rest = name.substr(prefix.size());
    const long pid = std::strtol(rest.c_str(), nullptr, 10);
    if (pid <= 0 || pid == ::getpid()) continue;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) fs::remove(entry.path(), error);
  }
}

}  // namespace

FileContents ReadWholeFile(const std::string& path) {
  // Opened without waiting, so a named pipe in the file's place cannot hold
  // the game; what was opened is then checked, not the name, so nothing can
  // be swapped in between.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0)
    return {errno == ENOENT || errno == ENOTDIR ? FileReadStatus::Missing : FileReadStatus::Failed,
            {}};
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    // A folder, a pipe or a device such as /dev/zero is no settings file.
    ::close(fd);
    return {FileReadStatus::Failed, {}};
  }
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[1 << 16];
  bool ok = true;
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ok = got == 0;
      break;
    }
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  if (!ok) return {FileReadStatus::Failed, {}};
  return {FileReadStatus::Read, std::move(bytes)};
}

bool PermissionsAllowWriting(const FileOwnership& file, const UserIdentity& user) {
  // The super-user could write anything, but a file its owner made
  // read-only must not change.
  if (user.uid == 0) return (file.mode & S_IWUSR) != 0;
  if (user.uid == file.uid) return (file.mode & S_IWUSR) != 0;
  const bool inGroup = user.gid == file.gid || std::find(user.groups.begin(), user.groups.end(),
                                                         file.gid) != user.groups.end();
  return (file.mode & (inGroup ? S_IWGRP : S_IWOTH)) != 0;
}

UserIdentity CurrentUser() {
  UserIdentity user{::geteuid(), ::getegid(), {}};
  const int count = ::getgroups(0, nullptr);
  if (count > 0) {
    user.groups.resize(static_cast<std::size_t>(count));
    const int got = ::getgroups(count, user.groups.data());
    user.groups.resize(static_cast<std::size_t>(std::max(got, 0)));
  }
  return user;
}

std::optional<std::string> ReplacedFilePath(const std::string& path) {
  // A settings file that is a symbolic link (as dot-file managers make) stays one:
  // the file it points to is replaced, not the link.
  std::error_code error;
  if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
  std::string target = fs::weakly_canonical(path, error).string();
  if (error) return std::nullopt;
  return target;
}

bool ReplaceFileAtomically(const std::string& linkOrPath, std::string_view bytes) {
  const std::optional<std::string> replaced = ReplacedFilePath(linkOrPath);
  if (!replaced) return false;
  const std::string& path = *replaced;
  std::error_code error;
  const fs::path target(path);
  const std::string folder =
      target.has_parent_path() ? target.parent_path().string() : std::string(".");
  fs::create_directories(folder, error);
  if (error) return false;

  // Only a regular file is ever replaced, and only when its permissions let
  // this user write it: the rename itself would get past both.
  std::optional<struct stat> existing;
  if (struct stat info{}; ::stat(path.c_str(), &info) == 0) {
    if (!S_ISREG(info.st_mode)) return false;
    if (!PermissionsAllowWriting({info.st_mode, info.st_uid, info.st_gid}, CurrentUser()))
      return false;
    existing = info;
  } else if (errno != ENOENT) {
    return false;
  }

  std::string tempPath;
  const int fd = CreateTemporaryBeside(path, tempPath);
  if (fd < 0) return false;

  // The new file keeps the permissions of the one it replaces.
  bool ok = true;
  if (existing) ok = ::fchmod(fd, existing->st_mode & 07777) == 0;
  ok = ok && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::rename(tempPath.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(tempPath.c_str());
    return false;
  }
  SyncFolder(folder);
  RemoveLeftovers(target);
  return true;
}

bool FileExists(const std::string& path) {
  std::error_code ignored;
  return !path.empty() && fs::is_regular_file(path, ignored);
}
