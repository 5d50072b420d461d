// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "ScriptedStops.h"
#include "Slot.h"
#include "WindowProbe.h"

// When the things the benchmark times happened, in wall and CPU nanoseconds.
struct Moment {
  std::int64_t wall = 0;
  std::int64_t cpu = 0;
};

struct SpinTrace {
  Moment animationStart;  // the buttons go grey; the first step is due one delay later
  Moment lastStep;        // the last wheel step shown
  int steps = 0;
  Moment countStart;  // the first coin of a win moved into the credits
  Moment countEnd;    // the pause after the last coin has ended
  int coinsCounted = 0;
  // Where the count-up's time went, in wall nanoseconds.
  std::int64_t countDrawing = 0;  // readouts drawn and shown
  std::int64_t countSounds = 0;   // the coin sound started
};

// The real main window, watched: it records the moments of a spin as the
// steps of its plan reach its controls and face, and then does what the
// window does.
class BenchForm : public TForm1 {
 public:
  explicit BenchForm(SlotEnvironment environment);

  // Forgets the last spin's moments.
  void StartTrace() { trace_ = {}; }
  const SpinTrace& Trace() const { return trace_; }

  void SetButtonsEnabled(bool enabled) override;
  int PlayEventSound(SoundEvent event) override;

  // Runs the event loop until the plan in play has ended (or ten seconds
  // more than `limitMs` have passed); returns the wall nanoseconds then.
  std::int64_t WaitForPlanEnd(int limitMs = 60000);

 private:
  // What the rules draw, seen on its way to the face.
  class FaceWatch;
  void ShowWheels(FaceView& face, const std::array<int, 3>& positions);
  void DrawMoneyReadout(FaceView& face, MoneyReadout which, double value);
  void DrawPowerMeter(FaceView& face, bool rising);
  // A sign that the rules have moved past the count-up.
  void CountUpOver();

  SpinTrace trace_;
  bool counting_ = false;
};

// Shows the window and waits for the first paint of `face`; false when none
// came within ten seconds.
bool ShowAndWaitForFirstPaint(QWidget& window, QWidget& face);
