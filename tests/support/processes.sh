# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the test scripts that start programs in the background.

# end_and_wait pid...: ends each process of ours and waits until it is gone,
# so that nothing it does at its close (the game writes its settings file on
# SIGTERM, Xvfb removes its socket) lands after the test's clean-up. Each is
# asked to end (SIGTERM) and, still running after ten seconds, killed.
# Empty arguments are skipped.
end_and_wait() {
  local pid
  for pid in "$@"; do
    [[ -n $pid ]] && kill -TERM "$pid" 2>/dev/null || true
  done
  for pid in "$@"; do
    [[ -n $pid ]] || continue
    for _ in $(seq 100); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}
