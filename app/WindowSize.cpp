// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowSize.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int StartClientWidth = 632;
constexpr int StartClientHeight = 394;

}  // namespace

WindowSize::WindowSize(QMainWindow& window, QWidget& client, std::function<void()> layOut)
    : window_(window), client_(client), layOut_(std::move(layOut)) {}

void WindowSize::PlaceAtStart() {
  // The start-up client area, centred on the screen.
  normalClientSize_ = QSize(StartClientWidth, StartClientHeight);
  client_.resize(normalClientSize_);
  window_.resize(StartClientWidth, StartClientHeight + window_.menuBar()->sizeHint().height());
  if (QScreen* screen = QGuiApplication::primaryScreen())
    window_.move(screen->availableGeometry().center() - window_.rect().center());
}

void WindowSize::NoteLaidOut() { lastClientSize_ = client_.size(); }

void WindowSize::SizeChanged() {
  ResizeIfOwnSize();
  KeepFixedBorder();
}

bool WindowSize::InNormalState() const {
  return window_.isVisible() &&
         !(window_.windowState() &
           (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized));
}

bool WindowSize::IsStraySize() const {
  return InNormalState() && client_.size() != normalClientSize_;
}

void WindowSize::ResizeIfOwnSize() {
  // A size the normal window passes through (a drag, the steps of a window
  // manager's animation) is never laid out or painted: it snaps back.
  if (client_.size() != lastClientSize_ && !IsStraySize()) layOut_();
}

void WindowSize::KeepFixedBorder() {
  // The border is fixed: only maximizing changes the size of the client
  // area, so a size dragged by hand goes back to the normal one.
  if (!IsStraySize()) return;
  // The check waits a moment: a window manager that maximizes may report
  // the new size before the new state.
  QTimer::singleShot(250, &window_, [this] {
    if (IsStraySize()) window_.resize(window_.size() - client_.size() + normalClientSize_);
  });
}

void WindowSize::ToggleFullScreen() {
  if (window_.isFullScreen()) {
    window_.setWindowState(maximizedUnderFullScreen_ ? Qt::WindowMaximized : Qt::WindowNoState);
    return;
  }
  maximizedUnderFullScreen_ = window_.isMaximized();
  window_.setWindowState(window_.windowState() | Qt::WindowFullScreen);
}

bool WindowSize::LeaveFullScreen() {
  if (!window_.isFullScreen()) return false;
  ToggleFullScreen();
  return true;
}

bool WindowSize::Maximized() const {
  return window_.isFullScreen() ? maximizedUnderFullScreen_ : window_.isMaximized();
}
