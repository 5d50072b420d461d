#pragma once

#include <gtest/gtest.h>

#include "FakeView.h"
#include "GameState.h"
#include "Machine.h"
#include "Reels.h"
#include "ScriptedRandom.h"
#include "Settings.h"

// A machine at its start-up state on a fake window, whose stops the test
// chooses.
class MachineTest : public ::testing::Test {
 protected:
  MachineTest() : settings(DefaultSettings("/opt/voltaro/")), view(settings) {
    InstallStrips(state);
  }

  GameState state;
  Settings settings;
  FakeView view;
  ScriptedRandom random;
  Machine machine{state, settings, view, random};
};

// Stops that show no Voltaro, no Power Drain symbol and no paying line.
inline constexpr int QuietStops[3] = {2, 10, 2};
