// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The millisecond tick count of a steady clock, unaffected by changes of the
// wall-clock time.
std::int64_t SteadyTickCount();

// Sleeps in a nested event loop until SteadyTickCount() reaches `tick`, so
// paints, timers and menu commands run meanwhile. Pending events are handled
// at least once, even when the tick has already passed. Returns early when
// `stop` becomes true (checked after every wake-up).
void WaitInEventLoop(std::int64_t tick, const bool* stop = nullptr);
