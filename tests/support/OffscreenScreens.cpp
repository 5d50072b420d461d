// SPDX-License-Identifier: GPL-3.0-or-later
#include "OffscreenScreens.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

void UseOffscreenScreens(const QList<QSize>& sizes) {
  QByteArray screens;
  int x = 0;
  for (const QSize size : sizes) {
    if (!screens.isEmpty()) screens += ',';
    screens += QStringLiteral(R"({"name":"%1x%2","x":%3,"y":0,"width":%1,"height":%2,)"
                              R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1})")
                   .arg(size.width())
                   .arg(size.height())
                   .arg(x)
                   .toUtf8();
    x += size.width();
  }
  // The platform reads the file when the QApplication is made; it stays
  // until the program ends.
  static QTemporaryDir folder;
  QFile config(folder.filePath(QStringLiteral("screens.json")));
  if (!config.open(QIODevice::WriteOnly) ||
      config.write(R"({"windowFrameMargins":false,"screens":[)" + screens + "]}") < 0)
    qFatal("cannot write the test screens' configuration");
  config.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
}
