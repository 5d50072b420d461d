// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <functional>

class QMainWindow;
class QWidget;

// The main window's size: it starts with its client area at the normal size,
// centred on the screen, and keeps a fixed border, so only maximizing
// changes the size of the client area. A new size is laid out; a size the
// normal window merely passes through is not, and snaps back. Full screen
// is a state of its own over the maximized or normal one.
class WindowSize {
 public:
  // `layOut` lays the client area out for its size and paints it.
  WindowSize(QMainWindow& window, QWidget& client, std::function<void()> layOut);

  // The start-up size and place.
  void PlaceAtStart();
  // The client area has been laid out for its size as it is now.
  void NoteLaidOut();
  // The client area's size or the window's state changed.
  void SizeChanged();

  // F11: full screen on, or off to the state it came from (maximized or
  // not); the face fills the screen as it fills a maximized window.
  void ToggleFullScreen();
  // Esc: off when on; false when the window is not full screen.
  bool LeaveFullScreen();
  // Maximized, or was when full screen came on: what the settings store.
  bool Maximized() const;

 private:
  // Visible and neither maximized, full screen nor minimized.
  bool InNormalState() const;
  // A client size in the normal state other than the normal one.
  bool IsStraySize() const;
  void ResizeIfOwnSize();
  void KeepFixedBorder();

  QMainWindow& window_;
  QWidget& client_;
  std::function<void()> layOut_;
  QSize lastClientSize_;
  QSize normalClientSize_;
  bool maximizedUnderFullScreen_ = false;
};
