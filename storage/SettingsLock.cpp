// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <utility>

#include "FileReplace.h"
#include "StorageMessage.h"

namespace {

namespace fs = std::filesystem;

// The locks of this process, for the check before a write. Plain pointers
// with no destructor, so the check still works in a write at exit.
std::array<SettingsLock*, 8> registered{};

// The lock file of the file a write of settingsPath replaces: beside it,
// hidden, named after it.
std::optional<std::string> LockFilePath(const std::string& settingsPath) {
  const std::optional<std::string> replaced = ReplacedFilePath(settingsPath);
  if (!replaced) return std::nullopt;
  const fs::path file(*replaced);
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  return (folder / ("." + file.filename().string() + ".lock")).string();
}

std::string ErrorText(int error) { return std::strerror(error); }

// Close-on-exec, so that no program started from the game keeps the lock
// after the game has ended; never through a link, which could lead anywhere.
constexpr int OpenFlags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;

// Opens the lock file, made when it is missing. One that may only be read
// serves as well: a lock needs no writing.
int OpenLockFile(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | OpenFlags, 0644);
  if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM || errno == EISDIR))
    fd = ::open(path.c_str(), O_RDONLY | OpenFlags);
  return fd;
}

bool IsRegularFile(int fd) {
  struct stat info {};
  return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

bool SameFile(int fd, const std::string& path) {
  struct stat held {};
  struct stat there {};
  return ::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &there) == 0 &&
         held.st_dev == there.st_dev && held.st_ino == there.st_ino;
}

int LockWithoutWaiting(int fd) {
  int locked = 0;
  do {
    locked = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (locked != 0 && errno == EINTR);
  return locked == 0 ? 0 : errno;
}

}  // namespace

SettingsLock::SettingsLock(std::string settingsPath, std::string lockPath)
    : settingsPath_(std::move(settingsPath)), lockPath_(std::move(lockPath)) {}

SettingsLock SettingsLock::Take(const std::string& settingsPath) {
  if (SettingsPathRefused(settingsPath)) {
    SettingsLock refused(settingsPath, std::string());
    refused.state_ = State::Refused;
    refused.Register();
    return refused;
  }
  const std::optional<std::string> lockPath = LockFilePath(settingsPath);
  SettingsLock lock(settingsPath, lockPath.value_or(std::string()));
  if (!lockPath) {
    //: Why the game cannot keep other games off its settings file.
    lock.problem_ = StorageMessage(
        "SettingsLock",
        QT_TRANSLATE_NOOP("SettingsLock", "The link to the settings file cannot be followed."));
    lock.Register();
    return lock;
  }
  std::error_code ignored;
  fs::create_directories(fs::path(*lockPath).parent_path(), ignored);
  const int fd = OpenLockFile(*lockPath);
  if (fd < 0) {
    lock.problem_ = ErrorText(errno);
  } else if (!IsRegularFile(fd)) {
    //: Why the game cannot keep other games off its settings file; %1 is the full path of
    //: the lock file beside it.
    lock.problem_ = StorageMessage(
        "SettingsLock", QT_TRANSLATE_NOOP("SettingsLock", "%1 is not a file."), *lockPath);
    ::close(fd);
  } else if (const int error = LockWithoutWaiting(fd); error != 0) {
    lock.state_ = error == EWOULDBLOCK ? State::HeldElsewhere : State::Unavailable;
    lock.problem_ = ErrorText(error);
    ::close(fd);
  } else {
    lock.state_ = State::Held;
    lock.fd_ = fd;
  }
  // A game that runs without the lock asks for it again before each write.
  if (lock.state_ != State::HeldElsewhere) lock.Register();
  return lock;
}

bool SettingsLock::AllowsWriting() {
  if (state_ == State::HeldElsewhere) return false;
  // Asked at every write: something may have been put in the file's place.
  if (SettingsPathRefused(settingsPath_)) return false;
  const std::optional<std::string> lockPath = LockFilePath(settingsPath_);
  if (!lockPath) return false;
  if (fd_ >= 0 && *lockPath == lockPath_ && SameFile(fd_, lockPath_)) return true;

  // The lock no longer guards the file: take it again on a lock file of our
  // own making, or not at all.
  std::error_code ignored;
  fs::create_directories(fs::path(*lockPath).parent_path(), ignored);
  const int fd = ::open(lockPath->c_str(), O_RDWR | O_CREAT | O_EXCL | OpenFlags, 0644);
  if (fd < 0) return false;
  if (LockWithoutWaiting(fd) != 0) {
    ::close(fd);
    return false;
  }
  if (fd_ >= 0) ::close(fd_);
  fd_ = fd;
  lockPath_ = *lockPath;
  state_ = State::Held;
  problem_.clear();
  return true;
}

void SettingsLock::Register() {
  for (SettingsLock*& slot : registered) {
    if (slot == nullptr) {
      slot = this;
      return;
    }
  }
}

void SettingsLock::Unregister() {
  for (SettingsLock*& slot : registered)
    if (slot == this) slot = nullptr;
}

SettingsLock::SettingsLock(SettingsLock&& other) noexcept
    : state_(other.state_),
      fd_(std::exchange(other.fd_, -1)),
      settingsPath_(std::move(other.settingsPath_)),
      lockPath_(std::move(other.lockPath_)),
      problem_(std::move(other.problem_)) {
  for (SettingsLock*& slot : registered)
    if (slot == &other) slot = this;
}

SettingsLock& SettingsLock::operator=(SettingsLock&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    Unregister();
    state_ = other.state_;
    fd_ = std::exchange(other.fd_, -1);
    settingsPath_ = std::move(other.settingsPath_);
    lockPath_ = std::move(other.lockPath_);
    problem_ = std::move(other.problem_);
    for (SettingsLock*& slot : registered)
      if (slot == &other) slot = this;
  }
  return *this;
}

SettingsLock::~SettingsLock() {
  Unregister();
  if (fd_ >= 0) ::close(fd_);
}

bool SettingsPathRefused(const std::string& settingsPath) {
  const std::optional<std::string> replaced = ReplacedFilePath(settingsPath);
  // A link that cannot be followed has a box of its own (see Take).
  if (!replaced) return false;
  std::error_code error;
  const fs::path file = fs::weakly_canonical(*replaced, error);
  const std::string folder = (error ? fs::path(*replaced) : file).parent_path().string();
  for (const char* system : {"/dev", "/proc", "/sys"}) {
    const std::string_view prefix(system);
    if (folder.rfind(prefix, 0) == 0 &&
        (folder.size() == prefix.size() || folder[prefix.size()] == '/'))
      return true;
  }
  struct stat info {};
  if (::stat(replaced->c_str(), &info) != 0) return false;
  if (!S_ISREG(info.st_mode)) return true;
  // Opened without waiting, and checked again: something may have been swapped in.
  const int fd = ::open(replaced->c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return errno != ENOENT;
  const bool regular = IsRegularFile(fd);
  ::close(fd);
  return !regular;
}

bool SettingsFileMayBeWritten(const std::string& settingsPath) {
  for (SettingsLock* lock : registered)
    if (lock != nullptr && lock->SettingsPath() == settingsPath) return lock->AllowsWriting();
  return true;
}
