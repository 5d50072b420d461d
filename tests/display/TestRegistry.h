// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Fonts.h"
#include "QtTestClasses.h"
#include "ScaledScreens.h"

// A face test class: its program draws with the game's font substitutes.
#define REGISTER_DISPLAY_TEST(Class) QT_TEST_CLASS_WITH(Class, nullptr, InstallFontSubstitutes)

// A face test class whose widgets can be put on those screens.
#define REGISTER_SCALED_DISPLAY_TEST(Class) \
  QT_TEST_CLASS_WITH(Class, UseScaledScreens, InstallFontSubstitutes)
