// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// One running game per settings file, however the file is reached. The lock
// is taken on a lock file beside the file itself (past any symbolic link to
// it), so two config folders that lead to one file share it, and a folder
// that may be written but not read can still hold it. The system lets go of
// it when the process ends in any way, so a game that crashed never blocks the
// next start.
//
// A game writes its settings file only while it holds the lock on it (see
// SettingsFileMayBeWritten), so a game whose folder was removed and made again
// never writes over another game that has the file since.
class SettingsLock {
 public:
  enum class State {
    Held,           // this run has the file
    HeldElsewhere,  // another running game has it
    Unavailable,    // no lock can be taken here (no folder, no lock file, or
                    // no locks on this file system); the file is not written
                    // until one can
    Refused,        // no settings file can be saved at the path (SettingsPathRefused):
                    // no lock file is made, and the file is not written while
                    // that lasts
  };

  // Creates the folder when it is missing, as the first save would.
  static SettingsLock Take(const std::string& settingsPath);

  SettingsLock(SettingsLock&& other) noexcept;
  SettingsLock& operator=(SettingsLock&& other) noexcept;
  SettingsLock(const SettingsLock&) = delete;
  SettingsLock& operator=(const SettingsLock&) = delete;
  ~SettingsLock();

  State Result() const { return state_; }
  const std::string& SettingsPath() const { return settingsPath_; }
  // Why an Unavailable lock could not be taken, for the player.
  const std::string& Problem() const { return problem_; }

  // Whether the file may be written now: the lock still guards the file the
  // path reaches. When the folder or the lock file was removed, or a link now
  // leads elsewhere, the lock is taken again, but only on a lock file made
  // here and now: one that is already there means another game may have had
  // the file since, and its play must not be written over.
  bool AllowsWriting();

 private:
  SettingsLock(std::string settingsPath, std::string lockPath);
  void Register();
  void Unregister();

  State state_ = State::Unavailable;
  int fd_ = -1;
  std::string settingsPath_;  // as the game names it
  std::string lockPath_;      // the lock file that fd_ holds
  std::string problem_;
};

// Asked before every write of a settings file: false when this process has
// a lock on that path that no longer allows writing (AllowsWriting). A path
// without a lock in this process may always be written.
bool SettingsFileMayBeWritten(const std::string& settingsPath);

// True when what stands at the settings path, past any link, is nothing the
// game can read and replace: a folder, a named pipe, a device, a file it may
// not read, or anything in /dev, /proc or /sys. A missing file, or a link to
// one elsewhere, is not refused: the first write makes it. Never waits on
// what it opens.
bool SettingsPathRefused(const std::string& settingsPath);
