// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// What the process costs: clocks, CPU time and memory, read from the kernel.
namespace process_stats {

// Steady wall-clock time in nanoseconds.
std::int64_t WallNanos();
// CPU time of every thread of the process, user and system, in nanoseconds.
std::int64_t CpuNanos();
// The peak resident set size (VmHWM) in kibibytes; 0 when unknown.
long PeakResidentKiB();

}  // namespace process_stats
