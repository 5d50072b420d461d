// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

// How a play ended, as the player reports it.
enum class MediaNotify { Successful, Superseded, Aborted, Failure };

// A player that opens one song file, plays it and reports the end of play.
class MediaPlayer {
 public:
  virtual ~MediaPlayer() = default;

  virtual void SetFileName(const std::string& fileName) = 0;
  virtual std::string FileName() const = 0;
  // Opens FileName, closing a file still open first. On failure returns false
  // and gives the device's error text, translated where it is the player's own.
  virtual bool Open(std::string& errorText) = 0;
  // Starts the open file and returns at once; a play that cannot start is silent.
  virtual void Play() = 0;
  // Stops and releases the file; does nothing when none is open.
  virtual void Close() = 0;
  // Receives the end-of-play notification, always on the main thread.
  virtual void SetNotifyHandler(std::function<void(MediaNotify)> handler) = 0;
};
