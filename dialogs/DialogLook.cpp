// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogLook.h"

#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

#include "HelpContexts.h"
#include "Palette.h"

namespace {

QPalette ClassicPalette(QPalette base) {
  base.setColor(QPalette::Window, palette::ButtonFace);
  base.setColor(QPalette::Button, palette::ButtonFace);
  base.setColor(QPalette::Light, palette::ButtonHighlight);
  base.setColor(QPalette::Midlight, palette::ButtonFace);
  base.setColor(QPalette::Mid, palette::ButtonShadow);
  base.setColor(QPalette::Dark, palette::ButtonShadow);
  base.setColor(QPalette::Shadow, palette::ButtonText);
  base.setColor(QPalette::WindowText, palette::ButtonText);
  base.setColor(QPalette::ButtonText, palette::ButtonText);
  base.setColor(QPalette::Text, palette::ButtonText);
  return base;
}

// Centres its dialog every time it is shown, after Qt's own placement over
// the parent, so every dialog opens in the middle of the screen.
class CentreOnShow : public QObject {
 public:
  explicit CentreOnShow(QWidget& window) : QObject(&window), window_(window) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::Show) CentreOnScreen(window_);
    return false;
  }

 private:
  QWidget& window_;
};

}  // namespace

QFont DialogPixelFont(int pixelSize, bool bold) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

void SetUpFixedDialog(QDialog& dialog, QSize clientSize, int helpContext) {
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                        Qt::MSWindowsFixedSizeDialogHint);
  dialog.setFixedSize(clientSize);
  dialog.setPalette(ClassicPalette(dialog.palette()));
  dialog.setAutoFillBackground(true);
  // Without a topic of its own, F1 finds its owner's.
  if (helpContext != 0) dialog.setProperty(HelpContextProperty, helpContext);
  dialog.installEventFilter(new CentreOnShow(dialog));
}

void CentreOnScreen(QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
  const QSize outer = window.frameGeometry().size();
  window.move(available.center() - QPoint(outer.width() / 2, outer.height() / 2));
}

void SetTextColour(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::ButtonText, colour);
  palette.setColor(QPalette::Text, colour);
  widget.setPalette(palette);
}
