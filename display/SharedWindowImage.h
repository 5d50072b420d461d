// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>

class QBackingStore;

// Tells whether a window's image is memory the X server reads straight from
// (X11's shared-memory images), which lets a wheel step skip the round trip
// to the server that Qt makes before each paint.
//
// Qt waits for the server before it lets anyone write into a shared image:
// the server may still be copying the last frame out of it. For a wheel step
// that wait is most of the step's cost (a round trip and two thread wake-ups
// every 10 ms), and all it can prevent is one frame that mixes the last step
// with this one: every write is followed by its own copy to the screen, so
// the screen always ends on the pixels written last. Anywhere else (another
// window system, an image Qt uploads itself, a red/blue-swapped copy) the
// paint must go through Qt's own begin and end, which queue the upload.
//
// How Qt's X11 backing store treats its image is not something Qt promises,
// so the route is only taken on the Qt version the game was built with, and
// VOLTARO_NO_SHARED_IMAGE=1 in the environment turns it off.
class SharedWindowImage {
 public:
  // Whether the store's current image is shared with an X server. Read from
  // the process's memory map once per image.
  // Always false where the route is not allowed.
  bool IsShared(QBackingStore& store);

 private:
  qint64 checkedSerial_ = 0;
  const uchar* checkedBits_ = nullptr;
  bool shared_ = false;
};

// Whether `address` lies in a mapping of this process that is shared with
// other processes (read from /proc/self/maps); false when it cannot be read.
bool IsInSharedMapping(const void* address);

// Whether a wheel step may write to a shared image without waiting: the Qt
// running (`runtimeQtVersion`, as qVersion() gives it) has the major and
// minor version the game was built with, and `switchedOff` (the value of
// VOLTARO_NO_SHARED_IMAGE) is empty or "0".
bool SharedImageRouteAllowed(const char* runtimeQtVersion, const QByteArray& switchedOff);
