// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTemporaryDir>
#include <string>

// A scratch program folder for the tests, removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder();
  // The folder with a trailing '/', like the program's folder.
  std::string Dir() const;
  std::string Path(const std::string& name) const { return Dir() + name; }

  // A mono 16-bit wave file of the given length.
  std::string WriteWave(const std::string& name, int milliseconds) const;
  // A file with the given bytes (a song, or something that is no sound at all).
  std::string WriteBytes(const std::string& name, const std::string& bytes) const;

 private:
  QTemporaryDir dir_;
};

// The folder the build puts the game's sounds and songs in.
std::string RuntimeDir();
