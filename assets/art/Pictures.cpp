// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pictures.h"

#include <QResource>
#include <QtGlobal>
#include <cstring>

// Several windows call this; the resources are registered once. The macro
// must be used outside any namespace.
void InitPictures() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(pictures);
    return true;
  }();
  static_cast<void>(registered);
}

QImage ReadyPixels(const char* path, QSize size) {
  const QResource resource(QString::fromLatin1(path));
  QImage image(size, QImage::Format_ARGB32);
  if (image.isNull() || !resource.isValid() ||
      resource.compressionAlgorithm() != QResource::NoCompression ||
      resource.size() != image.sizeInBytes())
    return {};
  // Copied rather than wrapped: rcc does not align a file's bytes, and a
  // QImage wants its rows on 4-byte boundaries.
  std::memcpy(image.bits(), resource.data(), static_cast<std::size_t>(image.sizeInBytes()));
  return image;
}
