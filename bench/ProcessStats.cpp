// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProcessStats.h"

#include <unistd.h>

#include <ctime>
#include <fstream>
#include <sstream>
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

double MillisSinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string line;
  if (!std::getline(stat, line)) return -1;
  // The command name in parentheses may hold spaces; fields count from its end.
  const std::size_t close = line.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream fields(line.substr(close + 2));
  std::string field;
  // After the name: state is field 3, start time field 22.
  for (int index = 3; index < 22 && fields >> field;) ++index;
  unsigned long long startTicks = 0;
  if (!(fields >> startTicks)) return -1;
  const double ticksPerSecond = static_cast<double>(sysconf(_SC_CLK_TCK));
  const double startMillis = static_cast<double>(startTicks) * 1000.0 / ticksPerSecond;
  // The start time counts from boot, suspended time included.
  return static_cast<double>(Nanos(CLOCK_BOOTTIME)) / 1e6 - startMillis;
}

long PeakResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

}  // namespace process_stats
