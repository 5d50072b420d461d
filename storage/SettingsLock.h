// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// One running game per settings file. The lock is taken on the folder that
// holds the file, which stays the same while the file itself is replaced by
// every save, and it is held until the object goes. The system lets go of it
// when the process ends in any way, so a game that crashed never blocks the
// next start.
class SettingsLock {
 public:
  enum class State {
    Held,           // this run has the file
    HeldElsewhere,  // another running game has it
    Unavailable,    // no lock can be taken here (no folder, or no locks on
                    // this file system); the game runs as it would without
  };

  // Creates the folder when it is missing, as the first save would.
  static SettingsLock Take(const std::string& settingsPath);

  SettingsLock(SettingsLock&& other) noexcept;
  SettingsLock& operator=(SettingsLock&& other) noexcept;
  SettingsLock(const SettingsLock&) = delete;
  SettingsLock& operator=(const SettingsLock&) = delete;
  ~SettingsLock();

  State Result() const { return state_; }

 private:
  SettingsLock(State state, int fd) : state_(state), fd_(fd) {}

  State state_ = State::Unavailable;
  int fd_ = -1;
};
