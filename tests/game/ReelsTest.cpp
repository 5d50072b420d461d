// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "GameState.h"
#include "Random.h"
#include "Reels.h"

namespace {

std::array<int, 3> Column(const GameState& state, int wheel) {
  return {state.Window[wheel * 3], state.Window[wheel * 3 + 1], state.Window[wheel * 3 + 2]};
}

GameState Installed(int stop1, int stop2, int stop3, int freeSpins = 0) {
  GameState state;
  state.FreeSpins = freeSpins;
  state.Stops = {stop1, stop2, stop3};
  InstallStrips(state);
  return state;
}

}  // namespace

TEST(Window, StartUpStopsShowTheirSymbols) {
  const GameState state = Installed(26, 2, 8);
  EXPECT_EQ(Column(state, 0), (std::array<int, 3>{5, 4, 0}));
  EXPECT_EQ(Column(state, 1), (std::array<int, 3>{1, 0, 5}));
  EXPECT_EQ(Column(state, 2), (std::array<int, 3>{0, 4, 5}));
}

TEST(Window, WrapsAroundTheEndOfTheStrip) {
  GameState state = Installed(0, 38, 36);
  EXPECT_EQ(Column(state, 0), (std::array<int, 3>{3, 5, 1}));  // strip positions 0, 1, 2
  EXPECT_EQ(Column(state, 1), (std::array<int, 3>{6, 5, 1}));  // 19, 0, 1
  EXPECT_EQ(Column(state, 2), (std::array<int, 3>{5, 3, 4}));  // 18, 19, 0

  SwitchToFreeSpinStrip(state);
  ComputeWindow(state);
  EXPECT_EQ(Column(state, 1), (std::array<int, 3>{0, 5, 1}));
}

TEST(Strips, FreeSpinStripDiffersInThreePlacesAndHasNoDrain) {
  const std::string normal = Strip2NormalDigits;
  const std::string free = Strip2FreeSpinDigits;
  std::vector<int> differences;
  for (int i = 0; i < StripLength; ++i)
    if (normal[i] != free[i]) differences.push_back(i);
  EXPECT_EQ(differences, (std::vector<int>{2, 11, 19}));
  EXPECT_EQ(free.find('6'), std::string::npos);
  EXPECT_EQ(std::string(Strip1Digits).find('6'), std::string::npos);
  EXPECT_EQ(std::string(Strip3Digits).find('6'), std::string::npos);
}

TEST(Strips, InstallingKeepsTheFreeSpinStripOnlyDuringFreeSpins) {
  GameState state = Installed(0, 38, 0, 3);
  EXPECT_EQ(state.Strip2, Strip2FreeSpinDigits);
  EXPECT_EQ(state.Window[3], 0);  // position 19 of the free-spin strip
  state.FreeSpins = 0;
  InstallStrips(state);
  EXPECT_EQ(state.Strip2, Strip2NormalDigits);
  EXPECT_EQ(state.Window[3], 6);
}

// One spin's positions, step by step, outside any window.
std::vector<std::array<int, 3>> RunSchedule(RandomSource& random, BlurSource& blur,
                                            std::array<int, 3> positions) {
  std::vector<std::array<int, 3>> steps;
  for (int step = 1; step <= AnimationSteps; ++step) {
    for (int wheel = 0; wheel < 3; ++wheel)
      positions[wheel] = PositionAtStep(wheel, step, positions[wheel], random, blur);
    steps.push_back(positions);
  }
  return steps;
}

TEST(StopSchedule, WheelsLockThenRollDownIntoEvenStops) {
  RandomSource random(99);
  BlurSource blur(7);
  for (int spin = 0; spin < 200; ++spin) {
    const auto steps = RunSchedule(random, blur, {26, 2, 8});
    for (int wheel = 0; wheel < 3; ++wheel) {
      const WheelSchedule& schedule = Schedules[wheel];
      const int locked = steps[schedule.lockStep - 1][wheel];
      EXPECT_EQ(locked % 2, 0);
      for (int step = schedule.lockStep + 1; step <= schedule.lockStep + schedule.rollSteps;
           ++step) {
        const int before = steps[step - 2][wheel];
        EXPECT_EQ(steps[step - 1][wheel], before == 0 ? 39 : before - 1);
      }
      const int final = steps.back()[wheel];
      EXPECT_EQ(final % 2, 0);
      EXPECT_EQ(final, ((locked - schedule.rollSteps) % 40 + 40) % 40);
      // Still from the end of its roll to the last step.
      for (int step = schedule.lockStep + schedule.rollSteps; step <= AnimationSteps; ++step)
        EXPECT_EQ(steps[step - 1][wheel], final);
    }
  }
}

TEST(StopSchedule, FinalStopsAreUniformOverTheTwentyEvenPositions) {
  // Chi-square with 19 degrees of freedom; 36.19 is the 99% quantile.
  constexpr int Spins = 40000;
  constexpr double Critical99 = 36.19;
  RandomSource random(2024);
  BlurSource blur(11);
  std::array<std::array<int, 20>, 3> counts{};
  for (int spin = 0; spin < Spins; ++spin) {
    const auto steps = RunSchedule(random, blur, {0, 0, 0});
    for (int wheel = 0; wheel < 3; ++wheel) {
      const int final = steps.back()[wheel];
      ASSERT_EQ(final % 2, 0);
      ++counts[wheel][final / 2];
    }
  }
  const double expected = Spins / 20.0;
  for (int wheel = 0; wheel < 3; ++wheel) {
    double chiSquare = 0;
    for (int count : counts[wheel]) chiSquare += (count - expected) * (count - expected) / expected;
    EXPECT_LT(chiSquare, Critical99) << "wheel " << wheel + 1;
  }
}

TEST(RandomSource, DrawsStayInRangeAndDifferBetweenSources) {
  RandomSource first;
  RandomSource second;
  int same = 0;
  for (int i = 0; i < 64; ++i) {
    const int a = first.Below(40);
    const int b = second.Below(40);
    ASSERT_GE(a, 0);
    ASSERT_LT(a, 40);
    if (a == b) ++same;
  }
  // Two sources seeded from entropy at the same moment must not move in step.
  EXPECT_LT(same, 20);
}
