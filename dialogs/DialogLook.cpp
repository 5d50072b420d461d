// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogLook.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPalette>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QToolTip>

#include "Fonts.h"
#include "HelpContexts.h"
#include "Palette.h"

namespace {

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

class ClassicMenus : public QObject {
 public:
  explicit ClassicMenus(QWidget& owner) : QObject(&owner) {
    for (QMenu* menu : owner.findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
      menu->setPalette(ClassicPalette());
    owner.installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ChildAdded) {
      // The child is still being constructed: look at it once it is done.
      QPointer<QObject> child = static_cast<QChildEvent*>(event)->child();
      QTimer::singleShot(0, this, [child] {
        if (auto* menu = qobject_cast<QMenu*>(child.data())) menu->setPalette(ClassicPalette());
      });
    }
    return QObject::eventFilter(watched, event);
  }
};

// Sees every widget of the program as it is made ready to show; a window
// with no palette set takes the classic one, which its children inherit
// over the theme's palettes for their kinds (line edits, lists, labels).
class ClassicWindows : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Polish && watched->isWidgetType()) {
      auto* widget = static_cast<QWidget*>(watched);
      if (widget->isWindow() && !widget->testAttribute(Qt::WA_SetPalette))
        widget->setPalette(ClassicPalette());
    }
    return false;
  }
};

class ArrowsInGroup : public QObject {
 public:
  ArrowsInGroup(const QList<QAbstractButton*>& group, QObject* owner)
      : QObject(owner), group_(group) {
    for (QAbstractButton* button : group_) button->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    int step = 0;
    if (key == Qt::Key_Down || key == Qt::Key_Right) step = 1;
    if (key == Qt::Key_Up || key == Qt::Key_Left) step = -1;
    const auto at = group_.indexOf(static_cast<QAbstractButton*>(watched));
    if (step == 0 || at < 0) return false;
    const auto count = group_.size();
    for (qsizetype n = 1; n < count; ++n) {
      QAbstractButton* next = group_[(at + step * n + count * n) % count];
      if (!next->isEnabled() || !next->isVisible()) continue;
      next->setFocus(Qt::TabFocusReason);
      next->click();
      return true;
    }
    return true;
  }

 private:
  QList<QAbstractButton*> group_;
};

}  // namespace

void LetArrowsMoveInGroup(const QList<QAbstractButton*>& group) {
  if (!group.isEmpty()) new ArrowsInGroup(group, group.front());
}

void KeepEveryWindowClassic() {
  static QPointer<ClassicWindows> watcher;
  if (watcher != nullptr || qApp == nullptr) return;
  watcher = new ClassicWindows(qApp);
  qApp->installEventFilter(watcher);
  QToolTip::setPalette(ClassicPalette());
}

void KeepMenusClassic(QWidget& owner) { new ClassicMenus(owner); }

QPalette ClassicPalette() {
  const QColor disabledText{0x80, 0x80, 0x80};
  QPalette classic(palette::ButtonText, palette::ButtonFace, palette::ButtonHighlight,
                   palette::ButtonShadow, palette::ButtonShadow, palette::ButtonText,
                   palette::ButtonHighlight, palette::ButtonHighlight, palette::ButtonFace);
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    classic.setColor(group, QPalette::Midlight, palette::ButtonFace);
    classic.setColor(group, QPalette::Shadow, palette::ButtonText);
    classic.setColor(group, QPalette::AlternateBase, QColor(0xE8, 0xE8, 0xE8));
    classic.setColor(group, QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    classic.setColor(group, QPalette::ToolTipText, palette::ButtonText);
    classic.setColor(group, QPalette::PlaceholderText, QColor(0x59, 0x59, 0x59));
    classic.setColor(group, QPalette::Highlight, QColor(0x00, 0x00, 0x80));
    classic.setColor(group, QPalette::HighlightedText, palette::ButtonHighlight);
    classic.setColor(group, QPalette::Link, QColor(0x00, 0x00, 0xEE));
    classic.setColor(group, QPalette::LinkVisited, QColor(0x55, 0x1A, 0x8B));
  }
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    classic.setColor(QPalette::Disabled, role, disabledText);
  return classic;
}

QFont DialogPixelFont(int pixelSize, bool bold) {
  QFont font = ClassicFont(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

void SetUpFixedDialog(QDialog& dialog, QSize clientSize, int helpContext) {
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                        Qt::MSWindowsFixedSizeDialogHint);
  dialog.setFixedSize(clientSize);
  dialog.setPalette(ClassicPalette());
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

void SetTextColours(QWidget& widget, const QColor& text, const QColor& background) {
  SetTextColour(widget, text);
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, background);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}
