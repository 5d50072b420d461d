// SPDX-License-Identifier: GPL-3.0-or-later
#include "Application.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "DialogLook.h"
#include "FontConfigReading.h"
#include "Fonts.h"
#include "GameState.h"
#include "LazyStyleIcons.h"
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

// With no session bus to be found, the screen reader bridge (made before the
// first paint) and the sound library would each have the bus library start
// one, which holds up the window by tens of milliseconds and leaves a bus
// running that no screen reader listens on. The lookup order is the bus
// library's own: the address given, then the user's bus in the runtime
// folder.
void KeepFromLaunchingASessionBus() {
  if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return;
  const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtimeDir.isEmpty() && QFileInfo::exists(runtimeDir + QStringLiteral("/bus"))) return;
  qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

}  // namespace

void PrepareBeforeApplication() {
  qtHandler = qInstallMessageHandler(HoldPlatformMessages);
  // The sound library would otherwise take over SIGINT and SIGTERM and turn
  // them into events nobody reads, so the program could not be stopped.
  qputenv("SDL_NO_SIGNAL_HANDLERS", "1");
  KeepFromLaunchingASessionBus();
  // Last: fontconfig reads the environment as it goes, and a variable set
  // meanwhile can move the environment's table from under it (a crash in
  // about one start of a hundred).
  StartReadingFontConfig();
}

void PrepareApplication() {
  FinishReadingFontConfig();
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
  MakeOverflowIconsLazy();
  InstallFontSubstitutes();
  // Qt's own boxes and pickers, the tooltips and the help window share the
  // game's classic look.
  QApplication::setPalette(ClassicPalette());
  KeepEveryWindowClassic();
  InitPictures();
}

void AfterFirstPaint(QWidget& window, std::function<void()> work) {
  // Watches the paints of the whole application for the first one in the
  // window.
  class FirstPaintWatch : public QObject {
   public:
    FirstPaintWatch(QWidget& watched, std::function<void()> work)
        : window_(&watched), work_(std::move(work)) {}

   protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() != QEvent::Paint || !watched->isWidgetType() ||
          static_cast<QWidget*>(watched)->window() != window_)
        return false;
      qApp->removeEventFilter(this);
      deleteLater();
      QTimer::singleShot(0, window_, std::move(work_));
      return false;
    }

   private:
    QPointer<QWidget> window_;
    std::function<void()> work_;
  };
  qApp->installEventFilter(new FirstPaintWatch(window, std::move(work)));
}

void SetProgramIcon() { QApplication::setWindowIcon(QIcon(QString::fromLatin1(IconPicture))); }
