// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrivateXServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

pid_t serverPid = 0;

void StopServer() {
  if (serverPid <= 0) return;
  kill(serverPid, SIGTERM);
  waitpid(serverPid, nullptr, 0);
  serverPid = 0;
}

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "private X server: %s\n", what);
  StopServer();
  std::exit(1);
}

// Starts one Xvfb and returns its display number, or "" (with the server
// gone) when it ended before it gave one.
std::string StartServer() {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) Fail("no pipe");
  const pid_t parent = getpid();
  const pid_t child = fork();
  if (child < 0) Fail("cannot fork");
  if (child == 0) {
    // Gone with the test program, however it ends.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(1);
    // The server writes its display number to this end, kept across exec.
    const int numberFd = dup(ends[1]);
    const int quiet = open("/dev/null", O_WRONLY | O_CLOEXEC);
    dup2(quiet, STDOUT_FILENO);
    dup2(quiet, STDERR_FILENO);
    const std::string fd = std::to_string(numberFd);
    // -noreset: the server stays up between one client and the next.
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
           "tcp", "-noreset", static_cast<char*>(nullptr));
    _exit(127);
  }
  serverPid = child;
  close(ends[1]);

  std::string number;
  pollfd wait{ends[0], POLLIN, 0};
  char c = 0;
  while (poll(&wait, 1, 10000) == 1 && read(ends[0], &c, 1) == 1 && c != '\n') number += c;
  close(ends[0]);
  // A server that has ended is reaped here, and not signalled again.
  if (waitpid(serverPid, nullptr, WNOHANG) == serverPid) serverPid = 0;
  if (number.empty() || c != '\n' || serverPid == 0) {
    StopServer();
    return {};
  }
  return number;
}

}  // namespace

void UsePrivateXServer() {
  // Servers started together may pick the same free display number, and all
  // but one then end at once: such a start is tried again.
  std::string number;
  for (int attempt = 0; attempt < 5 && number.empty(); ++attempt) number = StartServer();
  if (number.empty()) Fail("Xvfb did not start (is it installed?)");
  std::atexit(StopServer);

  setenv("DISPLAY", (":" + number).c_str(), 1);
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  unsetenv("WAYLAND_DISPLAY");
}
