// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// What the process costs: clocks, CPU time and memory, read from the kernel.
namespace process_stats {

// Steady wall-clock time in nanoseconds.
std::int64_t WallNanos();
// CPU time of every thread of the process, user and system, in nanoseconds.
std::int64_t CpuNanos();
// Milliseconds since the kernel started this process (its start time is
// kept in clock ticks, so the figure is good to about 10 ms); negative when
// it cannot be read.
double MillisSinceProcessStart();
// The peak resident set size (VmHWM) in kibibytes; 0 when unknown.
long PeakResidentKiB();

}  // namespace process_stats
