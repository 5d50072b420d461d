// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "SilentView.h"

// A window for the rules that shows nothing and runs on a virtual clock.
// The first wait of a spin runs `duringSpin` once, as the event loop would
// run a dialog's click while the wheels turn.
class QuietView : public SilentView {
 public:
  std::function<void()> duringSpin;

  QuietView() { now = 5'000; }

  void WaitUntil(std::int64_t tick) override {
    SilentView::WaitUntil(tick);
    if (duringSpin) {
      const auto action = std::move(duringSpin);
      duringSpin = nullptr;
      action();
    }
  }
};
