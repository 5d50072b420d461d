// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Starts an Xvfb of the test program's own and points Qt's X11 platform at
// it, for tests that read back what the X server itself shows. The server
// ends with the program. Run before the QApplication is made; a server that
// does not start ends the program with a message.
void UsePrivateXServer();
