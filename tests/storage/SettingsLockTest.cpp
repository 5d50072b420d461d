// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsLock.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>

#include "Profile.h"
#include "TempFolder.h"

namespace {

using State = SettingsLock::State;

// A child process that takes the lock, reports through a pipe whether it got
// it, and then holds it until it is killed, writing the settings file as a
// game does whenever it is asked to.
class Holder {
 public:
  explicit Holder(const std::string& path) {
    int up[2];
    int down[2];
    if (::pipe(up) != 0 || ::pipe(down) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      SettingsLock lock = SettingsLock::Take(path);
      Answer(up[1], lock.Result() == State::Held);
      char asked = 0;
      while (::read(down[0], &asked, 1) == 1)
        Answer(up[1], !WriteProfileString(path, "Settings", "Credits", "1.00"));
      ::_exit(0);
    }
    ::close(up[1]);
    ::close(down[0]);
    answers_ = up[0];
    asks_ = down[1];
    held_ = Answered();
  }
  ~Holder() { Kill(); }
  bool Held() const { return held_; }
  // Whether the holder's write went through.
  bool Write() { return ::write(asks_, "w", 1) == 1 && Answered(); }
  void Kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    ::close(answers_);
    ::close(asks_);
    pid_ = -1;
  }

 private:
  static void Answer(int fd, bool yes) {
    [[maybe_unused]] const auto written = ::write(fd, yes ? "y" : "n", 1);
  }
  bool Answered() {
    char got = 'n';
    return ::read(answers_, &got, 1) == 1 && got == 'y';
  }

  pid_t pid_ = -1;
  int answers_ = -1;
  int asks_ = -1;
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

TEST(SettingsLock, OneFileReachedThroughLinksHasOneLock) {
  TempFolder folder;
  namespace fs = std::filesystem;
  const std::string real = folder.File("a/voltaro-slots/VOLTA.INI");
  fs::create_directories(folder.File("a/voltaro-slots"));
  WriteBytes(real, "[Settings]\r\n");
  // Another config folder whose file is a link to the first one's, and one
  // whose whole folder is a link to it.
  fs::create_directories(folder.File("b/voltaro-slots"));
  fs::create_symlink("../../a/voltaro-slots/VOLTA.INI", folder.File("b/voltaro-slots/VOLTA.INI"));
  fs::create_directories(folder.File("c"));
  fs::create_directory_symlink(folder.File("a/voltaro-slots"), folder.File("c/voltaro-slots"));

  Holder throughLink(folder.File("b/voltaro-slots/VOLTA.INI"));
  ASSERT_TRUE(throughLink.Held());
  EXPECT_EQ(SettingsLock::Take(real).Result(), State::HeldElsewhere);
  EXPECT_EQ(SettingsLock::Take(folder.File("c/voltaro-slots/VOLTA.INI")).Result(),
            State::HeldElsewhere);
  throughLink.Kill();
  Holder direct(real);
  ASSERT_TRUE(direct.Held());
  EXPECT_EQ(SettingsLock::Take(folder.File("b/voltaro-slots/VOLTA.INI")).Result(),
            State::HeldElsewhere);
  EXPECT_EQ(ReadBytes(real), "[Settings]\r\n");
}

TEST(SettingsLock, AFolderMadeAgainIsTakenBackOnlyWhenNoOtherGameHasIt) {
  TempFolder folder;
  namespace fs = std::filesystem;
  const std::string path = folder.File("voltaro-slots/VOLTA.INI");
  Holder first(path);
  ASSERT_TRUE(first.Held());

  // Removed while the game runs: its next write makes the folder again and
  // holds it again, so a second start is still refused.
  fs::remove_all(folder.File("voltaro-slots"));
  EXPECT_TRUE(first.Write());
  EXPECT_TRUE(fs::exists(path));
  EXPECT_EQ(SettingsLock::Take(path).Result(), State::HeldElsewhere);

  // A game that took the new folder first has the file: the first game's
  // writes go nowhere, even after the other has ended, whose play is kept.
  fs::remove_all(folder.File("voltaro-slots"));
  {
    const SettingsLock second = SettingsLock::Take(path);
    ASSERT_EQ(second.Result(), State::Held);
    WriteBytes(path, "[Settings]\r\nCredits=7.00\r\n");
    EXPECT_FALSE(first.Write());
  }
  EXPECT_FALSE(first.Write());
  EXPECT_EQ(ReadBytes(path), "[Settings]\r\nCredits=7.00\r\n");
}

TEST(SettingsLock, AFolderThatCannotBeReadStillLocks) {
  TempFolder folder;
  const std::string path = folder.File("voltaro-slots/VOLTA.INI");
  // As a player: the super-user reads any folder whatever its mode.
  const pid_t child = fork();
  if (child == 0) {
    constexpr uid_t Nobody = 65534;
    if (::geteuid() == 0 &&
        (::chown(folder.Path().c_str(), Nobody, Nobody) != 0 || ::setgroups(0, nullptr) != 0 ||
         ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0))
      ::_exit(99);
    std::error_code error;
    std::filesystem::create_directories(folder.File("voltaro-slots"), error);
    if (::chmod(folder.File("voltaro-slots").c_str(), 0300) != 0) ::_exit(98);
    const SettingsLock first = SettingsLock::Take(path);
    const SettingsLock second = SettingsLock::Take(path);
    ::_exit(10 * static_cast<int>(first.Result()) + static_cast<int>(second.Result()));
  }
  int status = -1;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ::chmod(folder.File("voltaro-slots").c_str(), 0700);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status),
            10 * static_cast<int>(State::Held) + static_cast<int>(State::HeldElsewhere));
}

TEST(SettingsLock, NoLockNoWrite) {
  TempFolder folder;
  const std::string blocker = folder.File("file");
  WriteBytes(blocker, "x");
  EXPECT_EQ(SettingsLock::Take(blocker + "/VOLTA.INI").Result(), State::Unavailable);

  // A lock file that cannot be one: the game says so and writes nothing.
  const std::string path = folder.File("game/VOLTA.INI");
  std::filesystem::create_directories(folder.File("game/.VOLTA.INI.lock"));
  SettingsLock lock = SettingsLock::Take(path);
  EXPECT_EQ(lock.Result(), State::Unavailable);
  EXPECT_FALSE(lock.Problem().empty());
  EXPECT_NE(WriteProfileString(path, "Settings", "Credits", "1.00"), std::nullopt);
  EXPECT_FALSE(std::filesystem::exists(path));
}

// Something no settings file can be kept in is refused at once, without
// waiting on a pipe, and no lock file is made beside it or in /dev; a
// missing file is the first start's.
TEST(SettingsLock, WhatIsNoSettingsFileIsRefusedWithoutALockFile) {
  namespace fs = std::filesystem;
  const bool devLockBefore = fs::exists("/dev/.zero.lock");
  for (const char* kind : {"folder", "pipe", "link to /dev/zero", "missing"}) {
    SCOPED_TRACE(kind);
    TempFolder folder;
    const std::string path = folder.File("VOLTA.INI");
    const std::string made = kind;
    if (made == "folder") fs::create_directory(path);
    if (made == "pipe") {
      ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    }
    if (made == "link to /dev/zero") fs::create_symlink("/dev/zero", path);
    ::alarm(10);  // a start held by the pipe fails rather than hangs
    SettingsLock lock = SettingsLock::Take(path);
    ::alarm(0);
    EXPECT_EQ(SettingsPathRefused(path), made != "missing");
    if (made == "missing") {
      EXPECT_EQ(lock.Result(), State::Held);
      continue;
    }
    EXPECT_EQ(lock.Result(), State::Refused);
    EXPECT_FALSE(lock.AllowsWriting());
    EXPECT_NE(WriteProfileString(path, "Settings", "Credits", "1.00"), std::nullopt);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);
  }
  EXPECT_EQ(fs::exists("/dev/.zero.lock"), devLockBefore);
}

}  // namespace
