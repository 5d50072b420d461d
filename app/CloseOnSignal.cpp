// SPDX-License-Identifier: GPL-3.0-or-later
#include "CloseOnSignal.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QWidget>
#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "GameState.h"

namespace {

constexpr std::array<int, 3> ClosingSignals{SIGTERM, SIGHUP, SIGINT};

// The handler may only write to a descriptor; the event loop reads the
// other end.
int signalPipe[2] = {-1, -1};

void RestoreDefaultActions() {
  for (int signal : ClosingSignals) std::signal(signal, SIG_DFL);
}

extern "C" void NoteSignal(int signal) {
  // A second signal finds the default action back and ends the program.
  RestoreDefaultActions();
  const unsigned char number = static_cast<unsigned char>(signal);
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &number, 1);
}

// The lines the start ends with, made before any signal can come: the
// handler may only write and end.
std::array<std::array<char, 96>, 3> startEndLines{};

extern "C" void EndStart(int signal) {
  for (std::size_t n = 0; n < ClosingSignals.size(); ++n) {
    if (ClosingSignals[n] != signal) continue;
    const char* line = startEndLines[n].data();
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, line, std::strlen(line));
  }
  ::_exit(1);
}

std::function<void()>& ExitAction() {
  static std::function<void()> action;
  return action;
}

extern "C" void RunExitAction() {
  // Taken out first, so that an exit() from inside the action does not
  // run it again.
  const std::function<void()> action = std::move(ExitAction());
  ExitAction() = nullptr;
  if (action) action();
}

}  // namespace

CloseOnSignal::CloseOnSignal(std::function<void(int)> close, QObject* parent)
    : QObject(parent), close_(std::move(close)) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) {
    // The start's handlers would speak of a start long over.
    RestoreDefaultActions();
    return;
  }
  ::fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);
  notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &CloseOnSignal::ReadSignal);
  struct sigaction action {};
  action.sa_handler = NoteSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : ClosingSignals) sigaction(signal, &action, nullptr);
}

CloseOnSignal::~CloseOnSignal() {
  if (notifier_ == nullptr) return;
  RestoreDefaultActions();
  ::close(signalPipe[0]);
  ::close(signalPipe[1]);
  signalPipe[0] = signalPipe[1] = -1;
}

void CloseOnSignal::ReadSignal() {
  unsigned char number = 0;
  if (::read(signalPipe[0], &number, 1) != 1) return;
  close_(number);
}

void EndStartOnSignal() {
  const char* names[] = {"SIGTERM", "SIGHUP", "SIGINT"};
  for (std::size_t n = 0; n < ClosingSignals.size(); ++n)
    std::snprintf(startEndLines[n].data(), startEndLines[n].size(),
                  "%s: %s before the game had started; nothing was changed\n", ProductTitle,
                  names[n]);
  struct sigaction action {};
  action.sa_handler = EndStart;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : ClosingSignals) sigaction(signal, &action, nullptr);
}

void CloseAllWindows(QWidget& mainWindow) {
  // Boxes and dialogs run loops of their own; the main window's close only
  // takes effect once they have returned. Each is asked in turn, the top one
  // first.
  for (int guard = 0; guard < 32; ++guard) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == &mainWindow) break;
    if (auto* dialog = qobject_cast<QDialog*>(modal))
      dialog->reject();
    else
      modal->close();
    // A dialog that refuses to go would otherwise be asked for ever.
    if (QApplication::activeModalWidget() == modal) break;
  }
  mainWindow.close();
}

void RunAtExit(std::function<void()> action) {
  static const bool registered = std::atexit(RunExitAction) == 0;
  (void)registered;
  ExitAction() = std::move(action);
}
