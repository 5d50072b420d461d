// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsLock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TempFolder.h"

namespace {

using State = SettingsLock::State;

// A child process that takes the lock, reports through a pipe whether it got
// it, and then holds it until it is killed.
class Holder {
 public:
  explicit Holder(const std::string& path) {
    int ends[2];
    if (::pipe(ends) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      const SettingsLock lock = SettingsLock::Take(path);
      const char got = lock.Result() == State::Held ? 'y' : 'n';
      [[maybe_unused]] const auto written = ::write(ends[1], &got, 1);
      for (;;) ::pause();
    }
    ::close(ends[1]);
    char got = 'n';
    held_ = ::read(ends[0], &got, 1) == 1 && got == 'y';
    ::close(ends[0]);
  }
  ~Holder() { Kill(); }
  bool Held() const { return held_; }
  void Kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  bool held_ = false;
};

TEST(SettingsLock, OneGamePerFileUntilTheHolderEnds) {
  TempFolder folder;
  const std::string path = folder.File("voltaro-slots/VOLTA.INI");
  Holder first(path);
  ASSERT_TRUE(first.Held());
  // The folder was made for the lock; the settings file itself is untouched.
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_EQ(SettingsLock::Take(path).Result(), State::HeldElsewhere);

  // Another settings file in another folder is free.
  EXPECT_EQ(SettingsLock::Take(folder.File("other/VOLTA.INI")).Result(), State::Held);

  // A killed game lets go of it.
  first.Kill();
  {
    const SettingsLock mine = SettingsLock::Take(path);
    EXPECT_EQ(mine.Result(), State::Held);
    Holder second(path);
    EXPECT_FALSE(second.Held());
  }
  // And so does one that ends normally.
  Holder third(path);
  EXPECT_TRUE(third.Held());
}

TEST(SettingsLock, NoFolderNoLockButNoRefusal) {
  TempFolder folder;
  const std::string blocker = folder.File("file");
  WriteBytes(blocker, "x");
  EXPECT_EQ(SettingsLock::Take(blocker + "/VOLTA.INI").Result(), State::Unavailable);
}

}  // namespace
