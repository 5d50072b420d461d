#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on an Xvfb of its own, started as the end-to-end scenes
# start theirs, and ends the server with it.
#   on_private_x_server.sh program [arguments]
source "$(dirname "$0")/../app/e2e_common.sh" "$1"
start_x
VOLTARO_ON_PRIVATE_X_SERVER=1 QT_QPA_PLATFORM=xcb "$@"
