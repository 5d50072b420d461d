#include "FileReplace.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace {

namespace fs = std::filesystem;

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Makes the rename itself durable; without this a power cut can bring back the
// old directory entry.
bool SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

// Opens a fresh file beside path; the name is unique so that two writers never
// share one.
int CreateTemporaryBeside(const std::string& path, std::string& tempPath) {
  static std::atomic<unsigned> counter{0};
  std::random_device entropy;
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
               std::to_string(entropy());
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// A writer killed between creating its temporary file and the rename leaves
// the file behind. Ours are named after their process, so those of processes
// that no longer run are removed; another copy of the game still writing
// keeps its own.
void RemoveLeftovers(const fs::path& target) {
  const std::string prefix = target.filename().string() + ".tmp-";
  std::error_code error;
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(prefix, 0) != 0) continue;
    const std::string rest = name.substr(prefix.size());
    const long pid = std::strtol(rest.c_str(), nullptr, 10);
    if (pid <= 0 || pid == ::getpid()) continue;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) fs::remove(entry.path(), error);
  }
}

}  // namespace

FileContents ReadWholeFile(const std::string& path) {
  std::error_code error;
  if (!fs::exists(path, error)) {
    return {error ? FileReadStatus::Failed : FileReadStatus::Missing, {}};
  }
  std::ifstream in(path, std::ios::binary);
  if (!in || fs::is_directory(path, error)) return {FileReadStatus::Failed, {}};
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return {FileReadStatus::Failed, {}};
  return {FileReadStatus::Read, std::move(bytes).str()};
}

bool ReplaceFileAtomically(const std::string& linkOrPath, std::string_view bytes) {
  // A settings file kept as a symbolic link (as dot-file managers do) stays one:
  // the file it points to is replaced, not the link.
  std::error_code error;
  const bool isLink = fs::is_symlink(fs::symlink_status(linkOrPath, error));
  const std::string path = isLink ? fs::weakly_canonical(linkOrPath, error).string() : linkOrPath;
  if (isLink && error) return false;
  error.clear();
  const fs::path target(path);
  const std::string folder =
      target.has_parent_path() ? target.parent_path().string() : std::string(".");
  fs::create_directories(folder, error);
  if (error) return false;

  std::string tempPath;
  const int fd = CreateTemporaryBeside(path, tempPath);
  if (fd < 0) return false;

  // The new file keeps the permissions of the one it replaces.
  struct stat existing {};
  bool ok = true;
  if (::stat(path.c_str(), &existing) == 0) ok = ::fchmod(fd, existing.st_mode & 07777) == 0;
  ok = ok && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::rename(tempPath.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(tempPath.c_str());
    return false;
  }
  SyncFolder(folder);
  RemoveLeftovers(target);
  return true;
}

bool FileExists(const std::string& path) {
  std::error_code ignored;
  return !path.empty() && fs::is_regular_file(path, ignored);
}
