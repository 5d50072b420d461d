// SPDX-License-Identifier: GPL-3.0-or-later
#include "Application.h"

#include <QApplication>
#include <QIcon>
#include <QList>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "DialogLook.h"
#include "Fonts.h"
#include "GameState.h"
#include "Pictures.h"
#include "Version.h"

namespace {

// What Qt says while the QApplication is made, held back until it is made.
struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};
QList<HeldMessage>& HeldMessages() {
  static QList<HeldMessage> held;
  return held;
}
QtMessageHandler qtHandler = nullptr;

// Qt cannot carry on without its display, and says so with advice to
// reinstall and an abort that leaves a core dump. The player gets one line
// that names the cause, and the game ends with a plain failure.
void HoldPlatformMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    const QByteArray display = qgetenv("DISPLAY");
    std::fprintf(stderr, "cannot open the display %s: is a desktop session running?\n",
                 display.isEmpty() ? "(DISPLAY is not set)" : display.constData());
    std::_Exit(1);
  }
  HeldMessages().append({type, QByteArray(context.category), text});
}

}  // namespace

void PrepareBeforeApplication() {
  qtHandler = qInstallMessageHandler(HoldPlatformMessages);
  // The sound library would otherwise take over SIGINT and SIGTERM and turn
  // them into events nobody reads, so the program could not be stopped.
  qputenv("SDL_NO_SIGNAL_HANDLERS", "1");
}

void PrepareApplication() {
  // The display answered: what Qt said meanwhile is said now, as ever.
  qInstallMessageHandler(qtHandler);
  for (const HeldMessage& held : std::exchange(HeldMessages(), {})) {
    const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
    qt_message_output(held.type, context, held.text);
  }
  QApplication::setApplicationName(QString::fromUtf8(ProductTitle));
  QApplication::setApplicationVersion(QString::fromUtf8(VersionText));
  // Ties the window to the installed desktop entry and its icon.
  QGuiApplication::setDesktopFileName(QString::fromUtf8(ApplicationId));
  InstallFontSubstitutes();
  // Qt's own boxes and pickers, the tooltips and the help window share the
  // game's classic look.
  QApplication::setPalette(ClassicPalette());
  KeepEveryWindowClassic();
  InitPictures();
  QApplication::setWindowIcon(QIcon(QString::fromLatin1(IconPicture)));
}
