// SPDX-License-Identifier: GPL-3.0-or-later
#include "SharedWindowImage.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QImage>
#include <cinttypes>
#include <cstdio>
#include <cstring>

bool SharedImageRouteAllowed(const char* runtimeQtVersion, const QByteArray& switchedOff) {
  if (!switchedOff.isEmpty() && switchedOff != "0") return false;
  unsigned major = 0;
  unsigned minor = 0;
  if (runtimeQtVersion == nullptr || std::sscanf(runtimeQtVersion, "%u.%u", &major, &minor) != 2)
    return false;
  return major == QT_VERSION_MAJOR && minor == QT_VERSION_MINOR;
}

bool SharedWindowImage::IsShared(QBackingStore& store) {
  // Neither the Qt in use nor the environment changes while the game runs.
  static const bool allowed =
      SharedImageRouteAllowed(qVersion(), qgetenv("VOLTARO_NO_SHARED_IMAGE"));
  if (!allowed || QGuiApplication::platformName() != QLatin1String("xcb")) return false;
  QPaintDevice* device = store.paintDevice();
  if (device == nullptr || device->devType() != QInternal::Image) return false;
  const auto* image = static_cast<const QImage*>(device);
  // A new image (a resize, a copy) has a new serial number in the upper half
  // of its key; the lower half counts writes.
  const qint64 serial = image->cacheKey() >> 32;
  if (serial != checkedSerial_ || image->constBits() != checkedBits_) {
    checkedSerial_ = serial;
    checkedBits_ = image->constBits();
    shared_ = IsInSharedMapping(checkedBits_);
  }
  return shared_;
}

bool IsInSharedMapping(const void* address) {
  std::FILE* maps = std::fopen("/proc/self/maps", "re");
  if (maps == nullptr) return false;
  const auto wanted = reinterpret_cast<std::uintptr_t>(address);
  bool shared = false;
  char line[512];
  bool atLineStart = true;
  while (std::fgets(line, sizeof line, maps) != nullptr) {
    // A line longer than the buffer (a long file name) is read in pieces;
    // only its first piece holds the address range.
    const bool lineStart = atLineStart;
    atLineStart = std::strchr(line, '\n') != nullptr;
    std::uintptr_t start = 0;
    std::uintptr_t end = 0;
    char permissions[5] = {};
    if (!lineStart ||
        std::sscanf(line, "%" SCNxPTR "-%" SCNxPTR " %4s", &start, &end, permissions) != 3)
      continue;
    if (wanted >= start && wanted < end) {
      shared = permissions[3] == 's';
      break;
    }
  }
  std::fclose(maps);
  return shared;
}
