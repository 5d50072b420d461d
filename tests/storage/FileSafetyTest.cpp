#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "ConfigLocation.h"
#include "FileReplace.h"
#include "SettingsFile.h"
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
  return LoadSaveSettings(true, path, game, settings, maxed).value_or("");
}

TEST(FileSafety, FailedWritesReportThePathAndChangeNothing) {
  TempFolder folder;
  const std::string blocker = folder.File("not-a-folder");
  WriteBytes(blocker, "x");
  const std::string underFile = blocker + "/VOLTA.INI";
  EXPECT_EQ(WriteSettings(underFile, 1), "Unable to write to " + underFile);

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
