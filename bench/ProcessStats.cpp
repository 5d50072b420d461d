// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProcessStats.h"

#include <ctime>
#include <fstream>
#include <string>

namespace process_stats {

namespace {

std::int64_t Nanos(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

}  // namespace

std::int64_t WallNanos() { return Nanos(CLOCK_MONOTONIC); }

std::int64_t CpuNanos() { return Nanos(CLOCK_PROCESS_CPUTIME_ID); }

long PeakResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

}  // namespace process_stats
