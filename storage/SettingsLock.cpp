// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <utility>

SettingsLock SettingsLock::Take(const std::string& settingsPath) {
  namespace fs = std::filesystem;
  const fs::path path(settingsPath);
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  std::error_code error;
  fs::create_directories(folder, error);
  // Close-on-exec, so that no program started from the game keeps the lock
  // after the game has ended.
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return {State::Unavailable, -1};
  int locked = 0;
  do {
    locked = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (locked != 0 && errno == EINTR);
  if (locked == 0) return {State::Held, fd};
  const State state = errno == EWOULDBLOCK ? State::HeldElsewhere : State::Unavailable;
  ::close(fd);
  return {state, -1};
}

SettingsLock::SettingsLock(SettingsLock&& other) noexcept
    : state_(other.state_), fd_(std::exchange(other.fd_, -1)) {}

SettingsLock& SettingsLock::operator=(SettingsLock&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    state_ = other.state_;
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

SettingsLock::~SettingsLock() {
  if (fd_ >= 0) ::close(fd_);
}
