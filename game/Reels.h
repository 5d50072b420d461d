// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "GameState.h"
#include "Random.h"

// Symbol codes as they appear in the strips.
enum Symbol : int {
  VoltaroSymbol = 0,
  PowerDrainSymbol = 6,
};
inline constexpr int SymbolCount = 7;
inline constexpr int StripLength = 20;
inline constexpr int WheelPositions = 2 * StripLength;  // half-symbol steps

inline constexpr const char* Strip1Digits = "35145245345315405324";
inline constexpr const char* Strip2NormalDigits = "51053425345235425346";
inline constexpr const char* Strip2FreeSpinDigits = "51253425345035425340";
inline constexpr const char* Strip3Digits = "42350451254354254153";

// Puts the three strips on the wheels (wheel 2 keeps its free-spin strip while
// free spins remain) and recomputes the window.
void InstallStrips(GameState& state);

// Fills Window from Stops and the strips.
void ComputeWindow(GameState& state);

void SwitchToFreeSpinStrip(GameState& state);
void SwitchToNormalStrip(GameState& state);

const std::string& StripOfWheel(const GameState& state, int wheel);

// Symbol code at strip index n (taken modulo 20) of a wheel.
int SymbolAt(const GameState& state, int wheel, int index);

// The number of animation steps of a spin, numbered 1 to 101.
inline constexpr int AnimationSteps = 101;

// Per-wheel schedule of a spin: while spinning a wheel shows a fresh random
// position every step; at its lock step it picks an even stop; then it rolls
// down one half-symbol per step into place and stays there.
struct WheelSchedule {
  int lockStep;   // the step that chooses the stop
  int rollSteps;  // half-symbol steps rolled after the lock step
};
inline constexpr std::array<WheelSchedule, 3> Schedules{
    WheelSchedule{40, 20}, WheelSchedule{60, 20}, WheelSchedule{79, 22}};

// The position of a wheel at animation step `step`, given its position at
// the step before. The stop is drawn from `random`; the blur before it from
// `blur`.
int PositionAtStep(int wheel, int step, int previous, RandomSource& random, BlurSource& blur);
