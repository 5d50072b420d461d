// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <set>
#include <string>
#include <vector>

#include "MediaPlayer.h"

// A media player that plays nothing and remembers what it was asked to do.
class FakeMediaPlayer : public MediaPlayer {
 public:
  void SetFileName(const std::string& fileName) override { fileName_ = fileName; }
  std::string FileName() const override { return fileName_; }
  bool Open(std::string& errorText) override {
    Close();
    if (unopenable.count(fileName_)) {
      errorText = "The file cannot be played on the MIDI device.";
      return false;
    }
    open = true;
    return true;
  }
  void Play() override {
    if (open) {
      played.push_back(fileName_);
      playing = true;
    }
  }
  void Close() override {
    if (open) ++closes;
    open = playing = false;
  }
  void SetNotifyHandler(std::function<void(MediaNotify)> handler) override {
    handler_ = std::move(handler);
  }

  // The song reaches its natural end.
  void Finish() {
    playing = false;
    if (handler_) handler_(MediaNotify::Successful);
  }
  void Report(MediaNotify how) {
    if (handler_) handler_(how);
  }

  std::vector<std::string> played;
  std::set<std::string> unopenable;
  bool open = false;
  bool playing = false;
  int closes = 0;

 private:
  std::string fileName_;
  std::function<void(MediaNotify)> handler_;
};
