// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the audio tests inside a Qt application, on the offscreen platform and
// SDL's silent audio driver unless the caller chose otherwise.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
