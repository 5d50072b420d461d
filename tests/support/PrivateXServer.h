// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Puts the test program on an X server of its own, for tests that read back
// what the X server itself shows: run before the QApplication is made, it
// runs the program again, with the same arguments, under
// on_private_x_server.sh, which starts the server and ends it afterwards.
void UsePrivateXServer();
