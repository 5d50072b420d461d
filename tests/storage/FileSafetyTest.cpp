// SPDX-License-Identifier: GPL-3.0-or-later
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <random>
#include <thread>

#include "ConfigLocation.h"
#include "FileReplace.h"
#include "SettingsFile.h"
#include "Slots.h"
#include "TempFolder.h"

namespace {

GameState GameWithCredits(double credits) {
  GameState game;
  game.Credits = credits;
  return game;
}

std::string WriteSettings(const std::string& path, double credits) {
  GameState game = GameWithCredits(credits);
  Settings settings = DefaultSettings("/opt/voltaro/");
  bool maxed = false;
  return SaveSettingsFile(path, game, settings, maxed).value_or("");
}

TEST(FileSafety, FailedWritesReportThePathAndChangeNothing) {
  TempFolder folder;
  const std::string blocker = folder.File("not-a-folder");
  WriteBytes(blocker, "x");
  const std::string underFile = blocker + "/VOLTA.INI";
  EXPECT_EQ(WriteSettings(underFile, 1), "Unable to write to " + underFile);
  // The path byte for byte, even where it is no UTF-8 or looks like a placeholder.
  const std::string oddName = blocker + "/caf\xe9 %1/VOLTA.INI";
  EXPECT_EQ(WriteSettings(oddName, 1), "Unable to write to " + oddName);

  const std::string isFolder = folder.File("VOLTA.INI");
  std::filesystem::create_directory(isFolder);
  EXPECT_EQ(WriteSettings(isFolder, 1), "Unable to write to " + isFolder);
  EXPECT_TRUE(std::filesystem::is_directory(isFolder));
  EXPECT_EQ(EntriesIn(folder.Path()), 2);  // no temporary file left behind
}

TEST(FileSafety, FullDiskLeavesTheOldFile) {
  TempFolder folder;
  const std::string path = folder.File("VOLTA.INI");
  const std::string old = "[Settings]\r\nCredits=77.00\r\n";
  WriteBytes(path, old);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // A file size limit makes writes fail the way a full disk does.
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{600, 600};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    _exit(WriteSettings(path, 1) == "Unable to write to " + path ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_EQ(EntriesIn(folder.Path()), 1);
}

TEST(FileSafety, ReplacementKeepsPermissionsAndLinksAndCreatesTheFolder) {
  TempFolder folder;
  const std::string path = folder.File("a/b/VOLTA.INI");
  ASSERT_TRUE(ReplaceFileAtomically(path, "one"));
  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(ReplaceFileAtomically(path, "two"));
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_EQ(ReadBytes(path), "two");

  const std::string link = folder.File("link.ini");
  std::filesystem::create_symlink(path, link);
  ASSERT_TRUE(ReplaceFileAtomically(link, "three"));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadBytes(path), "three");
}

// A writer killed at any moment leaves the old file or the new one, whole.
TEST(FileSafety, KilledWriterNeverLeavesADamagedFile) {
  TempFolder folder;
  const std::string path = folder.File("VOLTA.INI");
  // A large unrelated section makes every write long enough to be cut in the middle.
  std::string padding = "[Padding]\r\n";
  for (int i = 0; i < 3000; ++i) padding += "Line" + std::to_string(i) + "=some text\r\n";
  WriteBytes(path, padding);
  const auto started = std::chrono::steady_clock::now();
  ASSERT_EQ(WriteSettings(path, 2), "");
  const std::string second = ReadBytes(path);
  ASSERT_EQ(WriteSettings(path, 1), "");
  const std::string first = ReadBytes(path);
  ASSERT_NE(first, second);
  const auto oneWrite = std::chrono::duration_cast<std::chrono::microseconds>(
                            std::chrono::steady_clock::now() - started) /
                        2;

  // Kill times spread over a few writes, so some land inside a write and some
  // after one has finished.
  std::mt19937 random(12345);
  std::uniform_int_distribution<long> delayMicroseconds(0, 3 * oneWrite.count() + 1000);
  int sawFirst = 0;
  int sawSecond = 0;
  int sawLeftovers = 0;
  for (int round = 0; round < 150; ++round) {
    const pid_t writer = fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
      for (int i = 0;; ++i) WriteSettings(path, i % 2 == 0 ? 2 : 1);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
    ::kill(writer, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(writer, &status, 0), writer);
    const std::string found = ReadBytes(path);
    ASSERT_TRUE(found == first || found == second)
        << "damaged file after round " << round << ", " << found.size() << " bytes";
    (found == first ? sawFirst : sawSecond)++;
    if (EntriesIn(folder.Path()) > 1) ++sawLeftovers;
  }
  // Both contents turned up, and temporary files of cut-off writes were left,
  // so kills landed both between writes and inside them.
  EXPECT_GT(sawFirst, 0);
  EXPECT_GT(sawSecond, 0);
  EXPECT_GT(sawLeftovers, 0);

  // The next write clears what the killed writers left behind.
  ASSERT_EQ(WriteSettings(path, 1), "");
  EXPECT_EQ(EntriesIn(folder.Path()), 1);
  EXPECT_EQ(ReadBytes(path), first);
}

struct PermissionCase {
  const char* what;
  mode_t mode;
  UserIdentity user;
  bool allowed;
};

void PrintTo(const PermissionCase& c, std::ostream* out) { *out << c.what; }

class WritePermission : public testing::TestWithParam<PermissionCase> {};

// The file is owned by user 1000, group 100.
TEST_P(WritePermission, FollowsTheBitOfTheUsersClass) {
  const PermissionCase& c = GetParam();
  EXPECT_EQ(PermissionsAllowWriting({c.mode, 1000, 100}, c.user), c.allowed) << c.what;
}

const UserIdentity Owner{1000, 100, {}};
const UserIdentity GroupMember{1001, 200, {100}};
const UserIdentity Stranger{1002, 200, {300}};
const UserIdentity Root{0, 0, {}};

INSTANTIATE_TEST_SUITE_P(
    Classes, WritePermission,
    testing::Values(PermissionCase{"owner, 0644", 0644, Owner, true},
                    PermissionCase{"owner, locked 0444", 0444, Owner, false},
                    PermissionCase{"owner, 0466: other bits do not help", 0466, Owner, false},
                    PermissionCase{"group member, 0664", 0664, GroupMember, true},
                    PermissionCase{"group member, 0646", 0646, GroupMember, false},
                    PermissionCase{"primary group", 0464, {1003, 100, {}}, true},
                    PermissionCase{"stranger, 0666", 0666, Stranger, true},
                    PermissionCase{"stranger, 0664", 0664, Stranger, false},
                    PermissionCase{"root, 0644", 0644, Root, true},
                    PermissionCase{"root, 0600 of another owner", 0600, Root, true},
                    PermissionCase{"root, locked 0444", 0444, Root, false},
                    PermissionCase{"root, 0066: only the owner's bit counts", 0066, Root, false}));

// Runs body in a child process and gives its exit status; a body that hangs
// is stopped after five seconds and counts as failed.
int InChild(const std::function<int()>& body) {
  const pid_t child = fork();
  if (child == 0) {
    ::alarm(5);
    _exit(body());
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// A player locks the file by taking away its write permission: neither the
// close nor a slot save may replace it, whoever runs the game.
TEST(FileSafety, ReadOnlyFileIsNeverReplaced) {
  const std::string old = "[Settings]\r\nCredits=77.00\r\n";
  // As this user (the super-user on build machines), then as a normal user.
  const auto attempt = [&](const std::string& path) {
    WriteBytes(path, old);
    ::chmod(path.c_str(), 0444);
    const bool refused = WriteSettings(path, 1) == "Unable to write to " + path &&
                         WriteSlot(path, 3, "name", GameState{}, "01/01/26") ==
                             std::optional<std::string>("Unable to write to " + path);
    struct stat info {};
    ::stat(path.c_str(), &info);
    return refused && ReadBytes(path) == old && (info.st_mode & 0777) == 0444 &&
           EntriesIn(std::filesystem::path(path).parent_path()) == 1;
  };
  TempFolder folder;
  EXPECT_TRUE(attempt(folder.File("VOLTA.INI")));

  if (::geteuid() != 0) return;
  TempFolder playerFolder;
  constexpr uid_t Nobody = 65534;
  ASSERT_EQ(::chown(playerFolder.Path().c_str(), Nobody, Nobody), 0);
  const std::string path = playerFolder.File("VOLTA.INI");
  const int status = InChild([&] {
    if (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0) return 2;
    return attempt(path) ? 0 : 1;
  });
  EXPECT_EQ(status, 0);
  // The same file with its write bit back is replaced as before.
  ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
  EXPECT_EQ(WriteSettings(path, 1), "");
}

// Only a regular file is read: a named pipe, a device or a folder in the
// file's place reads at once as unreadable, and is never replaced.
TEST(FileSafety, OnlyRegularFilesAreReadOrReplaced) {
  TempFolder folder;
  const std::string pipe = folder.File("pipe.ini");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
  const std::string dir = folder.File("dir.ini");
  std::filesystem::create_directory(dir);
  std::vector<std::string> replaceable{pipe, dir};
  // Writes go only to things in the test's own folder: a faulty write must
  // never reach the system's devices. A device of our own needs the
  // super-user; a link to it stands for a link to /dev/zero.
  const std::string device = folder.File("zero.ini");
  if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 5)) == 0) {
    const std::string link = folder.File("link.ini");
    std::filesystem::create_symlink(device, link);
    replaceable.insert(replaceable.end(), {device, link});
  }
  std::vector<std::string> readable = replaceable;
  const std::string zero = folder.File("system-zero.ini");
  std::filesystem::create_symlink("/dev/zero", zero);
  const std::string null = folder.File("system-null.ini");
  std::filesystem::create_symlink("/dev/null", null);
  readable.insert(readable.end(), {zero, null});

  for (const std::string& path : readable) {
    // In a child with a memory limit, so that an endless read fails instead
    // of holding the test.
    const int status = InChild([&] {
      const rlimit memory{1 << 30, 1 << 30};
      ::setrlimit(RLIMIT_AS, &memory);
      const FileContents contents = ReadWholeFile(path);
      return contents.status == FileReadStatus::Failed && contents.bytes.empty() ? 0 : 1;
    });
    EXPECT_EQ(status, 0) << path;
  }
  for (const std::string& path : replaceable) {
    const int writeStatus =
        InChild([&] { return WriteSettings(path, 1) == "Unable to write to " + path ? 0 : 1; });
    EXPECT_EQ(writeStatus, 0) << path;
    EXPECT_FALSE(ReplaceFileAtomically(path, "x")) << path;
  }
  EXPECT_EQ(std::filesystem::status(pipe).type(), std::filesystem::file_type::fifo);
  EXPECT_TRUE(std::filesystem::is_empty(dir));
  if (replaceable.size() > 2) {
    EXPECT_EQ(std::filesystem::status(device).type(), std::filesystem::file_type::character);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link.ini")));
  }
  EXPECT_EQ(EntriesIn(folder.Path()), static_cast<int>(readable.size()));
  EXPECT_EQ(ReadWholeFile(folder.File("missing.ini")).status, FileReadStatus::Missing);
}

// Sets an environment variable for one scope and puts back the old value.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(ConfigLocation, FollowsXdgConfigHomeThenHome) {
  const ScopedEnv home("HOME", "/h/player");
  {
    const ScopedEnv xdg("XDG_CONFIG_HOME", "/x/conf/");
    EXPECT_EQ(SettingsFilePath(), "/x/conf/voltaro-slots/VOLTA.INI");
  }
  {
    const ScopedEnv xdg("XDG_CONFIG_HOME", "relative");  // not absolute: ignored
    EXPECT_EQ(WindowsDir(), "/h/player/.config/voltaro-slots/");
  }
  const ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
  EXPECT_EQ(SettingsFilePath(), "/h/player/.config/voltaro-slots/VOLTA.INI");
}

}  // namespace
