// SPDX-License-Identifier: GPL-3.0-or-later
#include "Application.h"

#include <QApplication>
#include <QIcon>

#include "DialogLook.h"
#include "Fonts.h"
#include "GameState.h"
#include "Pictures.h"
#include "Version.h"

void PrepareBeforeApplication() {
  // The sound library would otherwise take over SIGINT and SIGTERM and turn
  // them into events nobody reads, so the program could not be stopped.
  qputenv("SDL_NO_SIGNAL_HANDLERS", "1");
}

void PrepareApplication() {
  QApplication::setApplicationName(QString::fromUtf8(ProductTitle));
  QApplication::setApplicationVersion(QString::fromUtf8(VersionText));
  // Ties the window to the installed desktop entry and its icon.
  QGuiApplication::setDesktopFileName(QString::fromUtf8(ApplicationId));
  InstallFontSubstitutes();
  // Qt's own boxes and pickers, the tooltips and the help window share the
  // game's classic look.
  QApplication::setPalette(ClassicPalette());
  InitPictures();
  QApplication::setWindowIcon(QIcon(QString::fromLatin1(IconPicture)));
}
