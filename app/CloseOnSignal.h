// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// Turns SIGTERM, SIGHUP and SIGINT (a logout, a closed terminal, Ctrl+C)
// into a call on the event loop, so that the game is closed the normal way
// (settled, written) instead of ending with the game in memory. A second
// such signal while the window closes ends the program at once, as it would
// have without this.
class CloseOnSignal : public QObject {
  Q_OBJECT

 public:
  explicit CloseOnSignal(std::function<void(int signal)> close, QObject* parent = nullptr);
  ~CloseOnSignal() override;

  CloseOnSignal(const CloseOnSignal&) = delete;
  CloseOnSignal& operator=(const CloseOnSignal&) = delete;

  // True once the handlers are in place (a socket pair could be made).
  bool Listening() const { return notifier_ != nullptr; }

 private:
  void ReadSignal();

  std::function<void(int)> close_;
  QSocketNotifier* notifier_ = nullptr;
};

// Until CloseOnSignal takes over, SIGTERM, SIGHUP or SIGINT ends the start,
// a box of the start included, with one line on stderr and status 1: the
// game has not been read yet, so nothing is lost.
void EndStartOnSignal();

// Asks every modal dialog and box to go, then the main window to close.
void CloseAllWindows(QWidget& mainWindow);

// What runs when the program ends through exit() without returning from
// main: Qt ends that way when the connection to the display is lost. Only
// one action is kept; an empty one clears it.
void RunAtExit(std::function<void()> action);
